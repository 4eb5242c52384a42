#include "SimJournal.h"

#include "LinkFrame.h"
#include "LinkRecords.h"
#include "ScaleMemory.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QSaveFile>

using namespace linkproto;

namespace {
// Entry: u64 number, u8 command, u32 payload length, payload, CRC-16 of all before it.
constexpr int kEntryHead = 8 + 1 + 4;
} // namespace

SimJournal::SimJournal(const QString &dataPath)
    : m_dataPath(dataPath), m_journal(dataPath.isEmpty() ? QString() : dataPath + QStringLiteral(".journal"))
{
}

QByteArray SimJournal::entry(quint64 number, quint8 command, const QByteArray &payload)
{
    QByteArray out;
    ByteWriter w(out);
    w.u64(number);
    w.u8(command);
    w.u32(quint32(payload.size()));
    out.append(payload);
    w.u16(crc16(out.constData(), out.size()));
    return out;
}

void SimJournal::replay(const QByteArray &journal, ScaleMemory &memory, quint64 *applied)
{
    int at = 0;
    while (journal.size() - at >= kEntryHead + 2) {
        ByteReader in(journal.constData() + at, journal.size() - at);
        quint64 number = 0;
        quint8 command = 0;
        quint32 length = 0;
        in.u64(number);
        in.u8(command);
        in.u32(length);
        // A torn last entry (the simulator killed in the middle of a write) ends the journal.
        if (length > quint32(kMaxAssembled) || quint32(in.remaining()) < length + 2)
            return;
        const int size = kEntryHead + int(length);
        quint16 crc = 0;
        ByteReader tail(journal.constData() + at + size, 2);
        tail.u16(crc);
        if (crc != crc16(journal.constData() + at, size))
            return;
        if (number > *applied) {
            memory.execute(command, journal.mid(at + kEntryHead, int(length)));
            *applied = number;
        }
        at += size + 2;
    }
}

bool SimJournal::readSnapshot(const QByteArray &bytes, ScaleMemory &memory, LinkCounters &counters, quint64 *applied,
                              QString *error)
{
    QJsonValue value;
    if (!parseJsonBytes(bytes, value) || !value.isObject()) {
        *error = QStringLiteral("not a simulator data file");
        return false;
    }
    const QJsonObject root = value.toObject();
    const QJsonObject c = root.value(QLatin1String("counters")).toObject();
    counters.bytesIn = quint64(c.value(QLatin1String("bytesIn")).toDouble());
    counters.bytesOut = quint64(c.value(QLatin1String("bytesOut")).toDouble());
    counters.framesIn = quint64(c.value(QLatin1String("framesIn")).toDouble());
    counters.framesOut = quint64(c.value(QLatin1String("framesOut")).toDouble());
    counters.plusIn = quint64(c.value(QLatin1String("plusIn")).toDouble());
    *applied = quint64(root.value(QLatin1String("applied")).toDouble());
    return memory.fromJson(root.value(QLatin1String("memory")).toObject(), error);
}

bool SimJournal::load(ScaleMemory &memory, LinkCounters &counters, quint64 *applied, QString *error) const
{
    *applied = 0;
    if (m_dataPath.isEmpty())
        return true;
    // The journal first: a snapshot written meanwhile holds what the journal lost when it was
    // emptied, while an older snapshot still finds its entries in the journal read before.
    QByteArray journal;
    QFile j(m_journal.fileName());
    if (j.open(QIODevice::ReadOnly))
        journal = j.readAll();
    QFile file(m_dataPath);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return false;
        }
        if (!readSnapshot(file.readAll(), memory, counters, applied, error))
            return false;
    }
    replay(journal, memory, applied);
    return true;
}

bool SimJournal::hasJournal() const
{
    return QFileInfo(m_journal.fileName()).size() > 0;
}

bool SimJournal::append(quint64 number, quint8 command, const QByteArray &payload, QString *error)
{
    if (m_dataPath.isEmpty())
        return true;
    if (!m_journal.isOpen() && !m_journal.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *error = m_journal.errorString();
        return false;
    }
    const QByteArray bytes = entry(number, command, payload);
    if (m_journal.write(bytes) != bytes.size()) {
        *error = m_journal.errorString();
        return false;
    }
    return true;
}

bool SimJournal::snapshot(const QByteArray &stateJson, QString *error)
{
    if (m_dataPath.isEmpty())
        return true;
    QSaveFile file(m_dataPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(stateJson) != stateJson.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    if (m_journal.isOpen())
        return m_journal.resize(0);
    QFile::resize(m_journal.fileName(), 0);
    return true;
}
