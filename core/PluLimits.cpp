#include "core/PluLimits.h"

#include "core/PluColumns.h"
#include "core/PriceFormat.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"

CellRule PluLimits::columnRule(int column)
{
    using C = PluColumns;
    const int priceDecimals = PriceFormat::decimals();
    switch (column) {
    case C::HotKey:
        return CellRule::integer(0, 224);
    case C::PluName:
        return CellRule::length(ZQConfig::pluNameLen());
    case C::LFCode:
        return CellRule::integer(0, ZQConfig::lfcodeLen() == 6 ? 999999 : 9999999);
    case C::Code:
        return CellRule::matching(QStringLiteral("[0-9]{0,%1}").arg(CodeDigits));
    case C::BarCode:
        return CellRule::integer(0, 110);
    case C::UnitPrice:
        return CellRule::decimal(0, 99999999.0 / double(PriceFormat::scale()), priceDecimals);
    case C::QtyUnit:
        return CellRule::integer(0, 15);
    case C::Department:
        return CellRule::integer(0, 99);
    case C::Tare:
    case C::PackageWeight:
        return CellRule::decimal(0, 999999, priceDecimals + 1);
    case C::ShelfTime:
        return CellRule::integer(-9999, 9999);
    case C::Tolerance:
        return CellRule::integer(0, 20);
    case C::Message1:
        return CellRule::integer(0, 20000);
    case C::Message2:
        return CellRule::integer(0, 255);
    case C::Ice:
        return CellRule::decimal(0, 99.9, 1);
    default:
        return CellRule();
    }
}

bool PluLimits::packageWeightAbove(int unitCode, double weight)
{
    if (!WeightUnits::isValid(unitCode))
        return false;
    const double limit = WeightUnits::packageWeightLimit(unitCode);
    if (limit == 15000.0 || limit == 15.0)
        return static_cast<float>(weight) > static_cast<float>(limit);
    return weight > limit;
}

QString PluLimits::packageWeightRange(int unitCode)
{
    if (!WeightUnits::isValid(unitCode))
        return QString();
    return QStringLiteral("0~") + QString::number(WeightUnits::packageWeightLimit(unitCode), 'f', 2);
}
