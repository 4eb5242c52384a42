#pragma once

#include "io/SheetImport.h"

#include <QDialog>
#include <memory>

class ZQheaderwidget;

namespace Ui {
class ImportExcelDialog;
}

// "Import rules": which properties of the rows read from a spreadsheet are taken, which of
// them (first and last row, counting the rows taken) and from which table row on, or whether
// they update the articles of the table by LF code. OK checks the ranges and stores them
// (group "PLU_Import").
class ImportExcelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImportExcelDialog(QWidget *parent = nullptr);
    ~ImportExcelDialog() override;

    // The rows read; proposes all of them after a caption row. rowsLeftOut: sheet rows with
    // too few cells, told to the operator.
    void setRows(const QVector<SheetImport::SourceRow> &rows, int rowsLeftOut);
    const QVector<SheetImport::SourceRow> &rows() const { return m_rows; }
    const SheetImport::Flags &flags() const { return m_flags; }
    int firstRow() const;
    int lastRow() const;
    int tableRow() const;
    // "Update from sheet", and whether rows without a match are added.
    bool updates() const;
    bool addsNew() const;
    ZQheaderwidget *header() const;

    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

public slots:
    void restyle(const QList<int> &styles);

private:
    std::unique_ptr<Ui::ImportExcelDialog> ui;
    QVector<SheetImport::SourceRow> m_rows;
    SheetImport::Flags m_flags;
};
