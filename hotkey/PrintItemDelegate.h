#pragma once

#include <QStyledItemDelegate>

// Paints the keys of the card in the print preview, as the printer prints them.
class PrintItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    PrintItemDelegate(int type, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_type;
};
