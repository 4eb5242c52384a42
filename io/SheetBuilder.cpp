#include "io/SheetBuilder.h"

bool SheetBuilder::set(int row, int column, const QVariant &value)
{
    if (row < 0 || row >= Sheet::MaxRows)
        return false;
    if (column < 0 || column >= Sheet::MaxColumns || !value.isValid())
        return true;
    if (value.userType() == QMetaType::QString && value.toString().isEmpty())
        return true;
    if (m_rows.size() <= row)
        m_rows.resize(row + 1);
    QVector<QVariant> &cells = m_rows[row];
    if (cells.size() <= column)
        cells.resize(column + 1);
    cells[column] = value;
    m_firstRow = m_firstRow < 0 ? row : qMin(m_firstRow, row);
    m_lastRow = qMax(m_lastRow, row);
    m_firstColumn = m_firstColumn < 0 ? column : qMin(m_firstColumn, column);
    m_lastColumn = qMax(m_lastColumn, column);
    return true;
}

Sheet SheetBuilder::take()
{
    Sheet sheet;
    if (m_firstRow < 0)
        return sheet;
    const int width = m_lastColumn - m_firstColumn + 1;
    sheet.rows.reserve(m_lastRow - m_firstRow + 1);
    for (int r = m_firstRow; r <= m_lastRow; ++r) {
        QVector<QVariant> cells = std::move(m_rows[r]);
        if (m_firstColumn > 0)
            cells.remove(0, qMin(m_firstColumn, cells.size()));
        cells.resize(width);
        sheet.rows.append(std::move(cells));
    }
    m_rows.clear();
    m_firstRow = m_lastRow = m_firstColumn = m_lastColumn = -1;
    return sheet;
}
