#include "table/PluGridChange.h"

bool PluGridChange::sameValue(const QVariant &a, const QVariant &b)
{
    // QVariant's own == converts ("12" equals 12); undo must restore the type as well.
    return a.userType() == b.userType() && a == b;
}

QVector<PluTableModel::Row> PluGridChange::reordered(const QVector<PluTableModel::Row> &rows,
                                                     const QVector<int> &source)
{
    QVector<PluTableModel::Row> result;
    result.reserve(source.size());
    const PluTableModel::Row fresh = PluTableModel::newRow();
    for (int from : source)
        result.append(from >= 0 ? rows.at(from) : fresh);
    return result;
}

void PluGridChange::reorderRows(PluTableModel *model, const QVector<int> &source)
{
    Q_ASSERT(m_source.isEmpty() && m_cells.isEmpty());
    Q_ASSERT(source.size() == model->rowCount());
    const QVector<PluTableModel::Row> &rows = model->rows();
    QVector<bool> kept(rows.size(), false);
    for (int from : source) {
        if (from >= 0)
            kept[from] = true;
    }
    for (int r = 0; r < rows.size(); ++r) {
        if (!kept.at(r))
            m_dropped.append({r, rows.at(r)});
    }
    m_source = source;
    model->replaceAllRows(reordered(rows, source));
}

bool PluGridChange::write(PluTableModel *model, int row, int column, const QVariant &value)
{
    if (row < 0 || row >= model->rowCount() || column < 0 || column >= PluColumns::Count)
        return false;
    const QVariant &before = model->cell(row, column);
    if (sameValue(before, value))
        return false;
    m_cells.append({row, column, before, value});
    model->setCell(row, column, value);
    return true;
}

void PluGridChange::redo(PluTableModel *model) const
{
    PluTableModel::BulkUpdate bulk(model);
    if (!m_source.isEmpty())
        model->replaceAllRows(reordered(model->rows(), m_source));
    for (const Cell &c : m_cells)
        model->setCell(c.row, c.column, c.after);
}

void PluGridChange::undo(PluTableModel *model) const
{
    PluTableModel::BulkUpdate bulk(model);
    for (auto it = m_cells.crbegin(); it != m_cells.crend(); ++it)
        model->setCell(it->row, it->column, it->before);
    if (m_source.isEmpty())
        return;
    const QVector<PluTableModel::Row> &now = model->rows();
    QVector<PluTableModel::Row> old(now.size());
    for (int i = 0; i < m_source.size(); ++i) {
        if (m_source.at(i) >= 0)
            old[m_source.at(i)] = now.at(i);
    }
    for (const auto &d : m_dropped)
        old[d.first] = d.second;
    model->replaceAllRows(old);
}
