#pragma once

#include "comm/ScaleAddress.h"
#include "comm/TransferSnapshot.h"

#include <QObject>
#include <atomic>
#include <memory>

class QTimer;
class TransferTarget;
class ZQCommucationProcess;

// Runs one transfer job against one scale without a window: owns the worker, turns its signals
// into status and progress, and tells when and how the job ended. Several runners may run at
// once, one scale each; the thread that owns them must keep its event loop going, because the
// worker hands received records over with blocking queued calls.
class ScaleJobRunner : public QObject
{
    Q_OBJECT
public:
    // target stages what an upload brings (commit it when the job succeeded); it may be null for
    // downloads. One target per runner, so that its progress signals belong to this scale.
    ScaleJobRunner(const ScaleAddress &address, int job, const TransferSnapshot &snapshot, TransferTarget *target,
                   QObject *parent = nullptr);
    ~ScaleJobRunner() override;

    // This scale's own time-out for its exchanges; 0 keeps the settings file's. Before start().
    void setLinkTimeoutMs(int ms);
    // PLU frames that may go ahead of the scale's answers on TCP; 0 for one at a time.
    void setSendAhead(int frames);
    void start();
    bool isRunning() const { return m_running; }
    bool hasEnded() const { return m_ended; }
    // The worker got to the end of its sequence and disconnected cleanly.
    bool succeeded() const { return m_succeeded; }
    // The last status text the worker reported; on failure, what went wrong.
    QString lastStatus() const { return m_lastStatus; }
    const ScaleAddress &address() const { return m_address; }
    ZQCommucationProcess *worker() const { return m_worker.get(); }

signals:
    void statusChanged(const QString &text, bool isError);
    // One per new current count; total is the latest known total.
    void progressChanged(int current, int total);
    void ended(bool succeeded);

private:
    void onTotal(int total);
    void onCurrent(int current);
    void onWorkerStopped();
    // Takes the worker's latest counts over; see the constructor.
    void pollWorkerProgress();
    void end(bool succeeded);

    ScaleAddress m_address;
    std::unique_ptr<ZQCommucationProcess> m_worker;
    QString m_lastStatus;
    int m_total = 0;
    int m_current = -1;
    std::atomic<int> m_workerTotal{-1};
    std::atomic<int> m_workerCurrent{-1};
    QTimer *m_progressTimer;
    bool m_running = false;
    bool m_ended = false;
    bool m_succeeded = false;
};
