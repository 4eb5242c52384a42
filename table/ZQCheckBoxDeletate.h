#pragma once

#include <QStyledItemDelegate>

// Draws a check box on the cell for its user-role value and toggles it on a click inside the
// box. Cells without the drag-enabled flag cannot be toggled; they show their state only.
class ZQCheckBoxDeletate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int IndicatorSize = 20;

    explicit ZQCheckBoxDeletate(QObject *parent = nullptr);

    // Where the box is drawn inside a cell.
    static QRect indicatorRect(const QRect &cell);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
};
