#include "hotkey/ItemDelegate.h"

#include "hotkey/HotkeyCellPainter.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetTypes.h"

void ItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    HotkeyCellPainter::paintEditorCell(painter, option.rect, index.data(HotkeySheet::ItemRole).value<ItemData>(),
                                       index.data(HotkeySheet::LayoutRole).toInt(),
                                       option.state & QStyle::State_Selected, option.state & QStyle::State_MouseOver);
}

QSize ItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return HotkeySheetTypes::EditorCell;
}
