#include "hotkey/PrintItemDelegate.h"

#include "hotkey/HotkeyCellPainter.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetTypes.h"

PrintItemDelegate::PrintItemDelegate(int type, QObject *parent) : QStyledItemDelegate(parent), m_type(type) {}

void PrintItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    HotkeyCellPainter::paintSheetOutline(painter, m_type);
    HotkeyCellPainter::paintPrintCell(painter, option.rect, index.data(HotkeySheet::ItemRole).value<ItemData>(),
                                      index.data(HotkeySheet::LayoutRole).toInt());
}

QSize PrintItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return HotkeySheetTypes::geometry(m_type).printCell;
}
