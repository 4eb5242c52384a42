#pragma once

#include <QString>
#include <QStringList>

// The 26 columns of the PLU table: order, captions, widths and which are chosen or hidden.
class PluColumns
{
public:
    enum Column
    {
        HotKey = 0,
        PluName = 1,
        LFCode = 2,
        Code = 3,
        BarCode = 4,
        UnitPrice = 5,
        WeightUnit = 6,
        QtyUnit = 7,
        Department = 8,
        Tare = 9,
        ShelfTime = 10,
        PackageType = 11,
        PackageWeight = 12,
        Tolerance = 13,
        Message1 = 14,
        Message2 = 15,
        Label = 16,
        Rebate = 17,
        Account = 18,
        ProDate = 19,
        TraceID = 20,
        Recomdays = 21,
        Nutrition = 22,
        Ice = 23,
        PackPrice = 24,
        NgTolerance = 25,
        Count = 26
    };
    static constexpr int RowCount = 20000;

    static QString untranslatedCaption(int column);
    static QString caption(int column);
    static QStringList captions();
    // 0 for the view's default width.
    static int width(int column);
    // Hidden at set-up; Ice is shown only when "isShowIce" is set.
    static bool hiddenByDefault(int column);
    // Hidden when the table is set up with the current settings (Ice by "isShowIce").
    static bool hiddenAtSetup(int column);
    // Chosen through a menu or a dialog, never typed.
    static bool isChosen(int column);
    // The text of a new or cleared row; the names are the translated ones.
    static QString newRowText(int column);
    // As newRowText, but with the untranslated unit and package-type names (Clear).
    static QString clearText(int column);

    // The process-wide copy of the captions that import and export use.
    static QStringList sharedCaptions();
    static void setSharedCaptions(const QStringList &captions);
};
