#include "core/PluColumns.h"

#include "core/PackageTypes.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"

#include <QCoreApplication>

namespace {
struct ColumnInfo
{
    const char *caption;
    int width;
    bool hidden;
    bool chosen;
};

const ColumnInfo kColumns[PluColumns::Count] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Hotkey"), 50, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "PLU name"), 0, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "LF Code"), 60, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Code"), 60, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Barcode type"), 0, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Unit Price"), 65, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Weight unit"), 50, false, true},
    {QT_TRANSLATE_NOOP("MainWindow", "Quantity type"), 90, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Department"), 90, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Tare"), 50, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Shelf time"), 80, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Package type"), 0, false, true},
    {QT_TRANSLATE_NOOP("MainWindow", "Package Weight"), 100, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Tolerance (%)"), 0, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Message 1"), 80, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Message 2"), 80, false, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Label"), 50, false, true},
    {QT_TRANSLATE_NOOP("MainWindow", "Discount/Schedule"), 120, false, true},
    {QT_TRANSLATE_NOOP("MainWindow", "Account"), 50, true, false},
    {QT_TRANSLATE_NOOP("MainWindow", "ProDate"), 0, true, false},
    {QT_TRANSLATE_NOOP("MainWindow", "TraceID"), 0, true, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Recomdays"), 0, true, false},
    {QT_TRANSLATE_NOOP("MainWindow", "Nutrition"), 0, false, true},
    {QT_TRANSLATE_NOOP("MainWindow", "Ice"), 50, true, false},
    {QT_TRANSLATE_NOOP("MainWindow", "PackPrice"), 0, true, false},
    {QT_TRANSLATE_NOOP("MainWindow", "NgTolerance"), 0, true, false},
};

bool valid(int column)
{
    return column >= 0 && column < PluColumns::Count;
}

QStringList &sharedTable()
{
    static QStringList captions;
    return captions;
}
} // namespace

QString PluColumns::untranslatedCaption(int column)
{
    return valid(column) ? QString::fromLatin1(kColumns[column].caption) : QString();
}

QString PluColumns::caption(int column)
{
    return valid(column) ? QCoreApplication::translate("MainWindow", kColumns[column].caption) : QString();
}

QStringList PluColumns::captions()
{
    QStringList list;
    for (int c = 0; c < Count; ++c)
        list << caption(c);
    return list;
}

int PluColumns::width(int column)
{
    return valid(column) ? kColumns[column].width : 0;
}

bool PluColumns::hiddenByDefault(int column)
{
    return valid(column) && kColumns[column].hidden;
}

bool PluColumns::hiddenAtSetup(int column)
{
    return column == Ice ? !ZQConfig::isShowIce() : hiddenByDefault(column);
}

bool PluColumns::isChosen(int column)
{
    return valid(column) && kColumns[column].chosen;
}

QString PluColumns::newRowText(int column)
{
    switch (column) {
    case PluName:
    case Code:
        return QString();
    case WeightUnit:
        return QCoreApplication::translate("MainWindow", "kg");
    case PackageType:
        return PackageTypes::name(0);
    default:
        return QStringLiteral("0");
    }
}

QString PluColumns::clearText(int column)
{
    switch (column) {
    case WeightUnit:
        return unitName(WeightUnits::DefaultCode);
    case PackageType:
        return PackageTypes::untranslatedNames().at(0);
    default:
        return newRowText(column);
    }
}

QStringList PluColumns::sharedCaptions()
{
    return sharedTable().isEmpty() ? captions() : sharedTable();
}

void PluColumns::setSharedCaptions(const QStringList &captions)
{
    sharedTable() = captions;
}
