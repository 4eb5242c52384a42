#include "hotkey/ZqsethotkeyLoadPLUdialog.h"

#include "core/TextCodec.h"
#include "hotkey/HotkeySheet.h"
#include "ui_ZqsethotkeyLoadPLUdialog.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

ZqsethotkeyLoadPLUdialog::ZqsethotkeyLoadPLUdialog(const TPLUList &plus, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZqsethotkeyLoadPLUdialog>()),
      m_model(new QStandardItemModel(0, 3, this)), m_filter(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    m_model->setHorizontalHeaderLabels({tr("PLU name"), tr("LF Code"), tr("Unit Price")});
    for (const TPLU &plu : plus) {
        auto *name = new QStandardItem(TextCodec::fromLocal8(plu.pluNameBytes()));
        name->setCheckable(true);
        name->setEditable(false);
        auto *lfCode = new QStandardItem(QString::number(plu.LFCode));
        lfCode->setEditable(false);
        auto *price = new QStandardItem(HotkeySheet::priceText(plu));
        price->setEditable(false);
        m_model->appendRow({name, lfCode, price});
    }
    m_filter->setSourceModel(m_model);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    ui->TABLEVW_SHOW->setModel(m_filter);
    ui->TABLEVW_SHOW->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->TABLEVW_SHOW->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->TABLEVW_SHOW->verticalHeader()->setDefaultSectionSize(22);
    connect(ui->pZQIndexNameCbox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ZqsethotkeyLoadPLUdialog::onIndexNameCurrentIndexChanged);
    connect(ui->pZQLookupCBox, &QComboBox::editTextChanged, this, &ZqsethotkeyLoadPLUdialog::onLookupEditTextChanged);
    connect(ui->YESButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->NOButton, &QPushButton::clicked, this, &QDialog::reject);
}

ZqsethotkeyLoadPLUdialog::~ZqsethotkeyLoadPLUdialog() = default;

void ZqsethotkeyLoadPLUdialog::onIndexNameCurrentIndexChanged(int index)
{
    m_filter->setFilterKeyColumn(index == 1 ? 1 : 0);
}

void ZqsethotkeyLoadPLUdialog::onLookupEditTextChanged(const QString &text)
{
    m_filter->setFilterFixedString(text);
}

void ZqsethotkeyLoadPLUdialog::setMarked(int index, bool marked)
{
    if (QStandardItem *item = m_model->item(index, 0))
        item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
}

QList<int> ZqsethotkeyLoadPLUdialog::getloadplu()
{
    QList<int> marked;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row, 0);
        if (item->checkState() == Qt::Checked) {
            marked.append(row);
            item->setCheckState(Qt::Unchecked);
        }
    }
    return marked;
}
