#pragma once

#include <QString>

// Money is held as integers scaled by 10^decimals(); the number of decimals is process-wide,
// read once from the settings at start-up.
class PriceFormat
{
public:
    static int decimals();
    static void setDecimals(int decimals);
    static qint64 scale(); // 10^decimals()

    // The decimal text times 10^decimals, rounded to the nearest integer with halves away from
    // zero. Works on the digits, so 0.005 with 2 decimals is exactly half and becomes 1.
    // Text that is not a number gives 0 and *ok false.
    static qint64 toScaled(const QString &text, int decimals, bool *ok = nullptr);
    static qint64 toScaled(const QString &text) { return toScaled(text, decimals()); }
    // value / 10^decimals in fixed notation with exactly that many decimals.
    static QString fromScaled(qint64 value, int decimals);
    static QString fromScaled(qint64 value) { return fromScaled(value, decimals()); }
    // A double rounded to the nearest integer with halves away from zero.
    static qint64 roundHalfAway(double value);
};
