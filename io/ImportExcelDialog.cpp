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
    connect(ui->updateBox, &QGroupBox::toggled, ui->tableRowBox, &QWidget::setDisabled);
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

void ImportExcelDialog::setRows(const QVector<SheetImport::SourceRow> &rows, int rowsLeftOut)
{
    m_rows = rows;
    restyle(ui->headerWidget->styles());
    ui->startRowSpinBox->setValue(SheetImport::proposedFirstRow(rows));
    ui->endRowSpinBox->setValue(rows.size());
    QString text = tr("Rows that can be imported: %1.").arg(rows.size());
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

bool ImportExcelDialog::updates() const
{
    return ui->updateBox->isChecked();
}

bool ImportExcelDialog::addsNew() const
{
    return updates() && ui->addNewCheckBox->isChecked();
}

void ImportExcelDialog::restyle(const QList<int> &styles)
{
    m_flags = styles;
}

void ImportExcelDialog::accept()
{
    // A row without a name is no row of the file; an update keeps the names it does not take.
    if ((!updates() || addsNew()) && !SheetImport::isChosen(m_flags, 1)) {
        Prompt::warning(this, tr("Warning"),
                        tr("Tick \"PLU name\": a row without a name is not kept. To change some properties "
                           "of the articles of the table, choose \"Update from sheet\"."));
        return;
    }
    switch (SheetImport::checkRange(firstRow(), lastRow(), updates() ? 1 : tableRow(), m_rows.size())) {
    case SheetImport::RangeError::None:
        break;
    case SheetImport::RangeError::BeyondRecords:
        Prompt::critical(this, tr("critical"),
                         tr("Content") + QLatin1Char('\n') +
                             tr("Rows read: %1; the last row is beyond them.").arg(m_rows.size()));
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
