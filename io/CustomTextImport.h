#pragma once

#include "core/TPLU.h"

class ImportCheck;

#include <QByteArray>
#include <QString>
#include <QStringList>

// The custom text import without its dialogs: a foreign vendor's article list, one article per
// line, read by a stored layout (a separator or fixed character positions, and where each of
// eleven properties stands).
class CustomTextImport
{
public:
    enum Property
    {
        HotKey,
        PluName,
        LFCode,
        Code,
        BarCode,
        UnitPrice,
        WeightUnit,
        Department,
        Tare,
        ShelfTime,
        Tolerance,
        PropertyCount
    };
    static constexpr int FixedPositions = 4; // separator index of "No delimiter"
    static constexpr int CustomSeparator = 5;

    struct Field
    {
        bool taken = false;
        int position = 0; // from 1
        int length = 0;   // fixed positions only
    };
    struct Layout
    {
        Field fields[PropertyCount];
        int separatorIndex = 0;
        QString customSeparator;
        bool firstLineIsTitle = false;
        bool times100 = true;
        bool times1000 = true;
        bool fixedUnit = false;
        int fixedUnitCode = 4;
        QStringList unitValues; // how the file names units 0..12

        // As the settings hold it, with the import's values for absent keys.
        static Layout stored();
        QString separator() const;
    };

    // The article of every kept line, at most a grid's worth; *dropped counts the lines beyond.
    // Blank lines are skipped. A property a line does not yield keeps the value of the line
    // before. With a check, every property taken is checked as the grid checks its cell, with
    // the line's number; a line with a problem (a name missing, a price with more decimals
    // than the scaling takes, a unit the import values do not name) is left out.
    static TPLUList records(const QByteArray &bytes, const Layout &layout, int *dropped = nullptr,
                            ImportCheck *check = nullptr);
    // A line's text of one property, or a null string when the line does not yield it.
    static QString take(const QString &line, const QStringList &fields, const Layout &layout, Property property);
    // Price text times 100, 1000 or 1 as the layout says, in single precision, rounded up at .5.
    static int32_t scaledPrice(const QString &text, const Layout &layout);
    static int unitOf(const QString &line, const QStringList &fields, const Layout &layout);
};
