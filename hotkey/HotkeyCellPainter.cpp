#include "hotkey/HotkeyCellPainter.h"

#include "hotkey/HotkeySheetTypes.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {
constexpr double kCorner = 7;
constexpr double kHalfRoundness = 25;
const QColor kSelectedFill(229, 241, 255);
// Long names first take a smaller type on one line, down to this share of the key's size, then
// wrap; no type gets smaller than this many pixels.
constexpr double kOneLineShare = 0.7;
constexpr double kMinPixels = 5;

void drawText(QPainter *p, const QFont &font, const QRect &rect, int alignment, const QString &text)
{
    if (text.isEmpty())
        return;
    const HotkeyCellPainter::Fit fit = HotkeyCellPainter::fitText(font, rect, text, p);
    p->setFont(fit.font);
    p->drawText(rect, alignment | fit.flags, fit.text);
}

// A copy of the font at a share of its size, in whichever unit it was given.
QFont scaledFont(const QFont &font, double share)
{
    QFont f(font);
    if (font.pointSizeF() > 0)
        f.setPointSizeF(font.pointSizeF() * share);
    else if (font.pixelSize() > 0)
        f.setPixelSize(qMax(1, qRound(font.pixelSize() * share)));
    return f;
}

void drawLeft(QPainter *p, const QFont &font, int x, int y, int w, int h, const QString &text)
{
    drawText(p, font, QRect(x, y, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void drawCentred(QPainter *p, const QFont &font, int x, int y, int w, int h, const QString &text)
{
    drawText(p, font, QRect(x, y, w, h), Qt::AlignCenter, text);
}

// Upper half in the first layer's colour, lower half in the second's.
void fillHalves(QPainter *p, const QRect &r, const ItemData &item)
{
    const int upper = r.height() / 2;
    p->setPen(Qt::NoPen);
    p->setBrush(item.background1);
    p->drawRoundedRect(QRect(r.x(), r.y(), r.width(), upper), kHalfRoundness, kHalfRoundness, Qt::RelativeSize);
    p->setBrush(item.background2);
    p->drawRoundedRect(QRect(r.x(), r.y() + upper, r.width(), r.height() - upper), kHalfRoundness, kHalfRoundness,
                       Qt::RelativeSize);
}

void drawPicture(QPainter *p, const QRect &r, const QImage &picture)
{
    if (picture.isNull())
        return;
    const QRect box = r.adjusted(1, 1, -1, -1);
    QSize size = picture.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size);
    target.moveCenter(box.center());
    p->drawImage(target, picture);
}
} // namespace

QFont HotkeyCellPainter::fontFor(const QFont &font, const QPainter *painter)
{
    const QPaintDevice *device = painter->device();
    const int dpi = device ? device->logicalDpiY() : 0;
    if (dpi <= 0 || dpi == int(HotkeySheetTypes::PixelsPerInch) || font.pointSizeF() <= 0)
        return font;
    QFont scaled(font);
    scaled.setPointSizeF(font.pointSizeF() * HotkeySheetTypes::PixelsPerInch / dpi);
    return scaled;
}

HotkeyCellPainter::Fit HotkeyCellPainter::fitText(const QFont &font, const QRect &rect, const QString &text,
                                                  const QPainter *painter)
{
    QPaintDevice *device = painter ? painter->device() : nullptr;
    const QFont base = painter ? fontFor(font, painter) : font;
    const auto metrics = [device](const QFont &f) { return device ? QFontMetricsF(f, device) : QFontMetricsF(f); };
    const QSizeF room = rect.size();
    // One line, at the key's size and then smaller.
    for (double share = 1.0; share >= kOneLineShare - 1e-9; share -= 0.05) {
        const QFont f = scaledFont(base, share);
        const QFontMetricsF m = metrics(f);
        if (m.horizontalAdvance(text) <= room.width() && m.height() <= room.height())
            return {f, 0, text};
    }
    // Wrapped at words, or anywhere for a word longer than the line, down to the smallest type.
    for (double share = 1.0; share > 0.05; share -= 0.05) {
        const QFont f = scaledFont(base, share);
        const QFontMetricsF m = metrics(f);
        if (m.height() < kMinPixels)
            break;
        for (int flags : {int(Qt::TextWordWrap), int(Qt::TextWrapAnywhere)}) {
            const QRectF used = m.boundingRect(QRectF(QPointF(), room), flags, text);
            if (used.width() <= room.width() && used.height() <= room.height())
                return {f, flags, text};
        }
    }
    // Too long for the key even so: the cut shows as an ellipsis.
    QFont f = base;
    while (metrics(f).height() > kMinPixels && metrics(scaledFont(f, 0.9)).height() >= kMinPixels)
        f = scaledFont(f, 0.9);
    return {f, 0, metrics(f).elidedText(text, Qt::ElideRight, room.width())};
}

QPainterPath HotkeyCellPainter::outline(const QRectF &r)
{
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height(), c = kCorner;
    QPainterPath path;
    path.moveTo(x + w - c, y);
    path.lineTo(x + c, y);
    path.quadTo(x, y, x, y + c);
    path.lineTo(x, y + h - c);
    path.quadTo(x, y + h, x + c, y + h);
    path.lineTo(x + w - c, y + h);
    path.quadTo(x + w, y + h, x + w, y + h - c);
    path.lineTo(x + w, y + c);
    path.quadTo(x + w, y, x + w - c, y);
    return path;
}

void HotkeyCellPainter::paintEditorCell(QPainter *p, const QRect &r, const ItemData &item, int layout, bool selected,
                                        bool hovered)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    QPainterPath path = outline(r);
    p->fillPath(path, Qt::white);
    const bool twoLayers = layout & KeyLayout::SecondLayerBit;
    if (twoLayers) {
        path.moveTo(r.x(), r.y() + r.height() / 2);
        path.lineTo(r.x() + r.width(), r.y() + r.height() / 2);
        fillHalves(p, r, item);
    } else {
        p->fillPath(path, item.background1);
    }
    if (selected) {
        p->setPen(Qt::black);
        p->fillPath(path, kSelectedFill);
    } else {
        p->strokePath(path, QPen(hovered ? Qt::blue : Qt::darkGreen));
    }

    p->setPen(Qt::black);
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    switch (layout) {
    case KeyLayout::FirstOnly:
        drawPicture(p, r, item.picture);
        drawCentred(p, item.font1, x, y, w, 50, item.name1);
        break;
    case KeyLayout::FirstWithPrice:
        drawCentred(p, item.font1, x, y, w, 30, item.name1);
        drawCentred(p, item.font1, x, y + h - 30, w - 20, 20, item.price1);
        break;
    case KeyLayout::BothLayers:
        drawLeft(p, item.font1, x + 10, y + 2, w - 10, 30, item.name1);
        drawLeft(p, item.font2, x + 10, y + h - 30, w - 10, 30, item.name2);
        break;
    default:
        drawLeft(p, item.font1, x + 10, y, w - 10, 20, item.name1);
        drawLeft(p, item.font1, x + 10, y + h - 48, w - 10, 20, item.price1);
        drawLeft(p, item.font2, x + 10, y + 30, w - 10, 20, item.name2);
        drawLeft(p, item.font2, x + 10, y + h - 15, w - 10, 20, item.price2);
        break;
    }
    p->restore();
}

void HotkeyCellPainter::paintPrintCell(QPainter *p, const QRect &r, const ItemData &item, int layout)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = outline(r);
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const QFont &font = item.font1;
    if (layout & KeyLayout::SecondLayerBit) {
        fillHalves(p, r, item);
        p->setPen(Qt::black);
        if (layout == KeyLayout::BothLayers) {
            drawLeft(p, font, x + 5, y, w - 1, 24, item.name1);
            drawLeft(p, font, x + 6, y + h - 23, w - 1, 25, item.name2);
        } else {
            const int m = y + h / 2;
            drawLeft(p, font, x + 10, y, w - 5, 10, item.name1);
            drawLeft(p, font, x + 10, m - 20, w - 5, 25, item.price1);
            drawLeft(p, font, x + 10, y + h - 25, w - 5, 10, item.name2);
            drawLeft(p, font, x + 10, m + 8, w - 5, 25, item.price2);
        }
    } else if (layout == KeyLayout::FirstWithPrice) {
        p->strokePath(path, QPen(Qt::white));
        p->fillPath(path, item.background1);
        p->setPen(Qt::black);
        drawLeft(p, font, x + 10, y + 10, w - 5, 30, item.name1);
        drawLeft(p, font, x + 10, y + h - 15, w - 5, 20, item.price1);
    } else {
        p->fillPath(path, item.background1);
        // The picture lies under the name, which stays readable.
        drawPicture(p, r, item.picture);
        p->setPen(Qt::black);
        drawLeft(p, font, x + 8, y + 5, w, 50, item.name1);
    }
    p->restore();
}

void HotkeyCellPainter::paintSheetOutline(QPainter *p, int type)
{
    p->save();
    QPen pen(Qt::black, 1, Qt::DashLine);
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(QPoint(0, 0), QPoint(HotkeySheetTypes::geometry(type).outlineCorner)));
    p->restore();
}

void HotkeyCellPainter::paintCard(QPainter *p, const QVector<HotkeyKey> &keys, int type)
{
    paintSheetOutline(p, type);
    const int n = HotkeySheetTypes::geometry(type).keys;
    for (int i = 0; i < n && i < keys.size(); ++i)
        paintPrintCell(p, HotkeySheetTypes::printCellRect(type, i), keys.at(i).data, keys.at(i).layout);
}
