#include "comm/ScaleJobRunner.h"

#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"

#include <QCoreApplication>
#include <QTimer>

ScaleJobRunner::ScaleJobRunner(const ScaleAddress &address, int job, const TransferSnapshot &snapshot,
                               TransferTarget *target, QObject *parent)
    : QObject(parent), m_address(address), m_worker(std::make_unique<ZQCommucationProcess>()),
      m_progressTimer(new QTimer(this))
{
    m_worker->setTransferParameters(address.link(), address.baud(), address.linkType(), job);
    m_worker->setSnapshot(snapshot);
    m_worker->setTarget(target);
    if (target) {
        connect(target, &TransferTarget::updateTotalPackage, this, &ScaleJobRunner::onTotal);
        connect(target, &TransferTarget::updateCurPackage, this, &ScaleJobRunner::onCurrent);
    }
    // The worker counts every packet; handing each count to this thread would wake it thousands
    // of times a second per scale, which costs more than the sending when many scales run at once.
    // The worker's thread only stores its latest counts, and this thread looks at them now and then.
    connect(
        m_worker.get(), &ZQCommucationProcess::updateTotalPackage, this, [this](int total) { m_workerTotal = total; },
        Qt::DirectConnection);
    connect(
        m_worker.get(), &ZQCommucationProcess::updateCurPackage, this,
        [this](int current) { m_workerCurrent = current; }, Qt::DirectConnection);
    connect(m_progressTimer, &QTimer::timeout, this, &ScaleJobRunner::pollWorkerProgress);
    connect(m_worker.get(), &ZQCommucationProcess::updateStatus, this, [this](bool isError, const QString &text) {
        m_lastStatus = text;
        emit statusChanged(text, isError);
    });
    // A job that fails inside an upload call never reports its end; the thread stopping does.
    // Queued behind the worker's last signals, so the last status is known by then.
    connect(m_worker.get(), &QThread::finished, this, &ScaleJobRunner::onWorkerStopped, Qt::QueuedConnection);
}

void ScaleJobRunner::setLinkTimeoutMs(int ms)
{
    m_worker->setLinkTimeoutMs(ms);
}

void ScaleJobRunner::setSendAhead(int frames)
{
    m_worker->setSendAhead(frames);
}

ScaleJobRunner::~ScaleJobRunner()
{
    // The worker may be waiting for this thread to take a record: keep delivering until it ends.
    while (!m_worker->wait(20))
        QCoreApplication::processEvents();
}

void ScaleJobRunner::start()
{
    if (m_running || m_ended)
        return;
    if (!m_worker->libraryLoaded()) {
        m_lastStatus = tr("The scale link library could not be loaded");
        emit statusChanged(m_lastStatus, true);
        // Ended from the event loop, as a real job would be, so callers connect before it fires.
        QTimer::singleShot(0, this, [this] { end(false); });
        return;
    }
    m_running = true;
    m_progressTimer->start(50);
    m_worker->start();
}

void ScaleJobRunner::onTotal(int total)
{
    // A new step counts from its own start: its first count is news even if the number is not.
    if (total != m_total)
        m_current = -1;
    m_total = total;
}

void ScaleJobRunner::onCurrent(int current)
{
    if (current == m_current)
        return;
    m_current = current;
    emit progressChanged(current, m_total);
}

void ScaleJobRunner::pollWorkerProgress()
{
    const int total = m_workerTotal.exchange(-1);
    if (total >= 0)
        onTotal(total);
    const int current = m_workerCurrent.exchange(-1);
    if (current >= 0)
        onCurrent(current);
}

void ScaleJobRunner::onWorkerStopped()
{
    m_progressTimer->stop();
    pollWorkerProgress();
    end(m_worker->isFinished());
}

void ScaleJobRunner::end(bool succeeded)
{
    if (m_ended)
        return;
    m_running = false;
    m_ended = true;
    m_succeeded = succeeded;
    emit ended(succeeded);
}
