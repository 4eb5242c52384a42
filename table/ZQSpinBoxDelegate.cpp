#include "table/ZQSpinBoxDelegate.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

ZQSpinBoxDelegate::ZQSpinBoxDelegate(double min, double max, int decimals, QObject *parent)
    : QStyledItemDelegate(parent), m_min(min), m_max(max), m_decimals(decimals)
{
}

QWidget *ZQSpinBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    if (m_decimals != 0) {
        auto *box = new QDoubleSpinBox(parent);
        box->setDecimals(m_decimals);
        box->setRange(m_min, m_max);
        box->setFrame(false);
        return box;
    }
    auto *box = new QSpinBox(parent);
    box->setRange(static_cast<int>(m_min), static_cast<int>(m_max));
    box->setFrame(false);
    return box;
}

void ZQSpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *d = qobject_cast<QDoubleSpinBox *>(editor))
        d->setValue(value.toDouble());
    else if (auto *i = qobject_cast<QSpinBox *>(editor))
        i->setValue(value.toInt());
}

void ZQSpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *d = qobject_cast<QDoubleSpinBox *>(editor)) {
        d->interpretText();
        model->setData(index, d->value(), Qt::EditRole);
    } else if (auto *i = qobject_cast<QSpinBox *>(editor)) {
        i->interpretText();
        model->setData(index, i->value(), Qt::EditRole);
    }
}
