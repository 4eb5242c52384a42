#pragma once

#include <QString>

// The barcode layouts the scale knows, one row per type number 0..98: the symbol's name and,
// per field, its digit count, a fixed prefix notation ("20(2)", "(25)2", "23(2)+2") or a weight
// pattern ("XX.XXX(5)"); "--" where the layout has no such field. Types 99..110 are valid
// numbers without a row.
class BarcodeTypeTable
{
public:
    enum Column
    {
        Type = 0,
        Name,
        Department,
        Code,
        LFCode,
        Price,
        UnitPrice,
        Weight,
        Batch,
        Discount,
        CheckSum,
        ColumnCount
    };
    static constexpr int RowCount = 99;
    static constexpr int MaxType = 110;
    static constexpr int DefaultType = 10;

    static bool hasRow(int type) { return type >= 0 && type < RowCount; }
    // The cell as the picker shows it; "--" outside the table.
    static QString cell(int type, int column);
    // The untranslated column header.
    static const char *header(int column);
};
