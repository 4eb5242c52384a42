#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <QVector>

// What the files of a PLU file set were like on disk when the editor last read or wrote them:
// for each, whether it existed, its size, its modification time and a digest of its bytes. A
// later look tells whether someone else (another editor, a script) wrote them since. A file whose
// size and time are unchanged is trusted without being read; one whose time changed but whose
// bytes are the same (copied back, touched) counts as unchanged.
class FileSetStamp
{
public:
    // The files as they are now (digests read).
    static FileSetStamp take(const QStringList &paths);

    bool isEmpty() const { return m_members.isEmpty(); }
    QStringList paths() const;
    // True when a file appeared, disappeared or holds other bytes than when stamped. *now, when
    // given, receives the files as they are now.
    bool changedOnDisk(FileSetStamp *now = nullptr) const;

    bool operator==(const FileSetStamp &other) const;
    bool operator!=(const FileSetStamp &other) const { return !(*this == other); }

    // Kept with a recovery copy, so that a restored document still knows the disk it came from.
    QJsonArray toJson() const;
    static FileSetStamp fromJson(const QJsonArray &array);

private:
    struct Member
    {
        QString path;
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedMs = 0;
        QByteArray digest;
        bool operator==(const Member &o) const
        {
            return path == o.path && exists == o.exists && size == o.size && modifiedMs == o.modifiedMs &&
                   digest == o.digest;
        }
    };
    static Member look(const QString &path);
    static QByteArray digestOf(const QString &path);

    QVector<Member> m_members;
};
