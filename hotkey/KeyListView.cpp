#include "hotkey/KeyListView.h"

#include <QListView>
#include <QScrollArea>
#include <QStyle>

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

void KeyListView::setCardSize(QListView *list, QScrollArea *area, const QSize &card)
{
    list->setFixedSize(card);
    // Room for the scroll bars as well: an area exactly the card's size can keep both bars
    // showing once they were needed while the window was laid out.
    const int extra = 2 * area->frameWidth() + area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    area->setMaximumSize(card + QSize(extra, extra));
}
