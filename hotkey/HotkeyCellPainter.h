#pragma once

#include "hotkey/ItemData.h"

#include <QPainterPath>
#include <QRect>
#include <QVector>

class QPainter;

// Paints hotkey cells on any QPainter: the editor's cells, and the card's cells that the preview
// shows and the printer and the PDF writer print. Coordinates are sheet pixels (96 per inch);
// fonts are adjusted to the painter's device so that a cell looks the same at any resolution.
class HotkeyCellPainter
{
public:
    // The cell's outline with corners rounded by 7 pixels.
    static QPainterPath outline(const QRectF &rect);

    static void paintEditorCell(QPainter *painter, const QRect &rect, const ItemData &item, int layout, bool selected,
                                bool hovered);
    static void paintPrintCell(QPainter *painter, const QRect &rect, const ItemData &item, int layout);
    // The dashed outline of a sheet type's card.
    static void paintSheetOutline(QPainter *painter, int type);
    // The whole card of a sheet type: the outline and every key at its place.
    static void paintCard(QPainter *painter, const QVector<HotkeyKey> &keys, int type);

    // A font in points as it must be set on this painter's device to have its screen size in
    // sheet pixels.
    static QFont fontFor(const QFont &font, const QPainter *painter);
};
