#pragma once

#include "document/DepartmentTable.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QModelIndex;
class QStandardItemModel;
class QTableView;

// The department table: its editor ("Edit", "Add", "Delete", "Save") and the picker of the PLU
// table's "Department" column ("OK" with a row chosen). Shows and edits the rows of its
// DepartmentTable; "Save" writes "DeptSet.dat".
class ZQDepartmentConfigDialog : public QDialog
{
    Q_OBJECT
public:
    enum Column
    {
        PrintNumberColumn,
        NumberColumn,
        PrintNameColumn,
        NameColumn,
        CgstColumn,
        SgstColumn,
        ColumnCount
    };

    explicit ZQDepartmentConfigDialog(QWidget *parent = nullptr);

    // Reloads the rows from "DeptSet.dat" when it holds any, then runs in select mode.
    int exec() override;
    void setEditMode(bool edit);
    bool isEditMode() const { return m_editMode; }
    // The number of the row last clicked; 0 without one.
    int currentNumber() const;
    DepartmentRecords records() const;
    void setRecords(const DepartmentRecords &records);
    QStandardItemModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }

signals:
    // "Download" (job 5) and "Upload" (job 6) ask for a transfer.
    void communicationReq(int job);

public slots:
    void on_editBtn_clicked();
    void on_cancelBtn_clicked();
    void onDownloadDepartmentClick();
    void on_uploadBtn_clicked();
    void on_addBtn_clicked();
    void on_deleteBtn_clicked();
    void on_selectAllIdCheckBox_clicked(bool checked);
    void on_selectAllNameCheckBox_clicked(bool checked);
    void on_saveBtn_clicked();
    void on_DepartmentTableView_clicked(const QModelIndex &index);

private:
    void appendRow(const DepartmentRecord &record);
    void applyItemFlags();
    void setColumn(int column, bool checked);

    DepartmentTable m_table;
    QStandardItemModel *m_model;
    QTableView *m_view;
    QFrame *m_selectFrame;
    QFrame *m_editFrame;
    bool m_editMode = false;
    int m_currentRow = -1;
};
