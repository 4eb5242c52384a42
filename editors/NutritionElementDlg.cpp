#include "editors/NutritionElementDlg.h"

#include "core/Prompt.h"
#include "table/ZQCheckBoxDeletate.h"
#include "table/ZQComboBoxDelegate.h"
#include "ui_NutritionElementDlg.h"

#include <QHeaderView>
#include <QStandardItemModel>

namespace {
enum Column
{
    SelectColumn,
    NameColumn,
    UnitColumn
};
constexpr int kRows = NutritionElementFile::ElementCount;
} // namespace

NutritionElementDlg::NutritionElementDlg(const QString &pluFile, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::NutritionElementDlg>()), m_model(new QStandardItemModel(kRows, 3, this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_model->setHorizontalHeaderLabels({tr("Select"), tr("Nutrition name"), tr("Unit")});
    for (int r = 0; r < kRows; ++r)
        m_model->setVerticalHeaderItem(r, new QStandardItem(QString::number(r + 1)));
    ui->tableView->setModel(m_model);
    ui->tableView->setItemDelegateForColumn(SelectColumn, new ZQCheckBoxDeletate(ui->tableView));
    ui->tableView->setItemDelegateForColumn(UnitColumn,
                                            new ZQComboBoxDelegate(NutritionElementFile::unitNames(), ui->tableView));
    ui->tableView->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->tableView->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    ui->tableView->setColumnWidth(NameColumn, 220);

    connect(ui->selectAllBtn, &QPushButton::clicked, this, &NutritionElementDlg::on_selectAllBtn_clicked);
    connect(ui->selectInvertBtn, &QPushButton::clicked, this, &NutritionElementDlg::on_selectInvertBtn_clicked);
    connect(ui->okBtn, &QPushButton::clicked, this, &NutritionElementDlg::on_okBtn_clicked);
    connect(ui->EditBtn, &QPushButton::clicked, this, &NutritionElementDlg::on_EditBtn_clicked);
    connect(ui->btn_Save, &QPushButton::clicked, this, &NutritionElementDlg::on_btn_Save_clicked);
    connect(ui->btn_Cancel, &QPushButton::clicked, this, &NutritionElementDlg::on_btn_Cancel_clicked);
    connect(ui->btn_Download, &QPushButton::clicked, this, &NutritionElementDlg::on_btn_Download_clicked);
    reload(pluFile);
    showMode(false);
}

NutritionElementDlg::~NutritionElementDlg() = default;

void NutritionElementDlg::reload(const QString &pluFile)
{
    m_path = NutritionElementFile::elementFilePath(pluFile);
    QVector<NutritionElementFile::Row> rows;
    QString error;
    if (NutritionElementFile::read(m_path, &rows, &error) == NutritionElementFile::ReadResult::Failed)
        Prompt::warning(parentWidget(), tr("Warning"), error);
    for (int r = 0; r < kRows; ++r) {
        const NutritionElementFile::Row row = rows.value(r);
        auto *select = new QStandardItem;
        select->setData(false, Qt::UserRole);
        m_model->setItem(r, SelectColumn, select);
        m_model->setItem(r, NameColumn, new QStandardItem(row.name));
        m_model->setItem(r, UnitColumn, new QStandardItem(row.unit));
    }
    showMode(m_showingSelect);
}

void NutritionElementDlg::setSelectMode(bool select)
{
    m_openedToSelect = select;
    showMode(select);
}

void NutritionElementDlg::showMode(bool select)
{
    m_showingSelect = select;
    setWindowTitle(select ? tr("Add produce Nutrition Element") : tr("Nutrition Element Set"));
    for (QWidget *w : {static_cast<QWidget *>(ui->selectAllBtn), static_cast<QWidget *>(ui->selectInvertBtn),
                       static_cast<QWidget *>(ui->okBtn), static_cast<QWidget *>(ui->EditBtn)})
        w->setVisible(select);
    for (QWidget *w : {ui->btn_Save, ui->btn_Cancel, ui->btn_Download})
        w->setVisible(!select);
    ui->tableView->setColumnHidden(SelectColumn, !select);
    // The check box cell editor toggles cells that can be dragged: only the ticks while picking.
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int r = 0; r < kRows; ++r) {
        m_model->item(r, SelectColumn)->setFlags(select ? base | Qt::ItemIsDragEnabled : base);
        for (int c : {NameColumn, UnitColumn})
            m_model->item(r, c)->setFlags(select ? base : base | Qt::ItemIsEditable);
    }
}

bool NutritionElementDlg::isSelected(int row) const
{
    return m_model->item(row, SelectColumn)->data(Qt::UserRole).toBool();
}

void NutritionElementDlg::setSelected(int row, bool selected)
{
    m_model->item(row, SelectColumn)->setData(selected, Qt::UserRole);
}

void NutritionElementDlg::setSelectionString(const QString &selection)
{
    for (const QString &part : selection.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int n = part.trimmed().toInt();
        if (n >= 1 && n <= kRows)
            setSelected(n - 1, true);
    }
}

QVector<NutritionElementFile::Row> NutritionElementDlg::rows() const
{
    QVector<NutritionElementFile::Row> out;
    for (int r = 0; r < kRows; ++r)
        out.append({m_model->item(r, NameColumn)->text(), m_model->item(r, UnitColumn)->text()});
    return out;
}

QVector<NutritionElement> NutritionElementDlg::elements() const
{
    return NutritionElementFile::records(rows());
}

void NutritionElementDlg::on_selectAllBtn_clicked()
{
    for (int r = 0; r < kRows; ++r)
        setSelected(r, true);
}

void NutritionElementDlg::on_selectInvertBtn_clicked()
{
    for (int r = 0; r < kRows; ++r)
        setSelected(r, !isSelected(r));
}

void NutritionElementDlg::on_okBtn_clicked()
{
    m_selection.clear();
    for (int r = 0; r < kRows; ++r) {
        if (isSelected(r))
            m_selection += m_model->verticalHeaderItem(r)->text() + QLatin1Char(',');
    }
    accept();
}

void NutritionElementDlg::on_EditBtn_clicked()
{
    showMode(false);
}

void NutritionElementDlg::on_btn_Save_clicked()
{
    QString error;
    if (!NutritionElementFile::write(m_path, rows(), &error)) {
        Prompt::warning(this, tr("Warning"), error);
        return;
    }
    if (m_openedToSelect)
        showMode(true);
    else
        accept();
}

void NutritionElementDlg::on_btn_Cancel_clicked()
{
    if (m_openedToSelect)
        showMode(true);
    else
        reject();
}

void NutritionElementDlg::on_btn_Download_clicked()
{
    emit downloadReq(elements());
}
