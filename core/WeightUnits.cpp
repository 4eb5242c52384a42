#include "core/WeightUnits.h"

namespace {
struct UnitInfo
{
    const char *name;
    int decimals;
    double limit;
    double perKg;
};

constexpr double kOzPerKg = 35.27399072294044;
constexpr double kLbPerKg = 2.2046226218487757;

const UnitInfo kUnits[WeightUnits::Count] = {
    {"50g", 0, 15000.00, 1000.0},    {"g", 0, 15000.00, 1000.0},    {"10g", 0, 15000.00, 1000.0},
    {"100g", 0, 15000.00, 1000.0},   {"kg", 3, 15.00, 1.0},         {"oz", 1, 529.11, kOzPerKg},
    {"lb", 3, 33.07, kLbPerKg},      {"500g", 0, 15000.00, 1000.0}, {"600g", 0, 15000.00, 1000.0},
    {"PCS(g)", 0, 15000.00, 1000.0}, {"PCS(kg)", 3, 15.00, 1.0},    {"PCS(oz)", 1, 529.11, kOzPerKg},
    {"PCS(lb)", 3, 33.07, kLbPerKg},
};

QStringList builtInNames()
{
    QStringList list;
    for (const UnitInfo &u : kUnits)
        list << QString::fromLatin1(u.name);
    return list;
}

QStringList &nameTable()
{
    static QStringList table = builtInNames();
    return table;
}
} // namespace

QStringList WeightUnits::names()
{
    return nameTable();
}

QString WeightUnits::name(int code)
{
    return isValid(code) ? nameTable().at(code) : QString();
}

int WeightUnits::find(const QString &name)
{
    return nameTable().indexOf(name);
}

void WeightUnits::setPcsKgName(const QString &name)
{
    nameTable()[PcsKgCode] = name;
}

void WeightUnits::resetNames()
{
    nameTable() = builtInNames();
}

int WeightUnits::decimals(int code)
{
    return isValid(code) ? kUnits[code].decimals : kUnits[DefaultCode].decimals;
}

double WeightUnits::packageWeightLimit(int code)
{
    return isValid(code) ? kUnits[code].limit : kUnits[DefaultCode].limit;
}

double WeightUnits::perKilogram(int code)
{
    return isValid(code) ? kUnits[code].perKg : kUnits[DefaultCode].perKg;
}

int unitCode(const QString &name)
{
    const int code = WeightUnits::find(name);
    return code < 0 ? WeightUnits::DefaultCode : code;
}

QString unitName(int code)
{
    return WeightUnits::name(code);
}
