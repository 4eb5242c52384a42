#pragma once

#include <QByteArray>
#include <QVector>

// An Office compound file ("structured storage"), the container of a binary Excel workbook:
// sectors chained by a table, a directory of streams, small streams packed into a mini stream.
// Only reading what a workbook needs, and writing the plainest file that holds one stream.
class CompoundFile
{
public:
    explicit CompoundFile(const QByteArray &file);

    // The named stream (compared without regard to case), or empty. A chain that loops or
    // leaves the file ends there, so the result is never larger than the file.
    QByteArray stream(const char *name) const;

    // A file that holds only `data` under `name`, laid out as every reader expects: the root
    // named "Root Entry", a stream under 4096 bytes in the mini stream. Empty when the stream
    // is too large for a file without extra sector table chains (about 7 MB).
    static QByteArray withStream(const char *name, const QByteArray &data);

private:
    qint64 offsetOf(quint32 sector) const;
    QString nameOf(qint64 entry) const;

    QByteArray m_file; // shared with the caller's copy
    int m_sectorSize = 512;
    quint32 m_miniCutoff = 4096;
    QVector<quint32> m_table;
    QVector<quint32> m_miniTable;
    QByteArray m_directory;
};
