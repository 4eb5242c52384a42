#include "comm/InboxWatcher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace {
qint64 nowMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}
} // namespace

InboxWatcher::InboxWatcher(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(QDir(folder).absolutePath()), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &InboxWatcher::check);
}

InboxWatcher::~InboxWatcher()
{
#ifdef Q_OS_LINUX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

bool InboxWatcher::ignored(const QString &name)
{
    return name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('~')) ||
           name.contains(QLatin1String(".part-")) || name.endsWith(QLatin1String(".intent")) ||
           name.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive);
}

QString InboxWatcher::baseOf(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

bool InboxWatcher::start(QString *error)
{
    if (!QFileInfo(m_folder).isDir()) {
        *error = tr("\"%1\" is not a folder").arg(m_folder);
        return false;
    }
#ifdef Q_OS_LINUX
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0 ||
        inotify_add_watch(m_fd, QFile::encodeName(m_folder).constData(),
                          IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE) < 0) {
        *error = tr("\"%1\" cannot be watched").arg(m_folder);
        return false;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InboxWatcher::onEvents);
#endif
    scan();
    m_timer->start(qMax(100, m_settleMs / 4));
    return true;
}

void InboxWatcher::forget(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    m_reported.remove(name);
    m_seen.remove(name);
}

void InboxWatcher::noteWriting(const QString &name)
{
    Seen &s = m_seen[name];
    s.writing = true;
    s.quietSinceMs = nowMs();
    m_reported.remove(name);
}

void InboxWatcher::noteComplete(const QString &name)
{
    Seen &s = m_seen[name];
    s.writing = false;
    s.quietSinceMs = nowMs();
    m_reported.remove(name);
}

void InboxWatcher::onEvents()
{
#ifdef Q_OS_LINUX
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (char *at = buffer; at < buffer + n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(at);
            at += sizeof(inotify_event) + e->len;
            if (e->len == 0 || (e->mask & IN_ISDIR))
                continue;
            const QString name = QFile::decodeName(e->name);
            if (ignored(name))
                continue;
            if (e->mask & (IN_MOVED_FROM | IN_DELETE))
                forget(name);
            else if (e->mask & (IN_CLOSE_WRITE | IN_MOVED_TO))
                noteComplete(name);
            else if (e->mask & (IN_CREATE | IN_MODIFY))
                noteWriting(name);
        }
    }
#endif
}

// The files there now: a file not seen before is taken once it has stayed the same for the
// settle time (there is no knowing whether a writer still holds it).
void InboxWatcher::scan()
{
    const qint64 now = nowMs();
    QSet<QString> present;
    for (const QFileInfo &info : QDir(m_folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        const QString name = info.fileName();
        if (ignored(name))
            continue;
        present.insert(name);
        Seen &s = m_seen[name];
        if (s.size != info.size() || s.modified != info.lastModified()) {
            s.size = info.size();
            s.modified = info.lastModified();
            s.quietSinceMs = now;
            m_reported.remove(name);
#ifndef Q_OS_LINUX
            s.writing = false;
#endif
        }
    }
    for (auto it = m_seen.begin(); it != m_seen.end();) {
        if (present.contains(it.key())) {
            ++it;
        } else {
            m_reported.remove(it.key());
            it = m_seen.erase(it);
        }
    }
}

void InboxWatcher::check()
{
    scan();
    const qint64 now = nowMs();
    // A set is ready when its price list and every file of its name are quiet and closed.
    QHash<QString, bool> busy;
    for (auto it = m_seen.cbegin(); it != m_seen.cend(); ++it) {
        const bool quiet = !it->writing && now - it->quietSinceMs >= m_settleMs;
        busy[baseOf(it.key())] = busy.value(baseOf(it.key())) || !quiet;
    }
    QStringList ready;
    for (auto it = m_seen.cbegin(); it != m_seen.cend(); ++it) {
        const QString &name = it.key();
        if (m_reported.contains(name) || busy.value(baseOf(name)) || (m_accepts && !m_accepts(name)))
            continue;
        ready << name;
    }
    std::sort(ready.begin(), ready.end());
    for (const QString &name : qAsConst(ready)) {
        m_reported.insert(name);
        emit fileReady(QDir(m_folder).filePath(name));
    }
}
