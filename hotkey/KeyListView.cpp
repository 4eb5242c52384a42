#include "hotkey/KeyListView.h"

#include <QListView>

void KeyListView::setUp(QListView *list, int spacing, QAbstractItemDelegate *delegate, QAbstractItemModel *model)
{
    list->setViewMode(QListView::IconMode);
    list->setMovement(QListView::Static);
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setUniformItemSizes(true);
    list->setDragEnabled(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSpacing(spacing);
    list->setItemDelegate(delegate);
    list->setModel(model);
}
