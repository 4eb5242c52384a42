#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The only way the program writes a file. Every member of a set is written to a temporary
// beside its target and checked before any target is replaced, so a full disk or a crash never
// destroys the previous files.
class AtomicFile
{
public:
    struct Member
    {
        QString path;
        QByteArray data;
    };

    // On failure no member has been replaced (unless renaming itself fails half-way, which the
    // error then says), and *error names the file and the reason.
    static bool writeSet(const QVector<Member> &members, QString *error);
    static bool write(const QString &path, const QByteArray &data, QString *error);

    // Fault injection for tests: once this many bytes have been written in total since the
    // call, the rest goes to the always-full device /dev/full and fails there as on a full
    // disk. A negative value turns it off.
    static void failAfterBytes(qint64 bytes);
};
