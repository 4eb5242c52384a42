#pragma once

class QAbstractItemDelegate;
class QAbstractItemModel;
class QListView;

// The key grid of the editor and the preview: cells of one size laid left to right in rows that
// wrap at the list's width, never dragged.
namespace KeyListView {
void setUp(QListView *list, int spacing, QAbstractItemDelegate *delegate, QAbstractItemModel *model);
}
