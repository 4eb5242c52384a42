#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class ScaleMemory;

struct LinkCounters
{
    quint64 bytesIn = 0;
    quint64 bytesOut = 0;
    quint64 framesIn = 0;
    quint64 framesOut = 0;
    quint64 plusIn = 0; // PLU records stored, so a test can count what a send carried
};

// The simulated scale's memory on disk: a snapshot FILE (JSON, written whole and atomically) and
// an append-only journal FILE.journal of the commands that changed the memory since. A command
// is in the journal before the scale answers it, so whatever was answered survives a killed
// simulator. Every command carries its number, and the snapshot names the last one it holds,
// so an entry counts once even when the journal could not be emptied after a snapshot.
class SimJournal
{
public:
    explicit SimJournal(const QString &dataPath);

    // Reads the journal, then the snapshot, and replays the journal entries the snapshot lacks.
    // A missing snapshot is an empty scale. *applied is the number of the last command held.
    bool load(ScaleMemory &memory, LinkCounters &counters, quint64 *applied, QString *error) const;
    // Appends one command; the bytes are with the system when it returns.
    bool append(quint64 number, quint8 command, const QByteArray &payload, QString *error);
    // Writes the snapshot and empties the journal.
    bool snapshot(const QByteArray &stateJson, QString *error);
    bool hasJournal() const;
    QString journalPath() const { return m_journal.fileName(); }

    // The readers behind load(), for the fuzz target: bytes in, memory out.
    static bool readSnapshot(const QByteArray &bytes, ScaleMemory &memory, LinkCounters &counters, quint64 *applied,
                             QString *error);
    // Replays entries numbered above `after` up to the first torn or damaged one.
    static void replay(const QByteArray &journal, ScaleMemory &memory, quint64 *applied);
    static QByteArray entry(quint64 number, quint8 command, const QByteArray &payload);

private:
    QString m_dataPath;
    QFile m_journal;
};
