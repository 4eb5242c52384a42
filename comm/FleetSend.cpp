#include "comm/FleetSend.h"

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
    TransferSnapshot snapshot;
    QVector<qint64> prints; // of snapshot.plus, when the send history is kept
    std::unique_ptr<ScaleJobRunner> sender;
    std::unique_ptr<TransferTarget> target;
    std::unique_ptr<ScaleJobRunner> verifier;
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
        m_scales[i].result = tr("cancelled");
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
    bool changesOnly = false; // run->prints already hold the changed PLUs' fingerprints
    if (m_options.changesOnly && named) {
        SendFingerprints::Plan plan;
        QString error;
        if (!SendFingerprints().plan(s.entry.name, m_snapshot.plus, prints(), &plan, &error)) {
            plan = SendFingerprints::Plan();
            plan.reason = tr("sending everything: the send history cannot be read (%1)").arg(error);
        }
        run->snapshot.selection = DownloadSelection();
        run->snapshot.selection.plu = true;
        if (plan.full) {
            run->job = JobDownloadPlu;
            s.note = plan.reason;
        } else {
            run->job = JobUpdatePlu;
            TPLUList subset;
            QVector<qint64> subsetPrints;
            subset.reserve(plan.rows.size());
            subsetPrints.reserve(plan.rows.size());
            for (int r : qAsConst(plan.rows)) {
                subset.append(m_snapshot.plus.at(r));
                subsetPrints.append(prints().at(r));
            }
            run->snapshot.plus = subset;
            run->prints = subsetPrints;
            changesOnly = true;
            run->snapshot.pluPackets.clear();
            run->snapshot.pluPacketsReady = false;
            s.note = tr("%n changed PLU(s)", nullptr, subset.size());
        }
    }
    run->full = run->job == JobDownloadPlu && run->snapshot.selection.plu;
    if (sendsPlus(run->job, run->snapshot)) {
        s.pluCount = run->snapshot.plus.size();
        if (named && !changesOnly)
            run->prints = prints();
    }
    run->sender = std::make_unique<ScaleJobRunner>(s.address, run->job, run->snapshot, nullptr);
    ScaleJobRunner *sender = run->sender.get();
    sender->setSendAhead(SendAheadFrames);
    follow(sender, index);
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
    if (!ok) {
        finishScale(index, false, m_cancelled ? tr("cancelled") : s.status.isEmpty() ? tr("no answer") : s.status);
        return;
    }
    if (run.job == JobNone0) {
        finishScale(index, true, tr("connected in %1 ms").arg(m_clocks[index].elapsed()));
        return;
    }
    if (!m_options.verify || !sendsPlus(run.job, run.snapshot) || m_cancelled) {
        finishScale(index, true, tr("ok"));
        return;
    }
    // Read back what the scale holds: the PLUs only, whatever the settings ask of an upload.
    TransferSnapshot readBack;
    readBack.hasDocument = true;
    readBack.customHotkeyFunctions = false;
    run.target = std::make_unique<TransferTarget>(nullptr);
    run.verifier = std::make_unique<ScaleJobRunner>(s.address, JobUploadPluForHotkeys, readBack, run.target.get());
    ScaleJobRunner *verifier = run.verifier.get();
    follow(verifier, index);
    connect(verifier, &ScaleJobRunner::ended, this, [this, index](bool done) { onVerified(index, done); });
    setState(index, State::Verifying);
    verifier->start();
}

void FleetSend::onVerified(int index, bool ok)
{
    Scale &s = m_scales[index];
    Run &run = *m_runs[size_t(index)];
    if (!ok) {
        finishScale(index, false,
                    m_cancelled
                        ? tr("cancelled")
                        : tr("sent, but reading back failed: %1").arg(s.status.isEmpty() ? tr("no answer") : s.status));
        return;
    }
    const TransferTarget::Staged &staged = run.target->staged();
    const PluTableModel::Row empty = PluTableModel::newRow();
    TPLUList read;
    read.reserve(staged.rowCount);
    for (int r = 0; r < staged.rowCount; ++r) {
        if (staged.rows.at(r) != empty)
            read.append(PluTableModel::pluFromRow(staged.rows.at(r)));
    }
    run.target.reset();
    // An upload announces no total; once it is through, the count is the whole.
    s.current = s.total = read.size();
    // A send of changes is checked against the whole list: the scale must now equal the file.
    const bool exact = run.full || m_options.changesOnly;
    s.differences = PluVerify::compare(m_snapshot.plus, read, exact);
    if (s.differences.isEmpty()) {
        finishScale(index, true, tr("verified"));
        return;
    }
    finishScale(index, false, tr("differs: %1").arg(s.differences.first().text()));
}

void FleetSend::finishScale(int index, bool ok, const QString &result)
{
    Scale &s = m_scales[index];
    Run &run = *m_runs[size_t(index)];
    s.result = result;
    s.elapsedMs = m_clocks[index].elapsed();
    if (m_options.keepFingerprints && !s.entry.name.isEmpty() && sendsPlus(run.job, run.snapshot)) {
        SendFingerprints prints;
        QString error;
        const bool stored = !ok        ? prints.recordFailure(s.entry.name, &error)
                            : run.full ? prints.recordFull(s.entry.name, run.snapshot.plus, run.prints, &error)
                                       : prints.recordUpdate(s.entry.name, run.snapshot.plus, run.prints, &error);
        if (!stored) {
            qCWarning(lcComm) << "send history of" << s.entry.name << "not kept:" << error;
            s.note = tr("the send history could not be kept: %1").arg(error);
        }
    }
    --m_running;
    setState(index, ok ? State::Succeeded : m_cancelled ? State::Cancelled : State::Failed);
    launchQueued();
    if (!isRunning())
        emit finished();
}
