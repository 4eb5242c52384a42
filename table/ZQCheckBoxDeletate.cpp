#include "table/ZQCheckBoxDeletate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

ZQCheckBoxDeletate::ZQCheckBoxDeletate(QObject *parent) : QStyledItemDelegate(parent) {}

QRect ZQCheckBoxDeletate::indicatorRect(const QRect &cell)
{
    QRect box(0, 0, IndicatorSize, IndicatorSize);
    box.moveCenter(cell.center());
    return box;
}

void ZQCheckBoxDeletate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionButton box;
    box.rect = indicatorRect(option.rect);
    box.state = QStyle::State_Enabled | (index.data(Qt::UserRole).toBool() ? QStyle::State_On : QStyle::State_Off);
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
}

bool ZQCheckBoxDeletate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonPress && (model->flags(index) & Qt::ItemIsDragEnabled)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (indicatorRect(option.rect).contains(mouse->pos())) {
            model->setData(index, !index.data(Qt::UserRole).toBool(), Qt::UserRole);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
