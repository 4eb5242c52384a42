#include "core/AtomicFile.h"

#include "core/LogCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace {
qint64 g_faultBudget = -1;

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

bool writeAll(QSaveFile &file, const QByteArray &data, QString *reason)
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
} // namespace

bool AtomicFile::writeSet(const QVector<Member> &members, QString *error)
{
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const Member &m : members) {
        auto file = std::make_unique<QSaveFile>(m.path);
        QString reason;
        // Unbuffered: every write reaches the system at once, with its error if it fails.
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            reason = reasonOf(*file);
        } else if (!writeAll(*file, m.data, &reason)) {
            file->cancelWriting();
        }
        if (!reason.isEmpty()) {
            if (error)
                *error = describe(m.path, reason);
            // The caller reports it; a warning here would print it twice on a terminal.
            qCDebug(lcDocument) << "write failed:" << m.path << reason;
            return false; // the unique_ptrs discard every temporary written so far
        }
        files.push_back(std::move(file));
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (!files[i]->commit()) {
            if (error)
                *error = describe(files[i]->fileName(), reasonOf(*files[i]));
            return false;
        }
    }
    return true;
}

bool AtomicFile::write(const QString &path, const QByteArray &data, QString *error)
{
    return writeSet({{path, data}}, error);
}

void AtomicFile::failAfterBytes(qint64 bytes)
{
    g_faultBudget = bytes;
}
