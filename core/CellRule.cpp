#include "core/CellRule.h"

QString CellRule::rangeText() const
{
    // Fifteen significant digits show every limit we use exactly, without trailing zeros.
    return QString::number(min, 'g', 15) + QLatin1Char('~') + QString::number(max, 'g', 15);
}
