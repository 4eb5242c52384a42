#include "core/AtomicFile.h"

#include "core/LogCategories.h"

#include "core/FileSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cstdlib>

namespace {
qint64 g_faultBudget = -1;
// A member's temporary is its name, this mark and the save's id (8 hex digits), so that a later
// open knows which leftovers belong to the set.
constexpr const char *kTemporaryMark = ".part-";
constexpr const char *kIntentHeader = "PLU file set intent 1";

QString describe(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("AtomicFile", "Cannot write \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The device's own reason; a device that took nothing without saying why gets a plain one.
QString reasonOf(const QFileDevice &device)
{
    return device.error() != QFileDevice::NoError
               ? device.errorString()
               : QCoreApplication::translate("AtomicFile", "The device took no more bytes");
}

bool writeAll(QFileDevice &file, const QByteArray &data, QString *reason)
{
    constexpr qint64 chunk = 1 << 16;
    // Test seam: once the budget is spent, the rest goes to /dev/full, a real device that is
    // always full, so the failure and its text are the system's own.
    QFile full(QStringLiteral("/dev/full"));
    qint64 done = 0;
    while (done < data.size()) {
        qint64 n = qMin(chunk, data.size() - done);
        QFileDevice *out = &file;
        if (g_faultBudget == 0) {
            if (!full.isOpen() && !full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                *reason = full.errorString();
                return false;
            }
            out = &full;
        } else if (g_faultBudget > 0) {
            n = qMin(n, g_faultBudget);
        }
        // A write that stops short (the disk filled up during it) says nothing about why; the
        // next one fails with the system's reason.
        const qint64 written = out->write(data.constData() + done, n);
        if (written <= 0) {
            *reason = reasonOf(*out);
            return false;
        }
        if (g_faultBudget > 0)
            g_faultBudget -= written;
        done += written;
    }
    return true; // unbuffered: nothing is left to flush
}

bool writeTemporary(const QString &path, const QByteArray &data, QString *reason)
{
    QFile file(path);
    // Unbuffered: every write reaches the system at once, with its error if it fails.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        *reason = reasonOf(file);
        return false;
    }
    const bool ok = writeAll(file, data, reason) && FileSync::flush(file, reason);
    file.close();
    if (!ok)
        QFile::remove(path);
    return ok;
}

QString temporaryFor(const QString &path, const QString &id)
{
    return path + QLatin1String(kTemporaryMark) + id;
}

// Tests end the process at a named step of a set save, as a kill -9 would.
void dieHereInTests(const QString &step)
{
    const QByteArray at = qgetenv("PLU_TEST_SET_SAVE_DIES_AT");
    if (!at.isEmpty() && at == step.toUtf8())
        std::_Exit(137);
}

QStringList folders(const QVector<AtomicFile::Member> &members)
{
    QStringList out;
    for (const AtomicFile::Member &m : members) {
        const QString folder = QFileInfo(m.path).absolutePath();
        if (!out.contains(folder))
            out << folder;
    }
    return out;
}

// "from<TAB>to" per rename, relative to the intent file's folder where they are in it, so that a
// set on a stick mounted elsewhere still finds its files.
QByteArray intentText(const QString &intent, const QVector<QPair<QString, QString>> &renames)
{
    const QDir folder = QFileInfo(intent).absoluteDir();
    QByteArray text(kIntentHeader);
    text += '\n';
    for (const auto &r : renames)
        text += folder.relativeFilePath(r.first).toUtf8() + '\t' + folder.relativeFilePath(r.second).toUtf8() + '\n';
    return text;
}
} // namespace

QString AtomicFile::intentPath(const QString &firstMember)
{
    return firstMember + QLatin1String(".intent");
}

bool AtomicFile::writeSet(const QVector<Member> &members, QString *error)
{
    const QString id = QString::number(QRandomGenerator::global()->generate() | 0x10000000u, 16);
    QVector<QPair<QString, QString>> renames;
    auto fail = [&](const QString &path, const QString &reason) {
        for (const auto &r : qAsConst(renames))
            QFile::remove(r.first);
        if (error)
            *error = describe(path, reason);
        // The caller reports it; a warning here would print it twice on a terminal.
        qCDebug(lcDocument) << "write failed:" << path << reason;
        return false;
    };
    for (const Member &m : members) {
        const QString temporary = temporaryFor(m.path, id);
        QString reason;
        if (QFileInfo(m.path).isDir())
            return fail(m.path, QCoreApplication::translate("AtomicFile", "A folder has this name"));
        if (!writeTemporary(temporary, m.data, &reason))
            return fail(m.path, reason);
        renames.append({temporary, m.path});
    }
    dieHereInTests(QStringLiteral("written"));
    const QStringList touched = folders(members);
    QString intent;
    if (members.size() > 1) {
        // Written whole before the first rename: a present intent always names every rename.
        intent = intentPath(members.first().path);
        const QString intentTemporary = temporaryFor(intent, id);
        QString reason;
        if (!writeTemporary(intentTemporary, intentText(intent, renames), &reason) ||
            !FileSync::replace(intentTemporary, intent, &reason)) {
            QFile::remove(intentTemporary);
            return fail(intent, reason);
        }
        FileSync::syncFolder(QFileInfo(intent).absolutePath());
        dieHereInTests(QStringLiteral("intent"));
    }
    for (int i = 0; i < renames.size(); ++i) {
        QString reason;
        if (!FileSync::replace(renames.at(i).first, renames.at(i).second, &reason)) {
            if (i == 0) {
                QFile::remove(intent);
                return fail(renames.at(i).second, reason);
            }
            // Some members are new already: the intent stays, and the next open finishes them.
            if (error)
                *error = describe(
                    renames.at(i).second,
                    QCoreApplication::translate("AtomicFile", "%1; the file set is finished when it is opened next")
                        .arg(reason));
            return false;
        }
        dieHereInTests(QStringLiteral("renamed %1").arg(i + 1));
    }
    for (const QString &folder : touched)
        FileSync::syncFolder(folder);
    if (!intent.isEmpty()) {
        QFile::remove(intent);
        FileSync::syncFolder(QFileInfo(intent).absolutePath());
    }
    return true;
}

bool AtomicFile::write(const QString &path, const QByteArray &data, QString *error)
{
    return writeSet({{path, data}}, error);
}

bool AtomicFile::recoverSet(const QStringList &members, QString *error)
{
    if (members.isEmpty())
        return true;
    const QString intent = intentPath(members.first());
    QFile file(intent);
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        // Only a whole intent is ever in place; anything else is not ours to act on.
        if (!lines.isEmpty() && lines.first() == kIntentHeader) {
            const QDir folder = QFileInfo(intent).absoluteDir();
            for (int i = 1; i < lines.size(); ++i) {
                const QList<QByteArray> parts = lines.at(i).split('\t');
                if (parts.size() != 2)
                    continue;
                const QString from = folder.absoluteFilePath(QString::fromUtf8(parts.at(0)));
                const QString to = folder.absoluteFilePath(QString::fromUtf8(parts.at(1)));
                QString reason;
                // Renamed already when the temporary is gone: renames run in the intent's order.
                if (QFile::exists(from) && !FileSync::replace(from, to, &reason)) {
                    if (error)
                        *error = describe(to, reason);
                    return false;
                }
            }
            FileSync::syncFolder(folder.absolutePath());
        }
        QFile::remove(intent);
    }
    // Temporaries of a save that stopped before its intent was whole: the old set stands.
    for (const QString &member : members + QStringList{intent}) {
        const QFileInfo info(member);
        const QString prefix = info.fileName() + QLatin1String(kTemporaryMark);
        for (const QString &name :
             info.absoluteDir().entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
            if (name.size() > prefix.size() &&
                name.mid(prefix.size()).contains(QRegularExpression(QStringLiteral("^[0-9a-f]{8}$"))))
                QFile::remove(info.absoluteDir().filePath(name));
        }
    }
    return true;
}

void AtomicFile::failAfterBytes(qint64 bytes)
{
    g_faultBudget = bytes;
}
