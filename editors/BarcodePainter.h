#pragma once

#include "editors/BarcodeLayout.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// Draws a composed barcode on any painter: the symbol as the barcode library encodes it, with
// its human-readable digits, and beneath it the digits split into their fields. The editor's
// preview, the command-line tool and the tests share this one path.
class BarcodePainter
{
    Q_DECLARE_TR_FUNCTIONS(BarcodePainter)
public:
    // Fills rect white and draws into it. Returns false (and draws the reason) when no symbol
    // can be drawn; *error then says why.
    static bool paint(QPainter *painter, const QRectF &rect, const BarcodeLayout::Composed &composed,
                      QString *error = nullptr);
    static QImage render(const BarcodeLayout::Composed &composed, const QSize &size, QString *error = nullptr);
};
