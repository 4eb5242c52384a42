#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QSocketNotifier;
class QTimer;

// Watches a folder for price lists that arrive in it and says when one is complete: written and
// closed, or renamed in, and none of the files of its set (same name up to the last dot) still
// being written. A file still being written is left alone, however long it takes. Files already
// there at the start count as complete once they have not changed for a while. Hidden files,
// temporaries and sub-folders are not looked at. On Linux the system tells of each close and
// rename; elsewhere the folder is looked at every second.
class InboxWatcher : public QObject
{
    Q_OBJECT
public:
    explicit InboxWatcher(const QString &folder, QObject *parent = nullptr);
    ~InboxWatcher() override;

    // False with *error when the folder cannot be watched.
    bool start(QString *error);
    // How long a set must be quiet before it is taken (default 1 s).
    void setSettleMs(int ms) { m_settleMs = ms; }
    // Which complete files are reported (a set's price list, not its side files); all without it.
    void setAccepts(std::function<bool(const QString &name)> accepts) { m_accepts = std::move(accepts); }
    // Forgets that a file was reported, so that it is reported again when it changes.
    void forget(const QString &path);

signals:
    // A file the filter accepts is complete.
    void fileReady(const QString &path);

private:
    struct Seen
    {
        qint64 size = -1;
        QDateTime modified;
        qint64 quietSinceMs = 0;
        bool writing = false; // opened or changed, not yet closed
    };
    void onEvents();
    void scan();
    void check();
    void noteWriting(const QString &name);
    void noteComplete(const QString &name);
    static bool ignored(const QString &name);
    static QString baseOf(const QString &name);

    QString m_folder;
    int m_settleMs = 1000;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_timer;
    qint64 m_now = 0;
    QHash<QString, Seen> m_seen; // by file name
    QSet<QString> m_reported;
    std::function<bool(const QString &)> m_accepts;
};
