#include "io/BiffFormulas.h"

#include "io/CompoundFile.h"
#include "io/Sheet.h"

#include <QVector>
#include <cstring>

namespace {
quint16 u16(const QByteArray &b, qint64 at)
{
    if (at < 0 || at + 2 > b.size())
        return 0;
    return quint16(quint8(b[int(at)]) | quint8(b[int(at + 1)]) << 8);
}

quint32 u32(const QByteArray &b, qint64 at)
{
    return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16;
}

struct Record
{
    quint16 type = 0;
    qint64 data = 0; // offset of the record's data
    int size = 0;
};

bool nextRecord(const QByteArray &stream, qint64 *at, Record *record)
{
    if (*at + 4 > stream.size())
        return false;
    record->type = u16(stream, *at);
    record->size = u16(stream, *at + 2);
    record->data = *at + 4;
    *at = record->data + record->size;
    return *at <= stream.size();
}

QString errorText(int code)
{
    switch (code) {
    case 0x00:
        return QStringLiteral("#NULL!");
    case 0x07:
        return QStringLiteral("#DIV/0!");
    case 0x0F:
        return QStringLiteral("#VALUE!");
    case 0x17:
        return QStringLiteral("#REF!");
    case 0x1D:
        return QStringLiteral("#NAME?");
    case 0x24:
        return QStringLiteral("#NUM!");
    default:
        return QStringLiteral("#N/A");
    }
}

// A STRING record: the text result of the formula before it.
QString stringRecord(const QByteArray &stream, const Record &r)
{
    const int count = u16(stream, r.data);
    const bool wide = r.size > 2 && (quint8(stream[int(r.data + 2)]) & 1);
    QString text;
    for (int i = 0; i < count && text.size() < Sheet::MaxTextLength; ++i) {
        const qint64 at = r.data + 3 + (wide ? 2 * i : i);
        if (at + (wide ? 2 : 1) > r.data + r.size)
            break;
        text += QChar(wide ? u16(stream, at) : quint16(quint8(stream[int(at)])));
    }
    return text;
}
} // namespace

QHash<BiffFormulas::Cell, QVariant> BiffFormulas::read(const QByteArray &file)
{
    QHash<Cell, QVariant> results;
    const QByteArray stream = CompoundFile(file).stream("Workbook");
    // The globals start with a BIFF8 BOF; their sheet list gives where the first worksheet is.
    Record r;
    qint64 at = 0;
    if (!nextRecord(stream, &at, &r) || r.type != 0x0809 || u16(stream, r.data) != 0x0600)
        return results;
    qint64 sheet = -1;
    while (sheet < 0 && nextRecord(stream, &at, &r) && r.type != 0x000A) {
        if (r.type == 0x0085 && r.size >= 6 && quint8(stream[int(r.data + 5)]) == 0)
            sheet = u32(stream, r.data);
    }
    if (sheet < 0)
        return results;
    at = sheet;
    Cell pending(-1, -1);
    while (nextRecord(stream, &at, &r) && r.type != 0x000A) {
        if (r.type == 0x0006 && r.size >= 14) {
            const Cell cell(u16(stream, r.data), u16(stream, r.data + 2));
            const qint64 value = r.data + 6;
            pending = Cell(-1, -1);
            if (u16(stream, value + 6) != 0xFFFF) {
                const quint64 bits = quint64(u32(stream, value)) | quint64(u32(stream, value + 4)) << 32;
                double d = 0;
                std::memcpy(&d, &bits, sizeof d);
                results.insert(cell, d);
                continue;
            }
            switch (quint8(stream[int(value)])) {
            case 0:
                pending = cell; // the text follows in a STRING record
                break;
            case 1:
                results.insert(cell, quint8(stream[int(value + 2)]) != 0);
                break;
            case 2:
                results.insert(cell, errorText(quint8(stream[int(value + 2)])));
                break;
            default:
                break; // an empty text
            }
        } else if (r.type == 0x0207 && pending.first >= 0) {
            results.insert(pending, stringRecord(stream, r));
            pending = Cell(-1, -1);
        }
    }
    return results;
}
