#include "io/BiffFormulas.h"

#include "io/Sheet.h"

#include <QVector>
#include <cstring>

namespace {
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kMaxSector = 0xFFFFFFFA;

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

// An Office compound file ("structured storage"): sectors chained by a table, a directory of
// streams. Only reading, only what a workbook needs.
class Compound
{
public:
    explicit Compound(const QByteArray &file) : m_file(file)
    {
        if (file.size() < 512 || !file.startsWith(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)))
            return;
        const int shift = u16(file, 0x1E);
        if (shift != 9 && shift != 12)
            return;
        m_sectorSize = 1 << shift;
        // The sector table is listed in the header (109 entries) and then in a chain of its own.
        QVector<quint32> tableSectors;
        const quint32 tableCount = u32(file, 0x2C);
        for (int i = 0; i < 109 && quint32(tableSectors.size()) < tableCount; ++i)
            tableSectors << u32(file, 0x4C + 4 * i);
        quint32 extra = u32(file, 0x44);
        for (int guard = 0; extra <= kMaxSector && guard < 4096 && quint32(tableSectors.size()) < tableCount; ++guard) {
            const qint64 at = offsetOf(extra);
            if (at < 0)
                break;
            for (int i = 0; i < m_sectorSize / 4 - 1 && quint32(tableSectors.size()) < tableCount; ++i)
                tableSectors << u32(file, at + 4 * i);
            extra = u32(file, at + m_sectorSize - 4);
        }
        for (quint32 sector : qAsConst(tableSectors)) {
            const qint64 at = offsetOf(sector);
            if (at < 0)
                return;
            for (int i = 0; i < m_sectorSize / 4; ++i)
                m_table << u32(file, at + 4 * i);
        }
        m_directory = chain(u32(file, 0x30), m_table, m_sectorSize, file, 512);
        m_miniCutoff = u32(file, 0x38);
        m_miniTable = bytesAsTable(chain(u32(file, 0x3C), m_table, m_sectorSize, file, 512));
    }

    // The named stream, or empty.
    QByteArray stream(const char *name) const
    {
        QByteArray rootData;
        for (qint64 at = 0; at + 128 <= m_directory.size(); at += 128) {
            const int type = quint8(m_directory[int(at + 66)]);
            const quint32 start = u32(m_directory, at + 116);
            const quint32 size = u32(m_directory, at + 120);
            if (type == 5)
                rootData = chain(start, m_table, m_sectorSize, m_file, 512);
            if (type != 2 || nameOf(at).compare(QLatin1String(name), Qt::CaseInsensitive) != 0)
                continue;
            QByteArray data = size < m_miniCutoff ? chain(start, m_miniTable, 64, rootData, 0)
                                                  : chain(start, m_table, m_sectorSize, m_file, 512);
            data.truncate(static_cast<int>(qMin<quint32>(size, quint32(data.size()))));
            return data;
        }
        return QByteArray();
    }

private:
    qint64 offsetOf(quint32 sector) const
    {
        const qint64 at = 512 + qint64(sector) * m_sectorSize;
        return sector <= kMaxSector && at + m_sectorSize <= m_file.size() ? at : -1;
    }

    QString nameOf(qint64 entry) const
    {
        const int bytes = qMin<int>(u16(m_directory, entry + 64), 64);
        QString name;
        for (int i = 0; i + 1 < bytes; i += 2) {
            const QChar c(u16(m_directory, entry + i));
            if (c.isNull())
                break;
            name += c;
        }
        return name;
    }

    static QVector<quint32> bytesAsTable(const QByteArray &bytes)
    {
        QVector<quint32> table;
        for (qint64 at = 0; at + 4 <= bytes.size(); at += 4)
            table << u32(bytes, at);
        return table;
    }

    // The sectors of a chain, in order; a chain that loops or leaves the data ends there.
    // Each sector is taken once at most, so the result is never larger than the data.
    static QByteArray chain(quint32 sector, const QVector<quint32> &table, int sectorSize, const QByteArray &data,
                            int base)
    {
        QByteArray out;
        QVector<bool> taken(table.size(), false);
        while (sector != kEndOfChain) {
            const qint64 at = base + qint64(sector) * sectorSize;
            if (sector > kMaxSector || sector >= quint32(table.size()) || taken.at(int(sector)) ||
                at + sectorSize > data.size())
                break;
            taken[int(sector)] = true;
            out.append(data.constData() + at, sectorSize);
            sector = table.at(int(sector));
        }
        return out;
    }

    const QByteArray &m_file;
    int m_sectorSize = 512;
    quint32 m_miniCutoff = 4096;
    QVector<quint32> m_table;
    QVector<quint32> m_miniTable;
    QByteArray m_directory;
};

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
    const Compound compound(file);
    const QByteArray stream = compound.stream("Workbook");
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
