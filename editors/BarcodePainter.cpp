#include "editors/BarcodePainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <memory>
#include <zint.h>

namespace {
struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

QColor fieldColour(BarcodeLayout::Field::Kind kind)
{
    switch (kind) {
    case BarcodeLayout::Field::Prefix:
    case BarcodeLayout::Field::Department:
        return QColor(0xd6, 0xe4, 0xf7);
    case BarcodeLayout::Field::Code:
    case BarcodeLayout::Field::LFCode:
        return QColor(0xdc, 0xf0, 0xd5);
    case BarcodeLayout::Field::Price:
    case BarcodeLayout::Field::UnitPrice:
    case BarcodeLayout::Field::Discount:
        return QColor(0xfb, 0xe8, 0xc8);
    case BarcodeLayout::Field::Weight:
        return QColor(0xf2, 0xd9, 0xee);
    case BarcodeLayout::Field::Check:
        return QColor(0xe4, 0xe4, 0xe4);
    }
    return Qt::white;
}

void drawMessage(QPainter *painter, const QRectF &rect, const QString &text)
{
    painter->setPen(QColor(0x80, 0x20, 0x20));
    painter->drawText(rect.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void drawFields(QPainter *painter, const QRectF &strip, const BarcodeLayout::Composed &composed)
{
    if (composed.digits.isEmpty())
        return;
    QFont digitFont = painter->font();
    digitFont.setPixelSize(qMax(6, int(strip.height() * 0.42)));
    QFont captionFont = painter->font();
    captionFont.setPixelSize(qMax(6, int(strip.height() * 0.28)));
    const double perDigit = strip.width() / composed.digits.size();
    double x = strip.left();
    for (const BarcodeLayout::Part &part : composed.parts) {
        const QRectF box(x, strip.top(), perDigit * part.digits.size(), strip.height());
        x = box.right();
        painter->fillRect(box.adjusted(1, 0, -1, 0), fieldColour(part.field.kind));
        painter->setPen(Qt::black);
        painter->setFont(digitFont);
        painter->drawText(QRectF(box.left(), box.top(), box.width(), box.height() * 0.6), Qt::AlignCenter, part.digits);
        painter->setFont(captionFont);
        painter->setPen(QColor(0x40, 0x40, 0x40));
        const QRectF captionBox(box.left(), box.top() + box.height() * 0.6, box.width(), box.height() * 0.4);
        const QString caption = QFontMetricsF(captionFont).elidedText(part.caption, Qt::ElideRight, box.width() - 2);
        painter->drawText(captionBox, Qt::AlignCenter, caption);
    }
}
} // namespace

bool BarcodePainter::paint(QPainter *painter, const QRectF &rect, const BarcodeLayout::Composed &composed,
                           QString *error)
{
    painter->save();
    painter->fillRect(rect, Qt::white);
    const double stripHeight = qMin(rect.height() * 0.3, 44.0);
    const QRectF strip(rect.left(), rect.bottom() - stripHeight, rect.width(), stripHeight);
    const QRectF area(rect.left(), rect.top(), rect.width(), rect.height() - stripHeight - 4);
    QString reason;
    bool drawn = false;
    if (composed.symbol == BarcodeLayout::Symbol::None) {
        reason = tr("The scale decides what this barcode type prints.");
    } else if (!composed.drawable) {
        reason = composed.problems.isEmpty() ? tr("These digits make no valid barcode.") : composed.problems.last();
    } else {
        Symbol symbol(ZBarcode_Create());
        symbol->symbology = composed.symbol == BarcodeLayout::Symbol::Gs1_128 ? BARCODE_GS1_128 : BARCODE_EANX_CHK;
        symbol->output_options |= BARCODE_QUIET_ZONES;
        const QByteArray data = composed.symbolData().toLatin1();
        const int rc = ZBarcode_Encode_and_Buffer_Vector(
            symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()), data.size(), 0);
        if (rc >= ZINT_ERROR || !symbol->vector) {
            reason = tr("The barcode library refused %1: %2").arg(composed.digits, QString::fromLatin1(symbol->errtxt));
        } else {
            const zint_vector *v = symbol->vector;
            // Whole pixels per module where there is room, so that every bar has sharp edges.
            double f = qMin(area.width() / v->width, area.height() / v->height);
            if (f >= 0.5)
                f = std::floor(f * 2.0) / 2.0;
            const QPointF origin(area.left() + (area.width() - v->width * f) / 2.0,
                                 area.top() + (area.height() - v->height * f) / 2.0);
            for (const zint_vector_rect *r = v->rectangles; r; r = r->next)
                painter->fillRect(QRectF(origin.x() + r->x * f, origin.y() + r->y * f, r->width * f, r->height * f),
                                  Qt::black);
            painter->setPen(Qt::black);
            for (const zint_vector_string *s = v->strings; s; s = s->next) {
                QFont font = painter->font();
                font.setPixelSize(qMax(1, int(std::lround(s->fsize * f * 0.8))));
                painter->setFont(font);
                const QString text = QString::fromUtf8(reinterpret_cast<const char *>(s->text), s->length);
                const double width = QFontMetricsF(font).horizontalAdvance(text);
                double x = origin.x() + s->x * f;
                if (s->halign == 0)
                    x -= width / 2.0;
                else if (s->halign == 2)
                    x -= width;
                painter->drawText(QPointF(x, origin.y() + s->y * f), text);
            }
            drawn = true;
        }
    }
    if (!drawn)
        drawMessage(painter, area, reason);
    drawFields(painter, strip, composed);
    painter->restore();
    if (error)
        *error = reason;
    return drawn;
}

QImage BarcodePainter::render(const BarcodeLayout::Composed &composed, const QSize &size, QString *error)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(&painter, QRectF(QPointF(0, 0), QSizeF(size)), composed, error);
    return image;
}
