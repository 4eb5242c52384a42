#pragma once

#include "core/CellRule.h"

#include <QString>

// The limits of the PLU table's cells: the typed columns' editor rules and the package weight
// limit of each weight unit. The cell editors, the per-cell checks and the check before a send
// all read them here.
class PluLimits
{
public:
    // The editor rule of a typed column (kind None and no length limit for the others). Reads
    // the price decimals and the "PluNameLen" and "LfcodeLen" settings as they are now.
    static CellRule columnRule(int column);

    // Whether a package weight is above the limit of the unit (by code); a code outside the
    // unit table has no limit. 15000.00 and 15.00 are compared in single precision, 529.11
    // and 33.07 in double precision, as the scale does.
    static bool packageWeightAbove(int unitCode, double weight);
    // "0~15.00" and so on; empty for a code outside the unit table.
    static QString packageWeightRange(int unitCode);

    // The chosen columns with numbers: a label format travels in one byte; a discount is
    // 0..127 and a discount schedule 129..138.
    static bool isLabel(qint64 value) { return value >= 0 && value <= 255; }
    static QString labelRange() { return QStringLiteral("0~255"); }
    static bool isRebate(qint64 value) { return (value >= 0 && value <= 127) || (value >= 129 && value <= 138); }
    static QString rebateRange() { return QStringLiteral("0~127, 129~138"); }

    // Item codes are decimal digits, at most this many (the record's field size).
    static constexpr int CodeDigits = 10;
    // The record keeps at most this many bytes of a name in the local code page.
    static constexpr int PluNameBytes = 72;
    // An upload reads the advertising head and tail into 260-byte buffers, NUL included.
    static constexpr int AdvertisingBytes = 259;
    // What a scale keeps of the side records.
    static constexpr int MessageBytes = 2 * 1024 * 1024;
    static constexpr int Departments = 100;
    static constexpr int PackTypes = 64;
    static constexpr int PackTypeBytes = 32;
    static constexpr int ElementNameBytes = 14;
    static constexpr double NutritionValueMax = 999999;
    static constexpr double NutritionPercentMax = 99999;
};
