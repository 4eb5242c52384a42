#include "hotkey/HotkeyCard.h"

#include "core/AtomicFile.h"
#include "hotkey/HotkeyCellPainter.h"
#include "hotkey/HotkeySheetTypes.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr double kMmPerInch = 25.4;

// Millimetres per sheet pixel, from the stated pitch.
double mmPerPixelX(int type)
{
    const HotkeySheetGeometry &g = HotkeySheetTypes::geometry(type);
    return g.pitchMmX / (g.printCell.width() + g.spacing);
}

double mmPerPixelY(int type)
{
    const HotkeySheetGeometry &g = HotkeySheetTypes::geometry(type);
    return g.pitchMmY / (g.printCell.height() + g.spacing);
}
} // namespace

QSizeF HotkeyCard::sizeMm(int type)
{
    const QSize px = HotkeySheetTypes::cardSize(type) + QSize(Offset, Offset);
    return QSizeF(px.width() * mmPerPixelX(type), px.height() * mmPerPixelY(type));
}

bool HotkeyCard::fits(const QPageLayout &layout, int type)
{
    const QSizeF card = sizeMm(type);
    const QRectF area = layout.paintRect(QPageLayout::Millimeter);
    return card.width() <= area.width() && card.height() <= area.height();
}

QPageLayout HotkeyCard::pdfLayout(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation,
                       QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm), QPageLayout::Millimeter);
}

bool HotkeyCard::paint(QPagedPaintDevice *device, const QVector<HotkeyKey> &keys, int type, QString *error)
{
    if (!fits(device->pageLayout(), type)) {
        const QSizeF card = sizeMm(type);
        *error = tr("The card of this sheet type is %1 x %2 mm and does not fit on the page. Choose landscape "
                    "or a larger page.")
                     .arg(card.width(), 0, 'f', 0)
                     .arg(card.height(), 0, 'f', 0);
        return false;
    }
    QPainter painter;
    if (!painter.begin(device)) {
        *error = tr("The printer could not be started.");
        return false;
    }
    // Device pixels per sheet pixel; the painter's origin is the printable area's corner.
    const double sx = mmPerPixelX(type) / kMmPerInch * device->logicalDpiX();
    const double sy = mmPerPixelY(type) / kMmPerInch * device->logicalDpiY();
    painter.scale(sx, sy);
    painter.translate(Offset, Offset);
    HotkeyCellPainter::paintCard(&painter, keys, type);
    return painter.end();
}

QByteArray HotkeyCard::pdf(const QVector<HotkeyKey> &keys, int type, QPageLayout::Orientation orientation,
                           int resolution, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setTitle(tr("Hotkey card %1").arg(HotkeySheetTypes::label(type)));
        writer.setResolution(resolution);
        writer.setPageLayout(pdfLayout(orientation));
        if (!paint(&writer, keys, type, error))
            return QByteArray();
    }
    return bytes;
}

bool HotkeyCard::writePdf(const QString &path, const QVector<HotkeyKey> &keys, int type,
                          QPageLayout::Orientation orientation, QString *error, int resolution)
{
    const QByteArray bytes = pdf(keys, type, orientation, resolution, error);
    return !bytes.isEmpty() && AtomicFile::write(path, bytes, error);
}
