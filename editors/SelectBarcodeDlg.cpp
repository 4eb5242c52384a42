#include "editors/SelectBarcodeDlg.h"

#include "editors/BarcodeTypeTable.h"
#include "table/RangeIntValidator.h"
#include "ui_SelectBarcodeDlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QStandardItemModel>

SelectBarcodeDlg::SelectBarcodeDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SelectBarcodeDlg>()),
      m_model(new QStandardItemModel(BarcodeTypeTable::RowCount, BarcodeTypeTable::ColumnCount, this))
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    retranslateHeaders();
    for (int r = 0; r < BarcodeTypeTable::RowCount; ++r) {
        for (int c = 0; c < BarcodeTypeTable::ColumnCount; ++c) {
            auto *item = new QStandardItem(BarcodeTypeTable::cell(r, c));
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            m_model->setItem(r, c, item);
        }
    }
    QTableView *table = ui->tableView;
    table->setModel(m_model);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->barcodeTypeEdit->setValidator(new RangeIntValidator(0, BarcodeTypeTable::MaxType, ui->barcodeTypeEdit));

    connect(table, &QTableView::clicked, this, &SelectBarcodeDlg::onClicked);
    connect(ui->barcodeTypeEdit, &QLineEdit::textChanged, this, &SelectBarcodeDlg::typeEdited);
    connect(ui->barcodeTypeEdit, &QLineEdit::textChanged, this, &SelectBarcodeDlg::updatePreview);
    connect(ui->sampleWeightSpin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &SelectBarcodeDlg::updatePreview);
    for (QPushButton *b : {ui->okBtn, ui->bulkChangeWeightBtn, ui->bulkChangePCSBtn})
        connect(b, &QPushButton::clicked, this, &SelectBarcodeDlg::onUpdateBarcodeType);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->copyRuleBtn, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tillRule()); });
    selectType(BarcodeTypeTable::DefaultType);
}

SelectBarcodeDlg::~SelectBarcodeDlg() = default;

void SelectBarcodeDlg::retranslateHeaders()
{
    QStringList headers;
    for (int c = 0; c < BarcodeTypeTable::ColumnCount; ++c)
        headers << tr(BarcodeTypeTable::header(c));
    m_model->setHorizontalHeaderLabels(headers);
}

void SelectBarcodeDlg::changeEvent(QEvent *event)
{
    // Kept for the whole run: it follows a language chosen while it exists.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateHeaders();
        updatePreview();
    }
    QDialog::changeEvent(event);
}

void SelectBarcodeDlg::selectType(int type)
{
    ui->barcodeTypeEdit->setText(QString::number(type));
    if (BarcodeTypeTable::hasRow(type))
        ui->tableView->scrollTo(m_model->index(type, 0), QAbstractItemView::PositionAtCenter);
}

void SelectBarcodeDlg::setSample(const BarcodeSample &sample, const QString &rowTitle)
{
    m_sample = sample;
    ui->rowLabel->setText(rowTitle);
    updatePreview();
}

QString SelectBarcodeDlg::tillRule() const
{
    return BarcodeLayout(ui->barcodeTypeEdit->text().toInt()).tillRule(m_sample.unitCode);
}

void SelectBarcodeDlg::onClicked(const QModelIndex &index)
{
    if (index.isValid())
        ui->barcodeTypeEdit->setText(QString::number(index.row()));
}

void SelectBarcodeDlg::typeEdited(const QString &text)
{
    bool ok = false;
    const int type = text.toInt(&ok);
    if (ok && BarcodeTypeTable::hasRow(type))
        ui->tableView->selectRow(type);
    else
        ui->tableView->clearSelection();
}

void SelectBarcodeDlg::onUpdateBarcodeType()
{
    if (!ui->barcodeTypeEdit->hasAcceptableInput())
        return;
    const QString name = sender() ? sender()->objectName() : QString();
    const int way = name == QLatin1String("bulkChangeWeightBtn") ? AllWeighed
                    : name == QLatin1String("bulkChangePCSBtn")  ? AllCounted
                                                                 : ThisRow;
    emit updateBarcodeTypeReq(way, ui->barcodeTypeEdit->text());
    accept();
}

void SelectBarcodeDlg::updatePreview()
{
    const bool acceptable = ui->barcodeTypeEdit->hasAcceptableInput();
    for (QPushButton *b : {ui->okBtn, ui->bulkChangeWeightBtn, ui->bulkChangePCSBtn})
        b->setEnabled(acceptable);
    BarcodeSample sample = m_sample;
    sample.weightKg = ui->sampleWeightSpin->value();
    const BarcodeLayout layout(acceptable ? ui->barcodeTypeEdit->text().toInt() : -1);
    const BarcodeLayout::Composed composed = layout.compose(sample);
    ui->barcodeView->setComposed(composed);
    const QString rule = layout.tillRule(sample.unitCode);
    ui->tillRuleLabel->setText(rule.isEmpty() ? tr("The scale decides what this barcode type prints.") : rule);
    ui->copyRuleBtn->setEnabled(!rule.isEmpty());
    // A barcode that cannot be drawn shows its last problem in its place already.
    QStringList problems = composed.problems;
    if (!composed.drawable && !problems.isEmpty())
        problems.removeLast();
    ui->problemsLabel->setText(problems.join(QLatin1Char('\n')));
}
