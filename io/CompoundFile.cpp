#include "io/CompoundFile.h"

#include <QString>
#include <QtEndian>

namespace {
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kTableSector = 0xFFFFFFFD;
constexpr quint32 kMaxSector = 0xFFFFFFFA;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kSector = 512;
constexpr int kMiniSector = 64;
constexpr quint32 kMiniCutoff = 4096;
constexpr int kHeaderTableEntries = 109;
const QByteArray kMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

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

void put16(QByteArray *b, int at, quint16 v)
{
    qToLittleEndian(v, b->data() + at);
}

void put32(QByteArray *b, int at, quint32 v)
{
    qToLittleEndian(v, b->data() + at);
}

QVector<quint32> bytesAsTable(const QByteArray &bytes)
{
    QVector<quint32> table;
    for (qint64 at = 0; at + 4 <= bytes.size(); at += 4)
        table << u32(bytes, at);
    return table;
}

// The sectors of a chain, in order; a chain that loops or leaves the data ends there. Each
// sector is taken once at most.
QByteArray chain(quint32 sector, const QVector<quint32> &table, int sectorSize, const QByteArray &data, int base)
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

// One directory entry of 128 bytes.
QByteArray entry(const QString &name, int type, quint32 child, quint32 start, quint32 size)
{
    QByteArray e(128, '\0');
    for (int i = 0; i < name.size() && i < 31; ++i)
        put16(&e, 2 * i, name.at(i).unicode());
    put16(&e, 64, name.isEmpty() ? 0 : quint16(2 * (name.size() + 1)));
    e[66] = char(type);
    e[67] = 1; // black: a tree of one node per level is valid
    put32(&e, 68, kNoStream);
    put32(&e, 72, kNoStream);
    put32(&e, 76, child);
    put32(&e, 116, start);
    put32(&e, 120, size);
    return e;
}
} // namespace

CompoundFile::CompoundFile(const QByteArray &file) : m_file(file)
{
    if (file.size() < kSector || !file.startsWith(kMagic))
        return;
    const int shift = u16(file, 0x1E);
    if (shift != 9 && shift != 12)
        return;
    m_sectorSize = 1 << shift;
    // The sector table is listed in the header (109 entries) and then in a chain of its own.
    QVector<quint32> tableSectors;
    const quint32 tableCount = u32(file, 0x2C);
    for (int i = 0; i < kHeaderTableEntries && quint32(tableSectors.size()) < tableCount; ++i)
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
    m_directory = chain(u32(file, 0x30), m_table, m_sectorSize, file, kSector);
    m_miniCutoff = u32(file, 0x38);
    m_miniTable = bytesAsTable(chain(u32(file, 0x3C), m_table, m_sectorSize, file, kSector));
}

QByteArray CompoundFile::stream(const char *name) const
{
    QByteArray rootData;
    for (qint64 at = 0; at + 128 <= m_directory.size(); at += 128) {
        const int type = quint8(m_directory[int(at + 66)]);
        const quint32 start = u32(m_directory, at + 116);
        const quint32 size = u32(m_directory, at + 120);
        // The root holds the mini stream, whatever it is called.
        if (type == 5)
            rootData = chain(start, m_table, m_sectorSize, m_file, kSector);
        if (type != 2 || nameOf(at).compare(QLatin1String(name), Qt::CaseInsensitive) != 0)
            continue;
        QByteArray data = size < m_miniCutoff ? chain(start, m_miniTable, kMiniSector, rootData, 0)
                                              : chain(start, m_table, m_sectorSize, m_file, kSector);
        data.truncate(static_cast<int>(qMin<quint32>(size, quint32(data.size()))));
        return data;
    }
    return QByteArray();
}

qint64 CompoundFile::offsetOf(quint32 sector) const
{
    const qint64 at = kSector + qint64(sector) * m_sectorSize;
    return sector <= kMaxSector && at + m_sectorSize <= m_file.size() ? at : -1;
}

QString CompoundFile::nameOf(qint64 entry) const
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

QByteArray CompoundFile::withStream(const char *name, const QByteArray &data)
{
    const auto sectorsFor = [](qint64 bytes, int size) { return int((bytes + size - 1) / size); };
    const bool mini = quint32(data.size()) < kMiniCutoff;
    // Sectors in file order: the sector table, the directory, the mini table, the data (the
    // stream itself, or the mini stream that holds it).
    const int miniSectors = mini ? sectorsFor(data.size(), kMiniSector) : 0;
    const int miniTable = mini && miniSectors > 0 ? 1 : 0;
    const qint64 dataBytes = mini ? qint64(miniSectors) * kMiniSector : data.size();
    const int dataSectors = sectorsFor(dataBytes, kSector);
    int tableSectors = 1;
    while (qint64(tableSectors) * (kSector / 4) < tableSectors + 1 + miniTable + dataSectors)
        ++tableSectors;
    if (tableSectors > kHeaderTableEntries)
        return QByteArray();
    const int directory = tableSectors;
    const int firstData = directory + 1 + miniTable;
    const int sectors = firstData + dataSectors;

    QVector<quint32> table(tableSectors * (kSector / 4), kFreeSector);
    for (int s = 0; s < tableSectors; ++s)
        table[s] = kTableSector;
    table[directory] = kEndOfChain;
    if (miniTable)
        table[directory + 1] = kEndOfChain;
    for (int s = firstData; s < sectors; ++s)
        table[s] = s + 1 < sectors ? quint32(s + 1) : kEndOfChain;

    QByteArray file(kSector + sectors * kSector, '\0');
    file.replace(0, kMagic.size(), kMagic);
    put16(&file, 0x18, 0x003E);
    put16(&file, 0x1A, 3);
    put16(&file, 0x1C, 0xFFFE);
    put16(&file, 0x1E, 9);
    put16(&file, 0x20, 6);
    put32(&file, 0x2C, quint32(tableSectors));
    put32(&file, 0x30, quint32(directory));
    put32(&file, 0x38, kMiniCutoff);
    put32(&file, 0x3C, miniTable ? quint32(directory + 1) : kEndOfChain);
    put32(&file, 0x40, quint32(miniTable));
    put32(&file, 0x44, kEndOfChain);
    for (int i = 0; i < kHeaderTableEntries; ++i)
        put32(&file, 0x4C + 4 * i, i < tableSectors ? quint32(i) : kFreeSector);
    for (int i = 0; i < table.size(); ++i)
        put32(&file, kSector + 4 * i, table.at(i));

    const quint32 dataStart = dataSectors > 0 ? quint32(firstData) : kEndOfChain;
    QByteArray dir =
        entry(QStringLiteral("Root Entry"), 5, 1, mini ? dataStart : kEndOfChain, quint32(mini ? dataBytes : 0));
    dir += entry(QString::fromLatin1(name), 2, kNoStream, mini ? (miniSectors > 0 ? 0 : kEndOfChain) : dataStart,
                 quint32(data.size()));
    dir += entry(QString(), 0, kNoStream, 0, 0);
    dir += entry(QString(), 0, kNoStream, 0, 0);
    file.replace(kSector + directory * kSector, dir.size(), dir);
    if (miniTable) {
        const int at = kSector + (directory + 1) * kSector;
        for (int i = 0; i < kSector / 4; ++i)
            put32(&file, at + 4 * i,
                  i < miniSectors ? (i + 1 < miniSectors ? quint32(i + 1) : kEndOfChain) : kFreeSector);
    }
    file.replace(kSector + firstData * kSector, data.size(), data);
    return file;
}
