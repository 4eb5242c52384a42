#include "document/FileSetStamp.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

FileSetStamp::Member FileSetStamp::look(const QString &path)
{
    Member m;
    m.path = path;
    const QFileInfo info(path);
    m.exists = info.isFile();
    if (m.exists) {
        m.size = info.size();
        m.modifiedMs = info.lastModified().toMSecsSinceEpoch();
    }
    return m;
}

QByteArray FileSetStamp::digestOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray(); // unreadable: differs from every digest of bytes that were read
    return hash.result();
}

FileSetStamp FileSetStamp::take(const QStringList &paths)
{
    FileSetStamp stamp;
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        Member m = look(path);
        if (m.exists)
            m.digest = digestOf(path);
        stamp.m_members.append(m);
    }
    return stamp;
}

QStringList FileSetStamp::paths() const
{
    QStringList out;
    for (const Member &m : m_members)
        out << m.path;
    return out;
}

bool FileSetStamp::changedOnDisk(FileSetStamp *now) const
{
    bool changed = false;
    FileSetStamp current;
    for (const Member &was : m_members) {
        Member is = look(was.path);
        if (is.exists) {
            const bool sameLook = was.exists && is.size == was.size && is.modifiedMs == was.modifiedMs;
            // The bytes are read only when size or time say they may differ.
            is.digest = sameLook ? was.digest : digestOf(was.path);
        }
        if (is.exists != was.exists || is.digest != was.digest)
            changed = true;
        current.m_members.append(is);
    }
    if (now)
        *now = current;
    return changed;
}

bool FileSetStamp::operator==(const FileSetStamp &other) const
{
    return m_members == other.m_members;
}

QJsonArray FileSetStamp::toJson() const
{
    QJsonArray array;
    for (const Member &m : m_members) {
        array.append(QJsonObject{{QStringLiteral("path"), m.path},
                                 {QStringLiteral("exists"), m.exists},
                                 {QStringLiteral("size"), QString::number(m.size)},
                                 {QStringLiteral("modified"), QString::number(m.modifiedMs)},
                                 {QStringLiteral("digest"), QString::fromLatin1(m.digest.toHex())}});
    }
    return array;
}

FileSetStamp FileSetStamp::fromJson(const QJsonArray &array)
{
    FileSetStamp stamp;
    for (const QJsonValue &value : array) {
        const QJsonObject o = value.toObject();
        Member m;
        m.path = o.value(QStringLiteral("path")).toString();
        if (m.path.isEmpty())
            continue;
        m.exists = o.value(QStringLiteral("exists")).toBool();
        m.size = o.value(QStringLiteral("size")).toString().toLongLong();
        m.modifiedMs = o.value(QStringLiteral("modified")).toString().toLongLong();
        m.digest = QByteArray::fromHex(o.value(QStringLiteral("digest")).toString().toLatin1());
        stamp.m_members.append(m);
    }
    return stamp;
}
