#pragma once

#include "core/TPLU.h"

#include <QDialog>
#include <memory>

class ZQheaderwidget;

namespace Ui {
class ImportExcelDialog;
}

// "Import rules": which properties of the records read from a spreadsheet are taken, which of
// them (first and last row, counting the rows taken) and from which table row on. OK checks the
// ranges and stores them (group "PLU_Import").
class ImportExcelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImportExcelDialog(QWidget *parent = nullptr);
    ~ImportExcelDialog() override;

    // The records read; proposes all of them (rows 1 to their number). rowsLeftOut: sheet rows
    // with too few cells, told to the operator.
    void setRecords(const TPLUList &records, int rowsLeftOut);
    const TPLUList &records() const { return m_read; }
    const TPLUList &selectedRecords() const { return m_selected; }
    int firstRow() const;
    int lastRow() const;
    int tableRow() const;
    ZQheaderwidget *header() const;

    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

public slots:
    void restyle(const QList<int> &styles);

private:
    std::unique_ptr<Ui::ImportExcelDialog> ui;
    TPLUList m_read;
    TPLUList m_selected;
};
