// plu-cli scales ... and send to the scales of the scale list.
#include "PluCli.h"

#include "comm/FleetSend.h"
#include "comm/ScaleList.h"
#include "comm/TransferSnapshot.h"

#include <QTimer>
#include <atomic>
#include <csignal>

namespace {
std::atomic<bool> g_stopAsked{false};
extern "C" void askStop(int)
{
    g_stopAsked = true;
}

// Ctrl+C or a SIGTERM cancels the send the way the editor's Cancel does: what each scale was
// left holding is still said. Restores the previous handlers when it goes.
class StopSignals
{
public:
    explicit StopSignals(FleetSend &fleet) : m_int(std::signal(SIGINT, askStop)), m_term(std::signal(SIGTERM, askStop))
    {
        g_stopAsked = false;
        QObject::connect(&m_watch, &QTimer::timeout, &fleet, [&fleet] {
            if (g_stopAsked.exchange(false))
                fleet.cancelAll();
        });
        m_watch.start(50);
    }
    ~StopSignals()
    {
        std::signal(SIGINT, m_int);
        std::signal(SIGTERM, m_term);
    }

private:
    using Handler = void (*)(int);
    Handler m_int;
    Handler m_term;
    QTimer m_watch;
};
} // namespace

bool PluCli::checkScalesCommand(const Options &options, QString *error)
{
    const QStringList &args = options.positional;
    const QString sub = args.value(0);
    const bool ok = (sub == QLatin1String("add") && args.size() == 3) ||
                    (sub == QLatin1String("list") && args.size() == 1) ||
                    (sub == QLatin1String("remove") && args.size() == 2) ||
                    (sub == QLatin1String("test") && (args.size() == 2) != !options.group.isEmpty());
    if (!ok) {
        *error = tr("scales takes: add NAME ADDR [--group G] [--baud N], list, remove NAME, or test NAME|--group G");
        return false;
    }
    if (!options.scales.isEmpty() || options.all || options.changed || options.verify) {
        *error = tr("scales takes no --scale, --all, --changed or --verify");
        return false;
    }
    return true;
}

int PluCli::runScalesCommand(const Options &options)
{
    const QStringList &args = options.positional;
    const QString sub = args.at(0);
    ScaleList list;
    QString error;
    if (!list.load(&error)) {
        printErr(tr("plu-cli: the scale list: %1").arg(error));
        return Failed;
    }
    if (sub == QLatin1String("list")) {
        for (const ScaleEntry &e : list.entries())
            printOut(
                QStringList{e.name, e.group, e.linkName(), e.address, QString::number(e.baud)}.join(QLatin1Char('\t')));
        return Success;
    }
    if (sub == QLatin1String("add") || sub == QLatin1String("remove")) {
        ScaleEntry e;
        e.name = args.at(1);
        e.address = args.value(2);
        e.group = options.group;
        e.baud = options.baud;
        if (sub == QLatin1String("add") ? list.add(e, &error) : list.remove(e.name, &error))
            return Success;
        printErr(tr("plu-cli: %1").arg(error));
        return Failed;
    }
    // test: connect and disconnect, all at once.
    QVector<ScaleEntry> chosen = options.group.isEmpty() ? QVector<ScaleEntry>() : list.group(options.group);
    if (options.group.isEmpty() && list.indexOf(args.at(1)) >= 0)
        chosen.append(list.entries().at(list.indexOf(args.at(1))));
    if (chosen.isEmpty()) {
        printErr(options.group.isEmpty() ? tr("plu-cli: no scale called \"%1\"").arg(args.at(1))
                                         : tr("plu-cli: no scale in the group \"%1\"").arg(options.group));
        return Failed;
    }
    FleetSend::Options fleetOptions;
    fleetOptions.job = JobNone0;
    FleetSend fleet(chosen, TransferSnapshot(), fleetOptions);
    fleet.start();
    fleet.wait();
    for (const FleetSend::Scale &s : fleet.scales()) {
        printOut(s.state == FleetSend::State::Succeeded ? tr("%1: ok (%2 ms)").arg(s.label()).arg(s.elapsedMs)
                                                        : tr("%1: failed: %2").arg(s.label(), s.result));
    }
    return fleet.failedCount() == 0 ? Success : Failed;
}

int PluCli::sendToMany(const Options &options, const TransferSnapshot &snapshot, int job)
{
    QVector<ScaleEntry> chosen;
    if (options.all || !options.group.isEmpty()) {
        ScaleList list;
        QString error;
        if (!list.load(&error)) {
            printErr(tr("plu-cli: the scale list: %1").arg(error));
            return Failed;
        }
        chosen = options.all ? list.entries() : list.group(options.group);
        if (chosen.isEmpty()) {
            printErr(options.all ? tr("plu-cli: the scale list is empty")
                                 : tr("plu-cli: no scale in the group \"%1\"").arg(options.group));
            return Failed;
        }
    } else {
        for (const ScaleAddress &a : options.scales) {
            ScaleEntry e;
            e.address = a.text();
            e.baud = a.baud().toInt();
            chosen.append(e);
        }
    }
    FleetSend::Options fleetOptions;
    fleetOptions.job = job;
    fleetOptions.verify = options.verify;
    fleetOptions.changesOnly = options.changed;
    FleetSend fleet(chosen, snapshot, fleetOptions);
    QVector<QString> said(chosen.size()), noted(chosen.size()), warned(chosen.size());
    QVector<int> counted(chosen.size(), 0);
    // Notes (why everything goes) and warnings (a history that cannot be kept) are said even
    // with --quiet: they change what the operator may rely on.
    auto report = [&fleet, &said, &noted, &warned, &counted, quiet = options.quiet](int i) {
        const FleetSend::Scale &s = fleet.scales().at(i);
        if (s.note != noted.at(i)) {
            noted[i] = s.note;
            if (!s.note.isEmpty())
                printErr(s.label() + QLatin1String(": ") + s.note);
        }
        if (s.warning != warned.at(i)) {
            warned[i] = s.warning;
            if (!s.warning.isEmpty())
                printErr(tr("%1: warning: %2").arg(s.label(), s.warning));
        }
        if (quiet)
            return;
        if (s.status != said.at(i)) {
            said[i] = s.status;
            printErr(s.label() + QLatin1String(": ") + s.status);
        }
        if (s.current != counted.at(i)) {
            counted[i] = s.current;
            printErr(QStringLiteral("%1: %2/%3").arg(s.label()).arg(s.current).arg(s.total));
        }
    };
    QObject::connect(&fleet, &FleetSend::progressChanged, &fleet, report);
    QObject::connect(&fleet, &FleetSend::scaleChanged, &fleet, report);
    StopSignals stop(fleet);
    fleet.start();
    fleet.wait();
    for (const FleetSend::Scale &s : fleet.scales()) {
        if (s.state == FleetSend::State::Succeeded) {
            printOut(tr("%1: ok").arg(s.label()));
        } else if (s.state == FleetSend::State::Cancelled) {
            printOut(s.label() + QLatin1String(": ") + s.result);
        } else {
            printOut(tr("%1: failed: %2").arg(s.label(), s.result));
            for (int d = 1; d < s.differences.size(); ++d)
                printErr(s.label() + QLatin1String(": ") + s.differences.at(d).text());
        }
    }
    return fleet.failedCount() == 0 ? Success : Failed;
}
