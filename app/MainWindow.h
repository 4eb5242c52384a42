#pragma once

#include "core/TPLU.h"

#include <QMainWindow>
#include <QModelIndex>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class PluDocument;
class PluTableModel;

// The one window: the PLU grid with its menus, toolbar and status bar, and the document state.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The one main window, once built; null before and after.
    static MainWindow *instance();

    PluDocument *document() const { return m_document; }
    PluTableModel *model() const;
    QTableView *tableView() const { return m_table; }
    QAction *action(const QString &objectName) const;

    // Rows in use, recomputed from the names.
    int rowCount();
    bool isModified() const;
    void setModified(bool modified);
    QString currentFile() const;
    TPLU rowToPlu(int row) const;
    void pluToRow(const TPLU &plu, int row);
    void resetRow(int row);

    // Opens a PLU file set as Open does, without asking for the name.
    void loadFile(const QString &path);
    // The unsaved-changes prompt; false when the operator cancelled.
    bool maybeSave();

signals:
    void updatePluRequest();
    void updateTotalPackage(int total);
    void updateCurPackage(int current);
    void updatePacktypeInfo();

public slots:
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSave_As_triggered();
    void on_actionExit_triggered();
    void on_actionAbout_triggered();
    void on_actionSelect_entire_row_triggered();
    void on_actionSelect_block_column_triggered();
    void on_actionSelect_All_triggered();
    void on_TABLEVW_SHOW_clicked(const QModelIndex &index);
    void onLineNoEditingFinished();
    void onIndexNameCurrentIndexChanged(int index);
    void onLookupEditTextChanged(const QString &text);
    void onTableView_activated(const QModelIndex &index);
    void onClearTable();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildToolBar();
    void buildStatusBar();
    void updateTitle();
    void clearDocument();
    bool save();
    bool saveAs();
    bool writeFileSet(const QString &path, bool asNewName);
    void runFind(int column, const QString &text);

    PluDocument *m_document;
    QTableView *m_table;
    QLineEdit *m_lineNoEdit = nullptr;
    QComboBox *m_indexNameBox = nullptr;
    QComboBox *m_lookupBox = nullptr;
    QLabel *m_hintLabel = nullptr;
    static MainWindow *s_instance;
};
