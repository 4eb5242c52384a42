#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QVariant>

// The stored results of the formulas on the first worksheet of a binary Excel workbook (BIFF8
// in an Office compound file), which FreeXL leaves out. Read straight from the file's records;
// anything it does not understand simply yields fewer results.
class BiffFormulas
{
public:
    using Cell = QPair<int, int>; // row, column from 0
    // Numbers as double, truth values as bool, texts and error codes ("#DIV/0!") as QString.
    static QHash<Cell, QVariant> read(const QByteArray &file);
};
