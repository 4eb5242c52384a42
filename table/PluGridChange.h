#pragma once

#include "document/PluTableModel.h"

#include <QPair>
#include <QVector>

// One user action on the grid, recorded while it is applied so that it can be taken back and
// done again exactly (value types included). An action is an optional new row order followed by
// cell writes; the writes go through the bulk path, so no checks run while undoing or redoing.
class PluGridChange
{
public:
    // new row i = old row source[i], or a new row where source[i] is -1. Must come before any
    // write of the same action.
    void reorderRows(PluTableModel *model, const QVector<int> &source);
    // Writes one cell unless it already holds exactly this value (same type and content).
    // Returns whether the cell changed.
    bool write(PluTableModel *model, int row, int column, const QVariant &value);

    bool isEmpty() const { return m_source.isEmpty() && m_cells.isEmpty(); }
    int cellCount() const { return m_cells.size(); }

    void redo(PluTableModel *model) const;
    void undo(PluTableModel *model) const;

    static bool sameValue(const QVariant &a, const QVariant &b);

private:
    static QVector<PluTableModel::Row> reordered(const QVector<PluTableModel::Row> &rows, const QVector<int> &source);

    struct Cell
    {
        int row;
        int column;
        QVariant before;
        QVariant after;
    };
    QVector<int> m_source;
    // Old rows that the new order leaves out, with their old index.
    QVector<QPair<int, PluTableModel::Row>> m_dropped;
    QVector<Cell> m_cells;
};
