#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The five hotkey sheet types: how many keys each has and how its card is laid out. Sizes are
// screen pixels at 96 per inch, the unit the cells are painted in; the key pitch on paper is
// stated in millimetres and the printed card keeps it whatever the printer's resolution.
struct HotkeySheetGeometry
{
    const char *label; // untranslated
    int keys;
    QSize editorWindow;
    QSize printCell;
    QSize previewList;
    int spacing;          // around every cell of the preview and the card
    QPoint outlineCorner; // the dashed sheet outline runs from (0, 0) to here
    double pitchMmX;      // cell width plus spacing on paper
    double pitchMmY;
};

class HotkeySheetTypes
{
    Q_DECLARE_TR_FUNCTIONS(HotkeySheetTypes)
public:
    static constexpr int Count = 5;
    static constexpr int MaxKeys = 112;
    static constexpr double PixelsPerInch = 96.0;
    static constexpr QSize EditorCell{72, 62};
    static constexpr int EditorSpacing = 8;

    // A type outside 0..4 counts as 0.
    static int normalized(int type);
    static const HotkeySheetGeometry &geometry(int type);
    static QString label(int type);

    // The type stored in the settings ("PLU" / "Hotkey Sheet Type").
    static int stored();
    static void store(int type);

    // Columns and rows of the card: cells laid left to right in the preview list's width.
    static int columns(int type);
    static int rows(int type);
    // Key `index` (0-based) of the card, in sheet pixels.
    static QRect printCellRect(int type, int index);
    // The card's extent in sheet pixels: the cells and the dashed outline.
    static QSize cardSize(int type);
};
