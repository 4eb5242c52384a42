#pragma once

#include <QString>
#include <QStringList>

// The 13 weight units of the scale. Code = index; the names are process-wide because
// "CertiStatus" 1 renames the piece-kilogram unit to "PCS" for the whole run.
class WeightUnits
{
public:
    static constexpr int Count = 13;
    static constexpr int DefaultCode = 4; // "kg"
    static constexpr int PcsKgCode = 10;

    static QString name(int code);
    // Exact, case-sensitive comparison with the 13 names; -1 when none matches.
    static int find(const QString &name);
    static QStringList names();
    static void setPcsKgName(const QString &name);
    static void resetNames();

    static int decimals(int code);
    static double packageWeightLimit(int code);
    // Units of this unit per kilogram; tare and package weight convert through it.
    static double perKilogram(int code);
    static bool isPieceUnit(int code) { return code >= 9 && code <= 12; }
    static bool isValid(int code) { return code >= 0 && code < Count; }
};

// The lookups the rest of the program names: unknown names give "kg", unknown codes an empty name.
int unitCode(const QString &name);
QString unitName(int code);
