#include "hotkey/HotkeySheetFile.h"

#include "core/AtomicFile.h"
#include "core/PriceFormat.h"
#include "hotkey/HotkeyFunctions.h"
#include "hotkey/HotkeySheetTypes.h"

#include <QBuffer>
#include <QCache>
#include <QDataStream>
#include <QFile>
#include <QImageWriter>
#include <QMutex>
#include <QtEndian>

namespace {
// The stream version is not in the file: one version, fixed, for writing and reading.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_15;
// Key pictures are small; a picture larger than this is taken for damage, not for a key.
constexpr qint64 kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 16 * 1024 * 1024;
const char kPngSignature[] = "\x89PNG\r\n\x1a\n";
// Qt's PNG writer turns quality 80 into zlib level 1.
constexpr int kPictureQuality = 80;

// Pictures as PNG by image, so that a sheet saved again, or saved after opening, does not
// compress its pictures again: compressing them is most of the time a save takes.
class PictureCache
{
public:
    QByteArray png(const QImage &picture)
    {
        QMutexLocker lock(&m_mutex);
        if (const QByteArray *hit = m_cache.object(picture.cacheKey()))
            return *hit;
        lock.unlock();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setQuality(kPictureQuality);
        writer.write(picture);
        remember(picture, png);
        return png;
    }
    void remember(const QImage &picture, const QByteArray &png)
    {
        QMutexLocker lock(&m_mutex);
        m_cache.insert(picture.cacheKey(), new QByteArray(png), int(qMin<qint64>(png.size(), kCacheBytes)));
    }

private:
    static constexpr int kCacheBytes = 64 * 1024 * 1024;
    QMutex m_mutex;
    QCache<qint64, QByteArray> m_cache{kCacheBytes};
};

PictureCache &pictureCache()
{
    static PictureCache cache;
    return cache;
}

// Walks the stream form of a font (at this stream version) without building it: Qt's reader
// reserves room for the family list's count as read, so a damaged count must be caught first.
// Returns the offset after the font, or -1 when the bytes cannot hold one.
qint64 fontEnd(const QByteArray &bytes, qint64 pos)
{
    bool ok = true;
    auto skip = [&](qint64 n) {
        ok = ok && n >= 0 && n <= bytes.size() - pos;
        if (ok)
            pos += n;
    };
    auto count = [&]() -> quint32 {
        skip(4);
        return ok ? qFromBigEndian<quint32>(bytes.constData() + pos - 4) : 0;
    };
    auto string = [&] {
        const quint32 size = count();
        // Qt's reader stops without consuming a text of odd length, and reads on out of step.
        ok = ok && (size == 0xffffffffu || size % 2 == 0);
        if (ok && size != 0xffffffffu)
            skip(size);
    };
    string(); // family
    string(); // style name
    // point size, pixel size, style hint, strategy, char set, weight, bits, stretch, extended
    // bits, letter and word spacing, hinting, capitalization
    skip(8 + 4 + 1 + 2 + 1 + 1 + 1 + 2 + 1 + 4 + 4 + 1 + 1);
    const quint32 families = count();
    if (!ok || families > quint32(bytes.size() - pos) / 4)
        return -1;
    for (quint32 i = 0; i < families && ok; ++i)
        string();
    return ok ? pos : -1;
}

bool readFont(QDataStream &in, const QByteArray &bytes, QFont *font)
{
    const qint64 end = fontEnd(bytes, in.device()->pos());
    if (end < 0)
        return false;
    in >> *font;
    return in.status() == QDataStream::Ok && in.device()->pos() == end;
}

bool plausibleFont(const QFont &font)
{
    const double points = font.pointSizeF();
    const int pixels = font.pixelSize();
    return (points > 0 && points <= 1000) || (pixels > 0 && pixels <= 1000);
}

bool plausibleColor(QColor *color)
{
    const QColor::Spec form = color->spec();
    if (form == QColor::Invalid) {
        *color = Qt::white;
        return true;
    }
    return form >= QColor::Rgb && form <= QColor::ExtendedRgb;
}

// The picture's stream form: a marker, then (when set) a PNG image. Reads exactly the PNG's
// chunks up to its end, so a damaged length is caught here and not inside the image decoder.
bool readPicture(QDataStream &in, QImage *picture, QString *why)
{
    qint32 marker = 0;
    in >> marker;
    if (in.status() != QDataStream::Ok)
        return false;
    if (marker == 0) {
        *picture = QImage();
        return true;
    }
    if (marker != 1) {
        *why = HotkeySheetFile::tr("bad picture marker");
        return false;
    }
    QIODevice *device = in.device();
    QByteArray png = device->read(8);
    if (png != QByteArray(kPngSignature, 8)) {
        *why = HotkeySheetFile::tr("the picture is not a PNG image");
        return false;
    }
    for (bool first = true;; first = false) {
        const QByteArray head = device->read(8);
        if (head.size() != 8) {
            *why = HotkeySheetFile::tr("the picture is cut short");
            return false;
        }
        const quint32 length = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4);
        if (length > quint32(device->bytesAvailable()) || device->bytesAvailable() - length < 4) {
            *why = HotkeySheetFile::tr("the picture is cut short");
            return false;
        }
        const QByteArray body = device->read(qint64(length) + 4);
        if (first) {
            if (type != "IHDR" || length < 8) {
                *why = HotkeySheetFile::tr("the picture has no header");
                return false;
            }
            const qint64 w = qFromBigEndian<quint32>(body.constData());
            const qint64 h = qFromBigEndian<quint32>(body.constData() + 4);
            if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels) {
                *why = HotkeySheetFile::tr("the picture's size %1 x %2 is impossible").arg(w).arg(h);
                return false;
            }
        }
        png += head + body;
        if (type == "IEND")
            break;
    }
    const QImage image = QImage::fromData(png, "PNG");
    if (image.isNull()) {
        *why = HotkeySheetFile::tr("the picture does not decode");
        return false;
    }
    *picture = image;
    pictureCache().remember(image, png);
    return true;
}

// The picture's stream form as Qt writes a pixmap: a marker, then the PNG image.
void writePicture(QDataStream &out, const QImage &picture)
{
    if (picture.isNull()) {
        out << qint32(0);
        return;
    }
    const QByteArray png = pictureCache().png(picture);
    out << qint32(1);
    out.writeRawData(png.constData(), png.size());
}

enum class Record
{
    Read,
    End, // no bytes left before the record
    Damaged,
};

Record readKey(QDataStream &in, const QByteArray &bytes, HotkeyKey *key, QString *why)
{
    if (in.atEnd())
        return Record::End;
    ItemData d = ItemData::fresh();
    qint32 layout = 0;
    in >> d.name1 >> d.name2 >> d.background1 >> d.background2;
    if (in.status() != QDataStream::Ok || !readFont(in, bytes, &d.font1) || !readFont(in, bytes, &d.font2)) {
        *why = HotkeySheetFile::tr("a font is damaged");
        return Record::Damaged;
    }
    in >> d.price1 >> d.price2 >> d.lfCode1 >> d.lfCode2 >> d.hotKey1 >> d.hotKey2 >> d.nameIndex1 >> d.nameIndex2;
    if (in.status() != QDataStream::Ok || !readPicture(in, &d.picture, why)) {
        if (why->isEmpty())
            *why = HotkeySheetFile::tr("the record is cut short");
        return Record::Damaged;
    }
    in >> layout;
    if (in.status() != QDataStream::Ok) {
        *why = HotkeySheetFile::tr("the record is cut short");
        return Record::Damaged;
    }
    if (!KeyLayout::isValid(layout))
        *why = HotkeySheetFile::tr("layout %1 is not 0 to 3").arg(layout);
    else if (!plausibleColor(&d.background1) || !plausibleColor(&d.background2))
        *why = HotkeySheetFile::tr("a colour is not valid");
    else if (!plausibleFont(d.font1) || !plausibleFont(d.font2))
        *why = HotkeySheetFile::tr("a font size is not valid");
    else if (d.lfCode1 < -1 || d.lfCode2 < -1 || d.nameIndex1 < -1 || d.nameIndex2 < -1)
        *why = HotkeySheetFile::tr("a PLU number is negative");
    else if (d.hotKey1 < 0 || d.hotKey2 < 0 || d.hotKey1 > 2 * HotkeySheetTypes::MaxKeys ||
             d.hotKey2 > 2 * HotkeySheetTypes::MaxKeys)
        *why = HotkeySheetFile::tr("a hotkey number is out of range");
    if (!why->isEmpty())
        return Record::Damaged;
    for (int n = 1; n <= 2; ++n) {
        ItemData::Layer l = d.layer(n);
        // Only a layer that holds a PLU shows a price; the file stores 0 for the others.
        l.price = l.lfCode == -1 || HotkeyFunctions::isFunctionKey(l.lfCode) ? QString()
                                                                             : HotkeySheetFile::decimalPrice(l.price);
    }
    key->data = d;
    key->layout = layout;
    return Record::Read;
}
} // namespace

void HotkeySheetFile::preparePicture(const QImage &picture)
{
    if (!picture.isNull())
        pictureCache().png(picture);
}

QString HotkeySheetFile::scaledPrice(const QString &decimalText)
{
    const qint64 scaled = PriceFormat::toScaled(decimalText);
    return QString::number(double(scaled), 'g', 6);
}

QString HotkeySheetFile::decimalPrice(const QString &scaledText)
{
    bool ok = false;
    const double value = scaledText.trimmed().toDouble(&ok);
    if (!ok || !(qAbs(value) < 1e15))
        return QString();
    return PriceFormat::fromScaled(PriceFormat::roundHalfAway(value));
}

QByteArray HotkeySheetFile::encode(const QVector<HotkeyKey> &keys)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setVersion(kStreamVersion);
    for (const HotkeyKey &key : keys) {
        const ItemData &d = key.data;
        out << d.name1 << d.name2 << d.background1 << d.background2 << d.font1 << d.font2 << scaledPrice(d.price1)
            << scaledPrice(d.price2) << d.lfCode1 << d.lfCode2 << d.hotKey1 << d.hotKey2 << d.nameIndex1
            << d.nameIndex2;
        writePicture(out, d.picture);
        out << qint32(key.layout);
    }
    return bytes;
}

HotkeySheetFile::Result HotkeySheetFile::decode(const QByteArray &bytes, int keyCount, QVector<HotkeyKey> *keys,
                                                QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(kStreamVersion);
    QVector<HotkeyKey> read(qMax(0, keyCount));
    for (int k = 0; k < read.size(); ++k) {
        QString why;
        const Record r = readKey(in, bytes, &read[k], &why);
        if (r == Record::End)
            break;
        if (r == Record::Damaged) {
            *error = tr("The hotkey sheet is damaged at key %1: %2.").arg(k + 1).arg(why);
            return Result::Damaged;
        }
    }
    *keys = read;
    return Result::Ok;
}

bool HotkeySheetFile::write(const QString &path, const QVector<HotkeyKey> &keys, QString *error)
{
    return AtomicFile::write(path, encode(keys), error);
}

HotkeySheetFile::Result HotkeySheetFile::read(const QString &path, int keyCount, QVector<HotkeyKey> *keys,
                                              QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("\"%1\" cannot be opened: %2").arg(path, file.errorString());
        return Result::CannotOpen;
    }
    return decode(file.readAll(), keyCount, keys, error);
}
