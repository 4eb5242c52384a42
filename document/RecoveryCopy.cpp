#include "document/RecoveryCopy.h"

#include "core/AppPaths.h"
#include "core/AtomicFile.h"
#include "core/LogCategories.h"
#include "document/RecoveryGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <algorithm>
#include <memory>

namespace {
// A copy's files in its folder: the grid cell for cell, the side files as the set keeps them, and
// what it is a copy of.
const char *const kMembers[] = {"copy.cells", "copy.Info", "copy.Msg", "copy.RSC", "copy.json"};
enum Member
{
    Cells,
    Info,
    Msg,
    Rsc,
    Meta
};

// Beside the folder, not in it: the lock is taken before the folder exists and given up after
// it is gone, so that another editor's look never meets a folder being made or removed.
QString sessionLock(const QString &folder)
{
    return folder + QStringLiteral(".lock");
}

QStringList memberPaths(const QString &folder)
{
    QStringList paths;
    for (const char *name : kMembers)
        paths << QDir(folder).filePath(QLatin1String(name));
    return paths;
}

bool readMember(const QString &folder, Member member, QByteArray *bytes)
{
    QFile file(memberPaths(folder).at(member));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}

bool readMeta(const QString &folder, QJsonObject *meta)
{
    QByteArray bytes;
    if (!readMember(folder, Meta, &bytes))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    *meta = doc.object();
    return doc.isObject();
}
} // namespace

// Owns this editor's recovery folder and its lock; lives on the copy's thread, so every write and
// removal happens there, in the order asked for.
class RecoveryWorker : public QObject
{
public:
    ~RecoveryWorker() override { m_lock.reset(); }

    bool write(RecoveryCopy::Snapshot snapshot, QString *error)
    {
        if (!m_lock) {
            const QString id = QStringLiteral("%1-%2")
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(QRandomGenerator::global()->generate() | 0x10000000u, 0, 16);
            const QString folder = QDir(AppPaths::recoveryDir()).filePath(id);
            auto lock = std::make_unique<QLockFile>(sessionLock(folder));
            lock->setStaleLockTime(0);
            if (!QDir().mkpath(AppPaths::recoveryDir()) || !lock->tryLock(0) || !QDir().mkpath(folder)) {
                *error = QCoreApplication::translate("RecoveryCopy", "Cannot make the recovery folder %1")
                             .arg(QDir::toNativeSeparators(folder));
                return false;
            }
            m_folder = folder;
            m_lock = std::move(lock);
        }
        const QVector<AtomicFile::Member> members = RecoveryCopy::code(m_folder, snapshot);
        snapshot = RecoveryCopy::Snapshot();
        return AtomicFile::writeSet(members, error);
    }

    void discard()
    {
        if (!m_lock)
            return;
        QDir(m_folder).removeRecursively();
        m_lock.reset(); // unlocks
        m_folder.clear();
    }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};

RecoveryCopy::RecoveryCopy(PluDocument *doc, QObject *parent)
    : QObject(parent), m_doc(doc), m_lines(PluColumns::RowCount), m_stale(PluColumns::RowCount, true),
      m_worker(new RecoveryWorker)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(3000);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::writeNow);
    m_slicer.setInterval(0);
    connect(&m_slicer, &QTimer::timeout, this, &RecoveryCopy::codeSlice);
    // Every change of the grid names its rows: only those are coded again.
    connect(doc->model(), &PluTableModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                rowsChanged(topLeft.row(), bottomRight.row());
            });
    connect(doc->model(), &PluTableModel::modelReset, this, [this] { rowsChanged(0, PluColumns::RowCount - 1); });
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("recovery"));
    m_thread.start(QThread::LowPriority);
}

RecoveryCopy::~RecoveryCopy()
{
    m_timer.stop();
    m_slicer.stop();
    m_thread.quit();
    m_thread.wait();
}

void RecoveryCopy::setDelay(int ms, int longest)
{
    m_timer.setInterval(ms);
    m_longest = longest;
}

void RecoveryCopy::rowsChanged(int first, int last)
{
    if (first <= last && first >= 0 && last < m_stale.size())
        m_stale.fill(true, first, last + 1);
}

void RecoveryCopy::schedule()
{
    if (!m_timer.isActive())
        m_pendingSince.start();
    if (m_pendingSince.elapsed() >= m_longest) {
        writeNow();
        return;
    }
    m_timer.start();
}

void RecoveryCopy::writeNow()
{
    m_timer.stop();
    if (m_writing || m_coding) {
        m_again = m_writing;
        return;
    }
    m_coding = true;
    m_slicer.start();
}

void RecoveryCopy::codeSlice()
{
    const QVector<PluTableModel::Row> &rows = m_doc->model()->rows();
    const PluTableModel::Row fresh = PluTableModel::newRow();
    int budget = SliceRows;
    for (int r = 0; r < m_lines.size() && r < rows.size(); ++r) {
        if (!m_stale.testBit(r))
            continue;
        if (budget-- == 0)
            return; // the rest at the next turn, after the operator's keys
        m_lines[r] = RecoveryGrid::encodeRow(rows.at(r), fresh);
        m_stale.clearBit(r);
    }
    m_slicer.stop();
    m_coding = false;
    m_writing = true;
    Snapshot s{m_lines,
               m_doc->rowCount(),
               m_doc->messages(),
               m_doc->schedules(),
               m_doc->advertising(),
               m_doc->currentFile(),
               m_doc->infoPath(),
               m_doc->msgPath(),
               m_doc->rscPath(),
               m_stamp};
    RecoveryWorker *worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [this, worker, s = std::move(s)]() mutable {
        QString error;
        const bool ok = worker->write(std::move(s), &error);
        if (!ok)
            qCWarning(lcDocument) << "recovery copy not written:" << error;
        QMetaObject::invokeMethod(
            this,
            [this, ok, error] {
                m_writing = false;
                emit written(ok, error);
                if (m_again) {
                    m_again = false;
                    writeNow();
                }
            },
            Qt::QueuedConnection);
    });
}

void RecoveryCopy::discard()
{
    m_timer.stop();
    m_slicer.stop();
    m_coding = false;
    m_again = false;
    RecoveryWorker *worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [worker] { worker->discard(); });
}

void RecoveryCopy::flush()
{
    while (m_coding)
        codeSlice();
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

QVector<AtomicFile::Member> RecoveryCopy::code(const QString &folder, const Snapshot &s)
{
    const QStringList paths = memberPaths(folder);
    const QJsonObject meta{{QStringLiteral("file"), s.file},
                           {QStringLiteral("info"), s.info},
                           {QStringLiteral("msg"), s.msg},
                           {QStringLiteral("rsc"), s.rsc},
                           {QStringLiteral("saved"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                           {QStringLiteral("rows"), s.rowCount},
                           {QStringLiteral("stamp"), s.stamp.toJson()}};
    return {{paths.at(Cells), RecoveryGrid::join(s.lines)},
            {paths.at(Info), s.advertising.toInfoBytes()},
            {paths.at(Msg), s.messages.toMsgBytes()},
            {paths.at(Rsc), s.schedules.toRscBytes()},
            {paths.at(Meta), QJsonDocument(meta).toJson(QJsonDocument::Compact)}};
}

QVector<RecoveryCopy::Found> RecoveryCopy::orphans()
{
    QVector<Found> found;
    const QDir root(AppPaths::recoveryDir());
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = root.filePath(name);
        // A running editor holds its folder's lock; a dead one's lock is stale and taken here.
        QLockFile lock(sessionLock(folder));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        QString error;
        QJsonObject meta;
        // A copy that a crash stopped half-way is finished (or the one before it kept).
        if (!AtomicFile::recoverSet(memberPaths(folder), &error) || !readMeta(folder, &meta)) {
            lock.unlock();
            QDir(folder).removeRecursively(); // an editor that never wrote a whole copy
            continue;
        }
        lock.unlock();
        found.append({folder, meta.value(QStringLiteral("file")).toString(),
                      QDateTime::fromString(meta.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs),
                      meta.value(QStringLiteral("rows")).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.saved > b.saved; });
    return found;
}

bool RecoveryCopy::restore(const Found &found, PluDocument *doc, FileSetStamp *stamp, QString *error)
{
    // Everything is read before the document changes.
    QJsonObject meta;
    QByteArray cells;
    QByteArray side[3];
    if (!readMeta(found.folder, &meta) || !readMember(found.folder, Cells, &cells) ||
        !readMember(found.folder, Info, &side[0]) || !readMember(found.folder, Msg, &side[1]) ||
        !readMember(found.folder, Rsc, &side[2])) {
        if (error)
            *error = QCoreApplication::translate("RecoveryCopy", "The recovery copy in %1 cannot be read")
                         .arg(QDir::toNativeSeparators(found.folder));
        return false;
    }
    QVector<PluTableModel::Row> grid;
    QString reason;
    if (!RecoveryGrid::decode(cells, &grid, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    doc->replaceGrid(std::move(grid), meta.value(QStringLiteral("rows")).toInt());
    doc->advertising().fromInfoBytes(side[0]);
    doc->messages().fromMsgBytes(side[1]);
    doc->schedules().setPeriods(ScheduleStore::parseRsc(side[2]));
    doc->setSidePaths(meta.value(QStringLiteral("info")).toString(), meta.value(QStringLiteral("msg")).toString(),
                      meta.value(QStringLiteral("rsc")).toString());
    doc->setCurrentFile(meta.value(QStringLiteral("file")).toString());
    doc->resetHistory();
    doc->setModified(true);
    if (stamp)
        *stamp = FileSetStamp::fromJson(meta.value(QStringLiteral("stamp")).toArray());
    return true;
}

void RecoveryCopy::remove(const Found &found)
{
    QDir(found.folder).removeRecursively();
}
