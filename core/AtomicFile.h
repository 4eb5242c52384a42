#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The only way the program writes a file. Every member of a set is written to a temporary beside
// its target and flushed to the disk before any target is replaced, so a full disk never
// destroys the previous files. A set of several members is replaced all or nothing: an intent
// file beside its first member names the renames before the first one, and whoever opens or
// saves the set next finishes them (recoverSet), so a crash between two renames never leaves a
// new main file beside old side files.
class AtomicFile
{
public:
    struct Member
    {
        QString path;
        QByteArray data;
    };

    // On failure no member has been replaced (unless renaming itself fails half-way, which the
    // error then says and the next recoverSet finishes), and *error names the file and the reason.
    static bool writeSet(const QVector<Member> &members, QString *error);
    static bool write(const QString &path, const QByteArray &data, QString *error);

    // Brings the set of these files (the first one the set's main file) to a whole state: the
    // renames of a set save that stopped half-way are finished, and temporaries a stopped save
    // left are removed. False with *error when a rename it must finish fails.
    static bool recoverSet(const QStringList &members, QString *error);
    // The intent file of a set whose first member is this file.
    static QString intentPath(const QString &firstMember);

    // Fault injection for tests: once this many bytes have been written in total since the
    // call, the rest goes to the always-full device /dev/full and fails there as on a full
    // disk. A negative value turns it off.
    static void failAfterBytes(qint64 bytes);
    // Test seam: a process whose environment sets PLU_TEST_SET_SAVE_DIES_AT to "written" (every
    // temporary flushed), "intent" (the intent file in place) or "renamed N" (N members renamed)
    // ends at once there, as a kill -9 or a power cut would end it.
};
