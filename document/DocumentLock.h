#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

// Marks a PLU file as open in one editor: a lock file beside it, ".NAME.lock" (hidden, no member
// of the file set, and read by no reader of PLU files), that a second editor finds. A lock whose
// editor died (its process is gone) is taken over; a lock never goes stale by age, since an
// editor may keep a file open for days.
class DocumentLock
{
    Q_DECLARE_TR_FUNCTIONS(DocumentLock)
public:
    DocumentLock();
    ~DocumentLock(); // releases the lock
    DocumentLock(const DocumentLock &) = delete;
    DocumentLock &operator=(const DocumentLock &) = delete;

    static QString lockPath(const QString &file);

    enum class Result
    {
        Locked,        // this editor holds the file now
        HeldElsewhere, // another running editor holds it
        Unavailable    // no lock can be made there (a read-only folder): nobody can save there either
    };
    Result lock(const QString &file);
    void unlock();
    // The file this lock holds; empty when none.
    QString file() const { return m_file; }
    bool holds(const QString &file) const;

    // Who holds a file's lock, as a second editor tells its operator.
    struct Holder
    {
        QString user;
        QString host;
        QDateTime since;
        qint64 pid = 0;
        // "user on host, since time"
        QString describe() const;
    };
    static Holder holderOf(const QString &file);

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_file;
};
