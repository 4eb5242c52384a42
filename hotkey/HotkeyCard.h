#pragma once

#include "hotkey/ItemData.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QSizeF>
#include <QVector>

class QPagedPaintDevice;

// The printed hotkey card: one page with the card of a sheet type. The key pitch on paper is the
// one the sheet type states in millimetres, whatever the device's resolution, so the card fits
// the scale's keyboard from any printer and in the PDF.
class HotkeyCard
{
    Q_DECLARE_TR_FUNCTIONS(HotkeyCard)
public:
    // Distance of the card from the printable area's corner, in sheet pixels.
    static constexpr int Offset = 8;
    // Page margins of an exported PDF, in millimetres: what most printers cannot print on.
    static constexpr double PdfMarginMm = 5.0;
    static constexpr int PdfResolution = 1200;

    // The card with its offset, in millimetres on paper.
    static QSizeF sizeMm(int type);
    static bool fits(const QPageLayout &layout, int type);
    // A4 in the orientation with the PDF margins.
    static QPageLayout pdfLayout(QPageLayout::Orientation orientation);

    // Paints the card on the device's current page. Fails (with *error) when the card does not
    // fit the printable area of the device's page.
    static bool paint(QPagedPaintDevice *device, const QVector<HotkeyKey> &keys, int type, QString *error);
    // The card as a one-page PDF, written atomically.
    static QByteArray pdf(const QVector<HotkeyKey> &keys, int type, QPageLayout::Orientation orientation,
                          int resolution, QString *error);
    static bool writePdf(const QString &path, const QVector<HotkeyKey> &keys, int type,
                         QPageLayout::Orientation orientation, QString *error, int resolution = PdfResolution);
};
