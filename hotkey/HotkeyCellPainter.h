#pragma once

#include "hotkey/ItemData.h"

#include <QFont>
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

    // How a key's text is drawn in a rectangle without losing a character: at the key's size
    // when it fits on one line, else in a smaller type, else wrapped (in a smaller type as
    // needed); only a text too long for any readable type is cut, with an ellipsis.
    struct Fit
    {
        QFont font;
        int flags = 0; // Qt::TextWordWrap or Qt::TextWrapAnywhere when wrapped
        QString text;
    };
    static Fit fitText(const QFont &font, const QRect &rect, const QString &text, const QPainter *painter);

    // A font in points as it must be set on this painter's device to have its screen size in
    // sheet pixels.
    static QFont fontFor(const QFont &font, const QPainter *painter);
};
