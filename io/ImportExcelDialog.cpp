#include "io/ImportExcelDialog.h"

#include "core/Prompt.h"
#include "core/ZQConfig.h"
#include "io/SheetImport.h"
#include "ui_ImportExcelDialog.h"

ImportExcelDialog::ImportExcelDialog(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::ImportExcelDialog>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    connect(ui->headerWidget, &ZQheaderwidget::Sentstyle, this, &ImportExcelDialog::restyle);
    connect(ui->OKBtn, &QPushButton::clicked, this, &ImportExcelDialog::accept);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

ImportExcelDialog::~ImportExcelDialog() = default;

void ImportExcelDialog::changeEvent(QEvent *event)
{
    // Kept for the whole run; the row counts are told again by the next setRecords().
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

ZQheaderwidget *ImportExcelDialog::header() const
{
    return ui->headerWidget;
}

void ImportExcelDialog::setRecords(const TPLUList &records, int rowsLeftOut)
{
    m_read = records;
    restyle(ui->headerWidget->styles());
    ui->startRowSpinBox->setValue(records.isEmpty() ? 0 : 1);
    ui->endRowSpinBox->setValue(records.size());
    QString text = tr("Rows that can be imported: %1.").arg(records.size());
    if (rowsLeftOut > 0)
        text += QLatin1Char(' ') +
                tr("Rows left out for fewer than %1 cells: %2.").arg(SheetImport::MinCells).arg(rowsLeftOut);
    ui->rowsLabel->setText(text);
}

int ImportExcelDialog::firstRow() const
{
    return ui->startRowSpinBox->value();
}

int ImportExcelDialog::lastRow() const
{
    return ui->endRowSpinBox->value();
}

int ImportExcelDialog::tableRow() const
{
    return ui->toRowSpinBox->value();
}

void ImportExcelDialog::restyle(const QList<int> &styles)
{
    m_selected = SheetImport::chosen(m_read, styles);
}

void ImportExcelDialog::accept()
{
    switch (SheetImport::checkRange(firstRow(), lastRow(), tableRow(), m_selected.size())) {
    case SheetImport::RangeError::None:
        break;
    case SheetImport::RangeError::BeyondRecords:
        Prompt::critical(this, tr("critical"),
                         tr("Content") + QLatin1Char('\n') +
                             tr("Rows read: %1; the last row is beyond them.").arg(m_selected.size()));
        return;
    case SheetImport::RangeError::NoFirstRow:
        Prompt::warning(this, tr("Warning"), tr("The first row counts from 1."));
        return;
    case SheetImport::RangeError::FirstAfterLast:
        Prompt::warning(this, tr("Warning"), tr("The first row is after the last row."));
        return;
    case SheetImport::RangeError::NoTableRow:
        Prompt::warning(this, tr("Warning"), tr("The PLU Manager row counts from 1."));
        return;
    }
    if (ZQConfig *config = ZQConfig::instance()) {
        config->setValue(ZQConfig::ImportRangeStart, firstRow());
        config->setValue(ZQConfig::ImportRangeEnd, lastRow());
        config->setValue(ZQConfig::ImportTo, tableRow());
    }
    QDialog::accept();
}
