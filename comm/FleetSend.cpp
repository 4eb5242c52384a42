#include "comm/FleetSend.h"

#include "comm/CancelOutcome.h"
#include "comm/ScaleJobRunner.h"
#include "comm/SendFingerprints.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "core/LogCategories.h"

#include <QEventLoop>

struct FleetSend::Run
{
    int job = 0;
    bool full = false; // the send clears the scale first, so it holds the PLUs sent and nothing else
    bool changesOnly = false;
    bool keepsHistory = false; // a named scale that gets PLUs
    TransferSnapshot snapshot;
    // "Send changes": what goes when the scale confirms the history, with their fingerprints.
    TPLUList changed;
    QVector<qint64> changedPrints;
    std::unique_ptr<ScaleJobRunner> sender;
    std::unique_ptr<TransferTarget> target;
    std::unique_ptr<PluVerify::Stream> verify;
    std::unique_ptr<ScaleJobRunner> verifier;
    std::unique_ptr<ScaleJobRunner> probe; // asks a cancelled scale what it holds
};

QString FleetSend::Scale::label() const
{
    return entry.name.isEmpty() ? address.text() : QStringLiteral("%1 (%2)").arg(entry.name, address.text());
}

FleetSend::FleetSend(const QVector<ScaleEntry> &scales, const TransferSnapshot &snapshot, const Options &options,
                     QObject *parent)
    : QObject(parent), m_snapshot(snapshot), m_options(options)
{
    for (const ScaleEntry &e : scales) {
        Scale s;
        s.entry = e;
        QString error;
        // Addresses given without the list have no name; the address is all a send needs.
        if (!ScaleAddress::parse(e.address, e.baud, &s.address, &error)) {
            s.state = State::Failed;
            s.result = error;
        }
        m_scales.append(s);
    }
    m_runs.resize(size_t(m_scales.size()));
    m_clocks.resize(m_scales.size());
    // The same packets go to every scale that gets the whole list: code them once.
    if (m_scales.size() > 1 && !m_snapshot.pluPacketsReady && sendsPlus(m_options.job, m_snapshot))
        m_snapshot.preparePluPackets();
}

FleetSend::~FleetSend() = default;

bool FleetSend::sendsPlus(int job, const TransferSnapshot &s) const
{
    return job == JobUpdatePlu || (job == JobDownloadPlu && s.selection.plu);
}

int FleetSend::succeededCount() const
{
    int n = 0;
    for (const Scale &s : m_scales)
        n += s.state == State::Succeeded ? 1 : 0;
    return n;
}

int FleetSend::failedCount() const
{
    int n = 0;
    for (const Scale &s : m_scales)
        n += s.state == State::Failed || s.state == State::Cancelled ? 1 : 0;
    return n;
}

QString FleetSend::summary() const
{
    QString text = tr("%1 of %2 scales succeeded.").arg(succeededCount()).arg(m_scales.size());
    QStringList failed;
    for (const Scale &s : m_scales) {
        if (s.state == State::Failed || s.state == State::Cancelled)
            failed << tr("%1: %2").arg(s.entry.name.isEmpty() ? s.address.text() : s.entry.name, s.result);
    }
    if (!failed.isEmpty())
        text += QLatin1Char('\n') + tr("Not done:") + QLatin1Char('\n') + failed.join(QLatin1Char('\n'));
    QStringList warnings;
    for (const Scale &s : m_scales) {
        if (!s.warning.isEmpty())
            warnings << tr("%1: %2").arg(s.entry.name.isEmpty() ? s.address.text() : s.entry.name, s.warning);
    }
    if (!warnings.isEmpty())
        text += QLatin1Char('\n') + tr("Warnings:") + QLatin1Char('\n') + warnings.join(QLatin1Char('\n'));
    return text;
}

const QVector<qint64> &FleetSend::prints()
{
    if (!m_printsReady) {
        m_prints = SendFingerprints::fingerprints(m_snapshot.plus);
        m_printsReady = true;
    }
    return m_prints;
}

const PluVerify::Index &FleetSend::sentIndex()
{
    if (!m_sentIndexReady) {
        m_sentIndex = PluVerify::index(m_snapshot.plus);
        m_sentIndexReady = true;
    }
    return m_sentIndex;
}

void FleetSend::setState(int index, State state)
{
    m_scales[index].state = state;
    emit scaleChanged(index);
}

void FleetSend::start()
{
    m_cancelled = false;
    for (int i = 0; i < m_scales.size(); ++i) {
        if (m_scales.at(i).state == State::Waiting)
            m_queue.append(i);
    }
    launchQueued();
    if (!isRunning())
        emit finished();
}

void FleetSend::retryFailed()
{
    if (isRunning())
        return;
    m_cancelled = false;
    for (int i = 0; i < m_scales.size(); ++i) {
        Scale &s = m_scales[i];
        if ((s.state != State::Failed && s.state != State::Cancelled) || s.address.text().isEmpty())
            continue;
        s.current = s.total = 0;
        s.status.clear();
        s.result.clear();
        s.note.clear();
        s.warning.clear();
        s.differences.clear();
        setState(i, State::Waiting);
        m_queue.append(i);
    }
    launchQueued();
    if (!isRunning())
        emit finished();
}

void FleetSend::wait()
{
    if (!isRunning())
        return;
    QEventLoop loop;
    connect(this, &FleetSend::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void FleetSend::cancelAll()
{
    m_cancelled = true;
    for (int i : qAsConst(m_queue)) {
        m_scales[i].result = CancelOutcome::unchanged();
        setState(i, State::Cancelled);
    }
    m_queue.clear();
    for (const auto &run : m_runs) {
        if (!run)
            continue;
        for (ScaleJobRunner *r : {run->sender.get(), run->verifier.get()}) {
            if (r && r->isRunning())
                r->worker()->requestBreak();
        }
    }
    if (!isRunning())
        emit finished();
}

void FleetSend::launchQueued()
{
    while (!m_queue.isEmpty() && m_running < MaxParallel)
        startScale(m_queue.takeFirst());
}

SendPlan FleetSend::changesPlan(int index, Run &run)
{
    Scale &s = m_scales[index];
    SendFingerprints::Plan history;
    QString error;
    if (!SendFingerprints().plan(s.entry.name, m_snapshot.plus, prints(), &history, &error)) {
        history = SendFingerprints::Plan();
        history.reason = tr("sending everything: the send history cannot be read (%1)").arg(error);
    }
    SendPlan plan;
    plan.changesOnly = true;
    plan.recorded = history.recorded;
    if (history.full) {
        plan.fullReason = history.reason;
        s.note = history.reason;
        return plan;
    }
    run.changed.reserve(history.rows.size());
    run.changedPrints.reserve(history.rows.size());
    for (int r : qAsConst(history.rows)) {
        run.changed.append(m_snapshot.plus.at(r));
        run.changedPrints.append(prints().at(r));
    }
    plan.changed = run.changed;
    return plan; // the note comes when the scale has confirmed the history, or not
}

void FleetSend::startScale(int index)
{
    Scale &s = m_scales[index];
    if (m_runs[size_t(index)])
        m_finished.push_back(std::move(m_runs[size_t(index)]));
    auto run = std::make_unique<Run>();
    run->job = m_options.job;
    run->snapshot = m_snapshot;
    s.pluCount = -1;
    const bool named = m_options.keepFingerprints && !s.entry.name.isEmpty();
    SendPlan plan;
    if (m_options.changesOnly && named) {
        run->changesOnly = true;
        run->job = JobDownloadPlu;
        run->snapshot.selection = DownloadSelection();
        run->snapshot.selection.plu = true;
        plan = changesPlan(index, *run);
    }
    run->full = run->job == JobDownloadPlu && run->snapshot.selection.plu;
    if (sendsPlus(run->job, run->snapshot)) {
        s.pluCount = plan.changesOnly && plan.fullReason.isEmpty() ? run->changed.size() : run->snapshot.plus.size();
        run->keepsHistory = named;
    }
    // Before anything reaches the scale: a send that never ends (killed, a power cut) must not
    // leave the last good send's history standing.
    QString error;
    if (run->keepsHistory && !SendFingerprints().markInProgress(s.entry.name, &error))
        s.warning = tr("the send history could not be kept: %1").arg(error);
    run->sender = std::make_unique<ScaleJobRunner>(s.address, run->job, run->snapshot, nullptr);
    ScaleJobRunner *sender = run->sender.get();
    sender->setSendAhead(SendAheadFrames);
    sender->worker()->setSendPlan(plan);
    follow(sender, index);
    connect(sender->worker(), &ZQCommucationProcess::planChosen, this,
            [this, index, changed = run->changed.size()](bool everything, const QString &why) {
                m_scales[index].note = why;
                m_scales[index].pluCount = everything ? m_snapshot.plus.size() : changed;
                emit progressChanged(index);
            });
    connect(sender, &ScaleJobRunner::ended, this, [this, index](bool ok) { onSent(index, ok); });
    m_runs[size_t(index)] = std::move(run);
    ++m_running;
    m_clocks[index].start();
    setState(index, State::Sending);
    sender->start();
}

void FleetSend::follow(ScaleJobRunner *runner, int index)
{
    runner->setLinkTimeoutMs(m_scales.at(index).entry.timeoutMs);
    connect(runner, &ScaleJobRunner::statusChanged, this, [this, index](const QString &text, bool) {
        m_scales[index].status = text;
        emit progressChanged(index);
    });
    connect(runner, &ScaleJobRunner::progressChanged, this, [this, index](int current, int total) {
        m_scales[index].current = current;
        m_scales[index].total = total;
        emit progressChanged(index);
    });
}

void FleetSend::onSent(int index, bool ok)
{
    Scale &s = m_scales[index];
    Run &run = *m_runs[size_t(index)];
    if (!ok && m_cancelled) {
        onCancelled(index);
        return;
    }
    if (!ok) {
        finishScale(index, false, s.status.isEmpty() ? tr("no answer") : s.status);
        return;
    }
    if (run.sender->worker()->goodbyeMissed())
        s.warning = tr("the scale did not answer the goodbye");
    if (run.job == JobNone0) {
        finishScale(index, true, tr("connected in %1 ms").arg(m_clocks[index].elapsed()));
        return;
    }
    if (!m_options.verify || !sendsPlus(run.job, run.snapshot) || m_cancelled) {
        finishScale(index, true, tr("ok"));
        return;
    }
    // Read back what the scale holds, the PLUs only, and compare each batch as it comes: twenty
    // scales must not each hold a whole grid.
    const bool everything = run.full && (!run.changesOnly || run.sender->worker()->sentEverything());
    // A send of changes is checked against the whole list too: the scale must now equal the file.
    const bool exact = everything || run.changesOnly;
    run.verify = std::make_unique<PluVerify::Stream>(m_snapshot.plus, sentIndex(), exact);
    TransferSnapshot readBack;
    readBack.hasDocument = true;
    readBack.customHotkeyFunctions = false;
    run.target = std::make_unique<TransferTarget>(nullptr);
    run.target->setPluSink([stream = run.verify.get()](const QVector<QPair<int, TPLU>> &batch) {
        for (const QPair<int, TPLU> &p : batch)
            stream->add(p.second);
    });
    run.verifier = std::make_unique<ScaleJobRunner>(s.address, JobUploadPluForHotkeys, readBack, run.target.get());
    ScaleJobRunner *verifier = run.verifier.get();
    follow(verifier, index);
    connect(verifier, &ScaleJobRunner::ended, this, [this, index](bool done) { onVerified(index, done); });
    setState(index, State::Verifying);
    verifier->start();
}

void FleetSend::onCancelled(int index)
{
    Run &run = *m_runs[size_t(index)];
    const ZQCommucationProcess &worker = *run.sender->worker();
    if (!CancelOutcome::needsScale(worker)) {
        finishScale(index, false, CancelOutcome::text(worker));
        return;
    }
    // The scale lost its old list: only it can say how much of the new one arrived.
    run.probe = std::make_unique<ScaleJobRunner>(m_scales.at(index).address, JobNone0, TransferSnapshot(), nullptr);
    run.probe->worker()->setReadsState(true);
    follow(run.probe.get(), index);
    connect(run.probe.get(), &ScaleJobRunner::ended, this, [this, index](bool answered) {
        Run &r = *m_runs[size_t(index)];
        const int held = answered ? r.probe->worker()->stateAfter().plus : -1;
        finishScale(index, false, CancelOutcome::text(*r.sender->worker(), held));
    });
    run.probe->start();
}

void FleetSend::onVerified(int index, bool ok)
{
    Scale &s = m_scales[index];
    Run &run = *m_runs[size_t(index)];
    if (!ok) {
        finishScale(index, false,
                    m_cancelled
                        ? tr("cancelled while reading back: the list was sent")
                        : tr("sent, but reading back failed: %1").arg(s.status.isEmpty() ? tr("no answer") : s.status));
        return;
    }
    // An upload announces no total; once it is through, the count is the whole.
    s.current = s.total = run.verify->count();
    s.differences = run.verify->finish();
    run.verify.reset();
    run.target.reset();
    if (s.differences.isEmpty()) {
        finishScale(index, true, tr("verified"));
        return;
    }
    finishScale(index, false, tr("differs: %1").arg(s.differences.first().text()));
}

void FleetSend::keepHistory(int index, Run &run, bool ok)
{
    Scale &s = m_scales[index];
    const ZQCommucationProcess *worker = run.sender->worker();
    const ScaleMemoryState after = worker->stateAfter();
    SendFingerprints history;
    QString error;
    bool stored = false;
    if (!ok)
        stored = history.recordFailure(s.entry.name, &error);
    else if (run.changesOnly && !worker->sentEverything())
        stored = history.recordUpdate(s.entry.name, run.changed, run.changedPrints, after, &error);
    else if (run.full)
        stored = history.recordFull(s.entry.name, run.snapshot.plus, prints(), after, &error);
    else
        stored = history.recordUpdate(s.entry.name, run.snapshot.plus, prints(), after, &error);
    if (!stored) {
        qCWarning(lcComm) << "send history of" << s.entry.name << "not kept:" << error;
        s.warning = tr("the send history could not be kept: %1").arg(error);
    }
}

void FleetSend::finishScale(int index, bool ok, const QString &result)
{
    Scale &s = m_scales[index];
    Run &run = *m_runs[size_t(index)];
    s.result = result;
    s.elapsedMs = m_clocks[index].elapsed();
    // A cancelled send stays "in progress": the next send of changes sends everything.
    if (run.keepsHistory && (ok || !m_cancelled))
        keepHistory(index, run, ok);
    --m_running;
    setState(index, ok ? State::Succeeded : m_cancelled ? State::Cancelled : State::Failed);
    launchQueued();
    if (!isRunning())
        emit finished();
}
