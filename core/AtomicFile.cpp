#include "core/AtomicFile.h"

#include "core/LogCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace {
qint64 g_faultBudget = -1;

QString tr(const char *text)
{
    return QCoreApplication::translate("AtomicFile", text);
}

QString describe(const QString &path, const QString &reason)
{
    return tr("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

bool writeAll(QSaveFile &file, const QByteArray &data, QString *reason)
{
    constexpr qint64 chunk = 1 << 16;
    qint64 done = 0;
    while (done < data.size()) {
        qint64 n = qMin(chunk, data.size() - done);
        if (g_faultBudget >= 0) {
            if (g_faultBudget == 0) {
                *reason = tr("No space left on device");
                return false;
            }
            n = qMin(n, g_faultBudget);
            g_faultBudget -= n;
        }
        const qint64 written = file.write(data.constData() + done, n);
        if (written != n) {
            *reason = file.errorString();
            return false;
        }
        done += written;
    }
    if (!file.flush()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}
} // namespace

bool AtomicFile::writeSet(const QVector<Member> &members, QString *error)
{
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const Member &m : members) {
        auto file = std::make_unique<QSaveFile>(m.path);
        QString reason;
        if (!file->open(QIODevice::WriteOnly)) {
            reason = file->errorString();
        } else if (!writeAll(*file, m.data, &reason)) {
            file->cancelWriting();
        }
        if (!reason.isEmpty()) {
            if (error)
                *error = describe(m.path, reason);
            qCWarning(lcDocument) << "write failed:" << m.path << reason;
            return false; // the unique_ptrs discard every temporary written so far
        }
        files.push_back(std::move(file));
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (!files[i]->commit()) {
            if (error)
                *error = describe(files[i]->fileName(), files[i]->errorString());
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
