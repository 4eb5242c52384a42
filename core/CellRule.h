#pragma once

#include <QString>

// What a typed cell accepts: a pattern, an integer range or a decimal range with a number of
// decimals, and an optional length limit. The cell editors build their validators from it and
// the check before a send tests whole rows against it, so both keep to one set of limits.
struct CellRule
{
    enum Kind
    {
        None,
        Pattern,
        Integer,
        Decimal
    };
    Kind kind = None;
    QString pattern;
    double min = 0;
    double max = 0;
    int decimals = 0;
    int maxLength = 0; // characters; 0 for no limit

    static CellRule integer(int min, int max) { return {Integer, QString(), double(min), double(max), 0, 0}; }
    static CellRule decimal(double min, double max, int decimals)
    {
        return {Decimal, QString(), min, max, decimals, 0};
    }
    static CellRule matching(const QString &pattern) { return {Pattern, pattern, 0, 0, 0, 0}; }
    static CellRule length(int maxLength) { return {None, QString(), 0, 0, 0, maxLength}; }

    // The range as the operator reads it in hints and messages: "0~20", "0~999999.99".
    QString rangeText() const;
    bool inRange(double value) const { return value >= min && value <= max; }
};
