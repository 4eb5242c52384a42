#pragma once

class QAbstractItemDelegate;
class QAbstractItemModel;
class QListView;
class QScrollArea;
class QSize;

// The key grid of the editor and the preview: cells of one size laid left to right in rows that
// wrap at the list's width, never dragged.
namespace KeyListView {
void setUp(QListView *list, int spacing, QAbstractItemDelegate *delegate, QAbstractItemModel *model);
// Gives the list, inside its scroll area, the card's size: the area takes the room the window
// leaves, up to what the card needs, and scrolls where the screen is smaller than the card.
void setCardSize(QListView *list, QScrollArea *area, const QSize &card);
} // namespace KeyListView
