#pragma once

#include "io/Sheet.h"

// Collects the cells a workbook reader finds, in any order, and hands out the used range: the
// rows and columns from the first to the last cell that holds a value, every row as wide as the
// range (as a spreadsheet program's "used range" is).
class SheetBuilder
{
public:
    // Row and column count from 0. Empty values (and empty texts) are not kept. Returns false
    // for a row at or beyond Sheet::MaxRows; cells beyond Sheet::MaxColumns are left out.
    bool set(int row, int column, const QVariant &value);
    Sheet take();

private:
    QVector<QVector<QVariant>> m_rows;
    int m_firstRow = -1;
    int m_lastRow = -1;
    int m_firstColumn = -1;
    int m_lastColumn = -1;
};
