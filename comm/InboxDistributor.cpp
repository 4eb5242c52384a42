#include "comm/InboxDistributor.h"

#include "comm/FleetSend.h"
#include "comm/InboxWatcher.h"
#include "comm/ScaleList.h"
#include "comm/SendCheck.h"
#include "comm/SendJournal.h"
#include "core/AtomicFile.h"
#include "core/InstallationDb.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>

namespace {
constexpr const char *kDone = "done";
constexpr const char *kFailed = "failed";

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// Runs one statement on the installation database; false with *error.
bool exec(const QString &sql, const QVariantList &values, QString *error, QSqlQuery *out = nullptr)
{
    QSqlDatabase db;
    if (!InstallationDb::open(&db, error))
        return false;
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    if (out)
        *out = q;
    return true;
}

// The files of a set: the price list and the side files of its name.
QStringList setMembers(const QString &path)
{
    QStringList members{path};
    const PluFileSet::SidePaths sides = PluFileSet::sidePathsForLoad(path);
    for (const QString &side : {sides.info, sides.msg, sides.rsc}) {
        if (QFileInfo::exists(side) && !members.contains(side))
            members << side;
    }
    return members;
}

// A name in the folder that no file has yet: "shop.txp", else "shop-2.txp" and on.
QString freeName(const QDir &folder, const QString &name)
{
    if (!QFileInfo::exists(folder.filePath(name)))
        return name;
    const QFileInfo info(name);
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
        if (!QFileInfo::exists(folder.filePath(candidate)))
            return candidate;
    }
}
} // namespace

InboxDistributor::InboxDistributor(const Options &options, Loader loader, Accepts accepts, QObject *parent)
    : QObject(parent), m_options(options), m_loader(std::move(loader)), m_accepts(std::move(accepts)),
      m_retry(new QTimer(this))
{
    m_options.inbox = QDir(m_options.inbox).absolutePath();
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &InboxDistributor::sendDue);
}

InboxDistributor::~InboxDistributor() = default;

int InboxDistributor::pauseMs(int attempts) const
{
    qint64 pause = m_options.firstPauseMs;
    for (int n = 1; n < attempts && pause < m_options.longestPauseMs; ++n)
        pause *= 2;
    return int(qMin<qint64>(pause, m_options.longestPauseMs));
}

bool InboxDistributor::start(QString *error)
{
    const QDir inbox(m_options.inbox);
    if (!inbox.exists()) {
        *error = tr("the inbox \"%1\" is not a folder").arg(m_options.inbox);
        return false;
    }
    for (const char *sub : {kDone, kFailed}) {
        if (!inbox.mkpath(QLatin1String(sub))) {
            *error = tr("\"%1\" cannot be made").arg(inbox.filePath(QLatin1String(sub)));
            return false;
        }
    }
    if (!resume(error))
        return false;
    m_watcher = new InboxWatcher(m_options.inbox, this);
    m_watcher->setSettleMs(m_options.settleMs);
    m_watcher->setAccepts(m_accepts);
    connect(m_watcher, &InboxWatcher::fileReady, this, &InboxDistributor::onFileReady);
    if (!m_watcher->start(error))
        return false;
    say(tr("watching %1").arg(QDir::toNativeSeparators(m_options.inbox)));
    sendDue();
    return true;
}

void InboxDistributor::stop()
{
    m_stopping = true;
    m_retry->stop();
    if (m_watcher)
        m_watcher->deleteLater();
    m_watcher = nullptr;
    if (m_fleet) {
        say(tr("stopping: the send under way is broken off"));
        m_fleet->cancelAll();
        return;
    }
    QTimer::singleShot(0, this, &InboxDistributor::stopped);
}

QStringList InboxDistributor::groupScales(QString *error) const
{
    ScaleList list;
    QStringList names;
    if (!list.load(error))
        return names;
    for (const ScaleEntry &e : m_options.all ? list.entries() : list.group(m_options.group))
        names << e.name;
    return names;
}

bool InboxDistributor::prepare(const QString &path, PluDocument *doc, TransferSnapshot *snapshot, QStringList *problems)
{
    if (!m_loader(path, doc, problems))
        return false;
    *snapshot = TransferSnapshot::take(doc);
    snapshot->selection = m_options.parts;
    snapshot->sourceFile = path;
    const bool changes = !m_options.parts.hotkey && !m_options.parts.info && !m_options.parts.message &&
                         !m_options.parts.schedule && !m_options.parts.nutrition;
    for (const SendProblem &p : SendCheck::check(*snapshot, JobDownloadPlu, changes))
        *problems << p.line();
    return problems->isEmpty();
}

QString InboxDistributor::moveSet(const QString &path, const QString &folder, QString *error)
{
    const QDir target(QDir(m_options.inbox).filePath(folder));
    const QString name = freeName(target, QFileInfo(path).fileName());
    const QString base = QFileInfo(name).completeBaseName();
    for (const QString &member : setMembers(path)) {
        const QFileInfo info(member);
        const QString to =
            member == path ? target.filePath(name) : target.filePath(base + QLatin1Char('.') + info.suffix());
        QFile::remove(to);
        if (!QFile::rename(member, to)) {
            *error = tr("\"%1\" cannot be moved to %2/").arg(info.fileName(), folder);
            return QString();
        }
    }
    return target.filePath(name);
}

void InboxDistributor::refuse(const QString &path, const QStringList &problems)
{
    const QString name = QFileInfo(path).fileName();
    QString error;
    const QString moved = moveSet(path, QLatin1String(kFailed), &error);
    if (moved.isEmpty()) {
        say(tr("%1: %2").arg(name, error));
        return;
    }
    const QString report = moved + QLatin1String(".report.txt");
    const QString text = tr("%1 was not sent to any scale:").arg(name) + QLatin1Char('\n') +
                         problems.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!AtomicFile::write(report, text.toUtf8(), &error))
        say(tr("%1: the report cannot be written: %2").arg(name, error));
    exec(QStringLiteral("INSERT INTO WatchFiles(Inbox, Name, Path, State, TakenAt) VALUES(?, ?, ?, 'failed', ?)"),
         {m_options.inbox, name, moved, now()}, &error);
    SendJournal::Entry e;
    e.at = QDateTime::currentDateTimeUtc();
    e.program = SendJournal::program();
    e.file = moved;
    e.result = QStringLiteral("refused");
    e.reason = problems.value(0);
    SendJournal::record(e, &error);
    say(tr("%1: refused, %n problem(s); moved to failed/ with %2", nullptr, problems.size())
            .arg(name, QFileInfo(report).fileName()));
}

void InboxDistributor::onFileReady(const QString &path)
{
    if (m_stopping)
        return;
    const QString name = QFileInfo(path).fileName();
    PluDocument doc;
    TransferSnapshot snapshot;
    QStringList problems;
    if (!prepare(path, &doc, &snapshot, &problems)) {
        refuse(path, problems);
        return;
    }
    QString error;
    const QStringList scales = groupScales(&error);
    if (!error.isEmpty()) {
        say(tr("%1: the scale list cannot be read: %2").arg(name, error));
        return;
    }
    const QDir done(QDir(m_options.inbox).filePath(QLatin1String(kDone)));
    const QString donePath = done.filePath(freeName(done, name));
    // Recorded before the file moves: a watcher killed in between finds the file still in the
    // inbox and the record pointing at where it was going.
    qint64 id = -1;
    QSqlDatabase db;
    const bool recorded =
        InstallationDb::open(&db, &error) && InstallationDb::transaction(db, &error, [&] {
            QSqlQuery q(db);
            // A newer file wins over one whose scales are still to do.
            q.prepare(
                QStringLiteral("UPDATE WatchFiles SET State = 'superseded' WHERE Inbox = ? AND State = 'pending'"));
            q.addBindValue(m_options.inbox);
            if (!q.exec())
                return false;
            q.prepare(QStringLiteral(
                "INSERT INTO WatchFiles(Inbox, Name, Path, State, TakenAt) VALUES(?, ?, ?, 'pending', ?)"));
            for (const QVariant &v : {QVariant(m_options.inbox), QVariant(name), QVariant(donePath), QVariant(now())})
                q.addBindValue(v);
            if (!q.exec())
                return false;
            id = q.lastInsertId().toLongLong();
            for (const QString &scale : scales) {
                q.prepare(QStringLiteral("INSERT INTO WatchTargets(FileId, Scale, State) VALUES(?, ?, 'pending')"));
                q.addBindValue(id);
                q.addBindValue(scale);
                if (!q.exec())
                    return false;
            }
            return true;
        });
    if (!recorded) {
        say(tr("%1: the work cannot be kept: %2").arg(name, error.isEmpty() ? db.lastError().text() : error));
        return;
    }
    const QString moved = moveSet(path, QLatin1String(kDone), &error);
    if (moved != donePath) {
        say(tr("%1: %2").arg(name, error));
        return;
    }
    if (m_current.fileId >= 0 && m_current.fileId != id)
        say(tr("%1: takes the place of %2").arg(name, m_current.name));
    snapshot.sourceFile = donePath;
    m_current = {id, name, snapshot};
    say(tr("%1: taken, %2 PLU(s), for %n scale(s)", nullptr, scales.size()).arg(name).arg(snapshot.plus.size()));
    sendDue();
}

bool InboxDistributor::resume(QString *error)
{
    QSqlQuery q;
    if (!exec(QStringLiteral("SELECT Id, Name, Path FROM WatchFiles WHERE Inbox = ? AND State = 'pending' ORDER BY "
                             "Id DESC LIMIT 1"),
              {m_options.inbox}, error, &q))
        return false;
    if (!q.next())
        return true;
    const qint64 id = q.value(0).toLongLong();
    const QString name = q.value(1).toString();
    const QString path = q.value(2).toString();
    // Killed between its record and its move: the file is still in the inbox.
    const QString inInbox = QDir(m_options.inbox).filePath(name);
    if (!QFileInfo::exists(path) && QFileInfo::exists(inInbox)) {
        QString moveError;
        moveSet(inInbox, QLatin1String(kDone), &moveError);
    }
    PluDocument doc;
    TransferSnapshot snapshot;
    QStringList problems;
    if (!QFileInfo::exists(path) || !prepare(path, &doc, &snapshot, &problems)) {
        exec(QStringLiteral("UPDATE WatchFiles SET State = 'failed' WHERE Id = ?"), {id}, error);
        say(tr("%1: the file left to send cannot be read any more; its scales are given up").arg(name));
        return true;
    }
    m_current = {id, name, snapshot};
    say(tr("%1: taken up again where the last run left it").arg(name));
    return true;
}

void InboxDistributor::sendDue()
{
    if (m_fleet || m_stopping || m_current.fileId < 0)
        return;
    QString error;
    QSqlQuery q;
    if (!exec(QStringLiteral("SELECT Scale, NextTry FROM WatchTargets WHERE FileId = ? AND State = 'pending'"),
              {m_current.fileId}, &error, &q)) {
        say(tr("the work cannot be read: %1").arg(error));
        return;
    }
    QStringList due;
    qint64 next = -1;
    const qint64 t = now();
    while (q.next()) {
        const qint64 at = q.value(1).toLongLong();
        if (at <= t)
            due << q.value(0).toString();
        else if (next < 0 || at < next)
            next = at;
    }
    q = QSqlQuery();
    if (due.isEmpty()) {
        if (next >= 0) {
            m_retry->start(int(qMin<qint64>(next - t, 24 * 3600 * 1000)));
        } else {
            exec(QStringLiteral("UPDATE WatchFiles SET State = 'done' WHERE Id = ? AND State = 'pending'"),
                 {m_current.fileId}, &error);
            say(tr("%1: every scale has it").arg(m_current.name));
            m_current = Current();
        }
        return;
    }
    ScaleList list;
    if (!list.load(&error)) {
        say(tr("the scale list cannot be read: %1").arg(error));
        m_retry->start(m_options.firstPauseMs);
        return;
    }
    QVector<ScaleEntry> scales;
    for (const QString &name : qAsConst(due)) {
        const int at = list.indexOf(name);
        if (at >= 0) {
            scales.append(list.entries().at(at));
        } else {
            // Taken off the list since: nothing to send it to.
            exec(QStringLiteral("DELETE FROM WatchTargets WHERE FileId = ? AND Scale = ?"), {m_current.fileId, name},
                 &error);
            say(tr("%1: %2 is no longer in the scale list").arg(m_current.name, name));
        }
    }
    if (scales.isEmpty()) {
        QTimer::singleShot(0, this, &InboxDistributor::sendDue);
        return;
    }
    FleetSend::Options o;
    o.job = JobDownloadPlu;
    o.verify = m_options.verify;
    o.changesOnly = m_current.snapshot.selection.plu && !m_current.snapshot.selection.hotkey &&
                    !m_current.snapshot.selection.info && !m_current.snapshot.selection.message &&
                    !m_current.snapshot.selection.schedule && !m_current.snapshot.selection.nutrition;
    m_fleet = new FleetSend(scales, m_current.snapshot, o, this);
    m_fleetFileId = m_current.fileId;
    connect(m_fleet, &FleetSend::finished, this, &InboxDistributor::onSendFinished, Qt::QueuedConnection);
    say(tr("%1: sending to %n scale(s)", nullptr, scales.size()).arg(m_current.name));
    m_fleet->start();
}

void InboxDistributor::onSendFinished()
{
    FleetSend *fleet = m_fleet;
    m_fleet = nullptr;
    QString error;
    const QString name = m_fleetFileId == m_current.fileId ? m_current.name : tr("an earlier file");
    for (const FleetSend::Scale &s : fleet->scales()) {
        const QString scale = s.entry.name;
        if (s.state == FleetSend::State::Succeeded) {
            exec(QStringLiteral("UPDATE WatchTargets SET State = 'ok', LastError = '' WHERE FileId = ? AND Scale = ?"),
                 {m_fleetFileId, scale}, &error);
            say(tr("%1 -> %2: ok%3")
                    .arg(name, s.label(), s.note.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(s.note)));
        } else if (s.state == FleetSend::State::Cancelled) {
            say(tr("%1 -> %2: %3; left to do").arg(name, s.label(), s.result));
        } else {
            QSqlQuery q;
            int attempts = 1;
            if (exec(QStringLiteral("SELECT Attempts FROM WatchTargets WHERE FileId = ? AND Scale = ?"),
                     {m_fleetFileId, scale}, &error, &q) &&
                q.next())
                attempts = q.value(0).toInt() + 1;
            const int pause = pauseMs(attempts);
            exec(QStringLiteral("UPDATE WatchTargets SET Attempts = ?, NextTry = ?, LastError = ? WHERE FileId = ? AND "
                                "Scale = ?"),
                 {attempts, now() + pause, s.result, m_fleetFileId, scale}, &error);
            say(tr("%1 -> %2: failed: %3; next try in %4 s").arg(name, s.label(), s.result).arg(pause / 1000.0));
        }
    }
    fleet->deleteLater();
    if (m_stopping) {
        emit stopped();
        return;
    }
    sendDue();
}
