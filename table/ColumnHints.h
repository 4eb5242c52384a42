#pragma once

#include <QString>

// The status-bar hint for a column of the PLU table.
class ColumnHints
{
public:
    static QString hint(int column, int pluNameLen);
};
