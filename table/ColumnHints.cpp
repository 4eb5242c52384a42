#include "table/ColumnHints.h"

#include "core/PluColumns.h"

#include <QCoreApplication>

QString ColumnHints::hint(int column, int pluNameLen)
{
    // The context is the one lupdate gives texts in this file.
    auto tr = [](const char *s) { return QCoreApplication::translate("ColumnHints", s); };
    switch (column) {
    case PluColumns::HotKey:
        return tr("0~168,0~224");
    case PluColumns::PluName:
        return tr("%1 ASCII characters,%2 Chinese characters").arg(pluNameLen).arg(pluNameLen / 2);
    case PluColumns::LFCode:
        return tr("0~999999(6 digits)");
    case PluColumns::Code:
        return tr("0~9999999999(10 digits)");
    case PluColumns::BarCode:
        return tr("0~98");
    case PluColumns::UnitPrice:
        return tr("Unit Price");
    case PluColumns::WeightUnit:
        return tr("Double Click to select weight unit");
    case PluColumns::QtyUnit:
        return tr("0~15");
    case PluColumns::Department:
        return tr("0~99");
    case PluColumns::Tare:
        return tr("Input Tare");
    case PluColumns::ShelfTime:
        return tr("0~365");
    case PluColumns::PackageType:
        return tr("Double Click to select corresponding value");
    case PluColumns::PackageWeight:
        return tr("Tare");
    case PluColumns::Tolerance:
        return tr("0~20");
    case PluColumns::Message1:
        return tr("0~10000");
    case PluColumns::Message2:
        return tr("0~197");
    case PluColumns::Label:
        return tr("Double Click to select label");
    case PluColumns::Rebate:
        // Plain UTF-8 rather than an escape: lupdate would read the escape and the "D" after it as one code point.
        return tr("0~127：DIscount,129~138 schedule");
    case PluColumns::Nutrition:
        return tr("Nutrition");
    default:
        return QString();
    }
}
