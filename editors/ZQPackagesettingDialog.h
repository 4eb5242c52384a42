#pragma once

#include <QDialog>

class LocalDatabase;
class QSqlRelationalTableModel;
class QTableView;

// The package type codes of the local database (table PackTypeFun), edited in place: "New" and
// typing stay in the window until "Save" or "Delete" submits them; "Close" drops them.
class ZQPackagesettingDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MaxRows = 13;

    // The database must be open.
    explicit ZQPackagesettingDialog(LocalDatabase *database, QWidget *parent = nullptr);

    QSqlRelationalTableModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    int codeColumn() const;

signals:
    // "Down" (job 13) and "Upload" (job 14) ask for a transfer.
    void communicationReq(int job);

public slots:
    void on_NEWBtn_clicked();
    void on_DELBtn_clicked();
    void on_SaveBtn_clicked();
    void on_DownBtn_clicked();
    void on_UploadBtn_clicked();
    void on_CloseBtn_clicked();
    void slot_updatePacktypeInfo();

private:
    bool submit();

    QSqlRelationalTableModel *m_model;
    QTableView *m_view;
};
