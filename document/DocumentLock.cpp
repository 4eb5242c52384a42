#include "document/DocumentLock.h"

#include "core/LogCategories.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

namespace {
// One name for one file, however it was reached.
QString normalized(const QString &file)
{
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}
} // namespace

DocumentLock::DocumentLock() = default;

DocumentLock::~DocumentLock()
{
    unlock();
}

QString DocumentLock::lockPath(const QString &file)
{
    const QFileInfo info(normalized(file));
    return info.absoluteDir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".lock"));
}

DocumentLock::Result DocumentLock::lock(const QString &file)
{
    if (holds(file))
        return Result::Locked;
    auto lock = std::make_unique<QLockFile>(lockPath(file));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return Result::HeldElsewhere;
        qCDebug(lcDocument) << "no lock beside" << file << lock->error();
        return Result::Unavailable;
    }
    unlock();
    m_lock = std::move(lock);
    m_file = normalized(file);
    return Result::Locked;
}

void DocumentLock::unlock()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_file.clear();
}

bool DocumentLock::holds(const QString &file) const
{
    return m_lock && !file.isEmpty() && m_file == normalized(file);
}

DocumentLock::Holder DocumentLock::holderOf(const QString &file)
{
    Holder holder;
    const QString path = lockPath(file);
    QLockFile lock(path);
    QString application;
    lock.getLockInfo(&holder.pid, &holder.host, &application);
    const QFileInfo info(path);
    holder.user = info.owner();
    holder.since = info.lastModified();
    return holder;
}

QString DocumentLock::Holder::describe() const
{
    const QString who = user.isEmpty() ? tr("an unknown user") : user;
    const QString where = host.isEmpty() ? tr("an unknown computer") : host;
    const QString when = since.isValid() ? QLocale().toString(since, QLocale::ShortFormat) : tr("an unknown time");
    return tr("%1 on %2, since %3").arg(who, where, when);
}
