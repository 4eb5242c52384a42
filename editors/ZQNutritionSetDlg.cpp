#include "editors/ZQNutritionSetDlg.h"

#include "core/CellRule.h"
#include "core/PriceFormat.h"
#include "core/Prompt.h"
#include "document/NutritionValueStore.h"
#include "editors/NutritionElementDlg.h"
#include "table/ZQLineEditDeletate.h"
#include "ui_ZQNutritionSetDlg.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <utility>

namespace {
enum Column
{
    NumberColumn,
    NameColumn,
    UnitColumn,
    ContentColumn,
    NrvColumn
};
// Element numbers kept for loaded values; the editors write 1..12 only.
constexpr int kSlots = 20;
} // namespace

ZQNutritionSetDlg::ZQNutritionSetDlg(const QString &pluName, const QString &pluFile, const QString &lfCode,
                                     QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQNutritionSetDlg>()), m_model(new QStandardItemModel(0, 5, this)),
      m_pluFile(pluFile), m_lfCode(lfCode)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    ui->PLUNameLabel->setText(pluName);
    m_model->setHorizontalHeaderLabels({tr("Element No."), tr("Element Name"), tr("Uint"), tr("Content"), tr("NVR%")});
    ui->tableView->setModel(m_model);
    const int decimals = PriceFormat::decimals();
    ui->tableView->setItemDelegateForColumn(
        ContentColumn, new ZQLineEditDeletate(CellRule::decimal(0, 9999999, decimals), ui->tableView));
    ui->tableView->setItemDelegateForColumn(NrvColumn,
                                            new ZQLineEditDeletate(CellRule::decimal(0, 100, decimals), ui->tableView));
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    for (const auto &width :
         {std::pair<int, int>{NumberColumn, 90}, {NameColumn, 150}, {UnitColumn, 60}, {ContentColumn, 100}})
        ui->tableView->setColumnWidth(width.first, width.second);

    connect(ui->addBtn, &QPushButton::clicked, this, &ZQNutritionSetDlg::onClickAddBtn);
    connect(ui->deleteBtn, &QPushButton::clicked, this, &ZQNutritionSetDlg::onClickDeleteBtn);
    connect(ui->saveBtn, &QPushButton::clicked, this, &ZQNutritionSetDlg::on_saveBtn_clicked);
    connect(ui->closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    loadValues();
}

ZQNutritionSetDlg::~ZQNutritionSetDlg() = default;

void ZQNutritionSetDlg::loadValues()
{
    m_contents = QVector<QString>(kSlots).toList();
    m_nrvs = m_contents;
    QString selection;
    // A PLU file without a name has no store yet: nothing to load.
    const QString path = NutritionElementFile::valuesFilePath(m_pluFile);
    if (!path.isEmpty()) {
        NutritionValueStore store(path);
        QVector<NutritionValue> values;
        QString error;
        if (!store.open(&error) || !store.load(m_lfCode, &values, &error)) {
            Prompt::warning(this, tr("Error"), tr("Database open failt") + QLatin1Char('\n') + error);
        } else {
            for (const NutritionValue &v : values) {
                selection += QString::number(v.itemId) + QLatin1Char(',');
                if (v.itemId >= 0 && v.itemId < kSlots) {
                    m_contents[v.itemId] = QString::number(v.content);
                    m_nrvs[v.itemId] = QString::number(v.nrv);
                }
            }
        }
    }
    buildTable(selection);
}

void ZQNutritionSetDlg::buildTable(const QString &selection)
{
    QVector<NutritionElementFile::Row> elements;
    QString error;
    if (NutritionElementFile::read(NutritionElementFile::elementFilePath(m_pluFile), &elements, &error) ==
        NutritionElementFile::ReadResult::Failed)
        Prompt::warning(this, tr("Warning"), error);
    m_model->removeRows(0, m_model->rowCount());
    for (const QString &part : selection.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int n = part.trimmed().toInt();
        const bool known = n >= 1 && n <= elements.size();
        const QString content = n >= 0 && n < kSlots ? m_contents.at(n) : QString();
        const QString nrv = n >= 0 && n < kSlots ? m_nrvs.at(n) : QString();
        QList<QStandardItem *> row{
            new QStandardItem(QString::number(n)),
            new QStandardItem(known ? elements.at(n - 1).name : QString()),
            new QStandardItem(known ? elements.at(n - 1).unit : QString()),
            new QStandardItem(known && !content.isEmpty() ? content : QStringLiteral("0")),
            new QStandardItem(known && !nrv.isEmpty() ? nrv : QStringLiteral("0")),
        };
        for (int c = NumberColumn; c <= UnitColumn; ++c)
            row.at(c)->setFlags(row.at(c)->flags() & ~Qt::ItemIsEditable);
        m_model->appendRow(row);
    }
}

QString ZQNutritionSetDlg::selectionString() const
{
    QString out;
    for (int r = 0; r < m_model->rowCount(); ++r)
        out += m_model->item(r, NumberColumn)->text() + QLatin1Char(',');
    return out;
}

void ZQNutritionSetDlg::onClickAddBtn()
{
    if (m_pluFile.isEmpty()) {
        Prompt::warning(nullptr, tr("Warning"), tr("Please save the PLU file first"));
        return;
    }
    NutritionElementDlg picker(m_pluFile, this);
    picker.setSelectMode(true);
    picker.setSelectionString(selectionString());
    connect(&picker, &NutritionElementDlg::downloadReq, this, &ZQNutritionSetDlg::downloadReq);
    if (picker.exec() == QDialog::Accepted)
        buildTable(picker.selectionString());
}

void ZQNutritionSetDlg::onClickDeleteBtn()
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (current.isValid())
        m_model->removeRow(current.row());
}

void ZQNutritionSetDlg::on_saveBtn_clicked()
{
    if (m_pluFile.isEmpty()) {
        Prompt::warning(nullptr, tr("Warning"), tr("Can't Create File"));
        return;
    }
    QVector<NutritionValue> values;
    for (int r = 0; r < m_model->rowCount(); ++r)
        values.append({m_model->item(r, NumberColumn)->text().toInt(),
                       m_model->item(r, ContentColumn)->text().toDouble(),
                       m_model->item(r, NrvColumn)->text().toDouble()});
    NutritionValueStore store(NutritionElementFile::valuesFilePath(m_pluFile));
    QString error;
    if (!store.open(&error)) {
        Prompt::warning(this, tr("Error"), tr("Database open failt") + QLatin1Char('\n') + error);
        return;
    }
    if (!store.save(m_lfCode, values, &error))
        Prompt::warning(this, tr("Warning"), tr("The nutrition values were not saved.") + QLatin1Char('\n') + error);
}
