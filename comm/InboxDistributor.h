#pragma once

#include "comm/DownloadSelection.h"
#include "comm/TransferSnapshot.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class FleetSend;
class InboxWatcher;
class PluDocument;
class QTimer;

// Hands-off distribution: every price list that arrives complete in an inbox is checked and sent to
// every scale of a group at once, as changes. A file that fails its checks goes to "failed/" with
// a report beside it, and no scale is touched; a file that went out goes to "done/". Scales that
// fail are tried again after a pause that doubles from the first (one minute) to the most (thirty),
// until they have it or a newer file takes its place: the newest file always wins. The work still
// to do is kept in the installation database, so a stopped, killed or rebooted watcher goes on
// where it was. Every event is one line (event()).
class InboxDistributor : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QString inbox;
        QString group; // empty with all: every scale of the list
        bool all = false;
        bool verify = false;
        // Only PLUs (the default) go as changes; other parts make a full send of those parts.
        DownloadSelection parts;
        int firstPauseMs = 60 * 1000;
        int longestPauseMs = 30 * 60 * 1000;
        int settleMs = 1000;
    };
    // Reads a price list whole and checks it as the imports do; false with the problems.
    using Loader = std::function<bool(const QString &path, PluDocument *doc, QStringList *problems)>;
    using Accepts = std::function<bool(const QString &name)>;

    InboxDistributor(const Options &options, Loader loader, Accepts accepts, QObject *parent = nullptr);
    ~InboxDistributor() override;

    // Makes "done/" and "failed/", takes up the work a former run left, and starts watching.
    bool start(QString *error);
    // Breaks off the send under way (the packets on the line still arrive); the scales it had not
    // finished stay to do. stopped() follows.
    void stop();

signals:
    void event(const QString &line);
    void stopped();

private:
    struct Current
    {
        qint64 fileId = -1;
        QString name;
        TransferSnapshot snapshot;
    };
    void onFileReady(const QString &path);
    void refuse(const QString &path, const QStringList &problems);
    bool prepare(const QString &path, PluDocument *doc, TransferSnapshot *snapshot, QStringList *problems);
    void sendDue();
    void onSendFinished();
    bool resume(QString *error);
    int pauseMs(int attempts) const;
    QString moveSet(const QString &path, const QString &folder, QString *error);
    QStringList groupScales(QString *error) const;
    void say(const QString &line) { emit event(line); }

    Options m_options;
    Loader m_loader;
    Accepts m_accepts;
    InboxWatcher *m_watcher = nullptr;
    QTimer *m_retry;
    Current m_current;
    FleetSend *m_fleet = nullptr;
    qint64 m_fleetFileId = -1;
    bool m_stopping = false;
};
