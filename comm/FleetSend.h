#pragma once

#include "comm/PluVerify.h"
#include "comm/ScaleEntry.h"
#include "comm/SendPlan.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"

#include <QElapsedTimer>
#include <QObject>
#include <QVector>
#include <memory>
#include <vector>

class ScaleJobRunner;
class TransferTarget;

// Runs one transfer job against many scales at once, each on its own worker, and keeps a result
// per scale: the editor's send-to-many and plu-cli send share it. Optionally reads the PLUs back
// after the send and compares them as they arrive, and sends only what changed since the last send
// (by the fingerprints of the local database, confirmed by the scale before they are trusted). A
// named scale's history is marked in progress before its send starts and updated only after a send
// that ended well.
class FleetSend : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Waiting,
        Sending,
        Verifying,
        Succeeded,
        Failed,
        Cancelled
    };
    struct Options
    {
        int job = JobDownloadPlu; // JobDownloadPlu, JobUpdatePlu or JobDownloadAdvertising
        bool verify = false;
        bool changesOnly = false;
        // Named scales remember what they were sent; ad hoc addresses do not.
        bool keepFingerprints = true;
    };
    struct Scale
    {
        ScaleEntry entry; // an empty name: an address given without the list
        ScaleAddress address;
        State state = State::Waiting;
        int current = 0;
        int total = 0;
        int pluCount = -1; // PLUs this send carries; -1 when it sends none
        QString status;    // the worker's last words
        QString result;    // the outcome in words
        QString note;      // why a send of changes sends everything, and similar
        QString warning;   // something the operator must know although the send went on
        QVector<PluVerify::Difference> differences;
        qint64 elapsedMs = 0; // from the start of the attempt to its end

        QString label() const; // "NAME (ADDRESS)" or the address alone
    };

    FleetSend(const QVector<ScaleEntry> &scales, const TransferSnapshot &snapshot, const Options &options,
              QObject *parent = nullptr);
    ~FleetSend() override;

    void start();
    // Sends again to every scale that failed or was cancelled.
    void retryFailed();
    void cancelAll();
    // Returns once every scale is through, delivering events meanwhile (for the command line,
    // tests and benchmarks, which have no window to wait in).
    void wait();
    bool isRunning() const { return m_running > 0 || !m_queue.isEmpty(); }
    const QVector<Scale> &scales() const { return m_scales; }
    int succeededCount() const;
    int failedCount() const;
    // "N of M scales succeeded." and the names and reasons of the others.
    QString summary() const;
    // At most this many workers run at once; the rest wait their turn.
    static constexpr int MaxParallel = 64;
    // PLU frames of about 4 KiB each that may go ahead of a TCP scale's answers: a round trip per
    // packet would cost each scale more than the whole list's coding.
    static constexpr int SendAheadFrames = 16;

signals:
    void scaleChanged(int index);
    void progressChanged(int index);
    void finished();

private:
    struct Run;
    void launchQueued();
    void startScale(int index);
    // Shows a runner's status and progress in the scale's row, with the scale's own time-out.
    void follow(ScaleJobRunner *runner, int index);
    void onSent(int index, bool ok);
    void onCancelled(int index);
    void onVerified(int index, bool ok);
    void finishScale(int index, bool ok, const QString &result);
    bool sendsPlus(int job, const TransferSnapshot &s) const;
    // What "Send changes" would send to this named scale, as its history sees it.
    SendPlan changesPlan(int index, Run &run);
    void keepHistory(int index, Run &run, bool ok);
    void setState(int index, State state);

    QVector<Scale> m_scales;
    QVector<QElapsedTimer> m_clocks;
    TransferSnapshot m_snapshot;
    Options m_options;
    // Fingerprints of m_snapshot.plus and its rows by LF code, worked out at the first need and
    // shared by every scale.
    QVector<qint64> m_prints;
    bool m_printsReady = false;
    const QVector<qint64> &prints();
    PluVerify::Index m_sentIndex;
    bool m_sentIndexReady = false;
    const PluVerify::Index &sentIndex();
    std::vector<std::unique_ptr<Run>> m_runs;     // one per scale, the current attempt
    std::vector<std::unique_ptr<Run>> m_finished; // ended attempts, kept until the end
    QVector<int> m_queue;
    int m_running = 0;
    bool m_cancelled = false;
};
