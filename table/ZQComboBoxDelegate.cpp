#include "table/ZQComboBoxDelegate.h"

#include <QComboBox>

ZQComboBoxDelegate::ZQComboBoxDelegate(const QStringList &items, QObject *parent)
    : QStyledItemDelegate(parent), m_items(items)
{
}

QWidget *ZQComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->addItems(m_items);
    return box;
}

void ZQComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    // Exact match only: a cell text that is no item leaves nothing chosen.
    box->setCurrentIndex(m_items.indexOf(index.data(Qt::EditRole).toString()));
}

void ZQComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::DisplayRole);
}
