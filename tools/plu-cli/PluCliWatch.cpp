// plu-cli watch: hands-off distribution of the price lists that arrive in an inbox.
#include "PluCli.h"

#include "comm/InboxDistributor.h"
#include "comm/SendJournal.h"
#include "io/InboxFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <csignal>

namespace {
std::atomic<bool> g_stop{false};
extern "C" void stopWatching(int)
{
    g_stop = true;
}
} // namespace

bool PluCli::checkWatchCommand(Options &options, const QString &retry, const QString &parts, QString *error)
{
    if (options.positional.size() != 1) {
        *error = tr("watch takes one inbox folder");
        return false;
    }
    if (!QFileInfo(options.positional.first()).isDir()) {
        *error = tr("the inbox \"%1\" is not a folder").arg(options.positional.first());
        return false;
    }
    if (options.group.isEmpty() == !options.all) {
        *error = tr("watch sends to the scale list: give --group NAME or --all");
        return false;
    }
    if (!options.scales.isEmpty() || options.changed || options.update) {
        *error = tr("watch takes no --scale, --changed or --update: it always sends changes");
        return false;
    }
    if (!retry.isEmpty()) {
        bool ok = false;
        const double seconds = retry.toDouble(&ok);
        if (!ok || !(seconds >= 0.1 && seconds <= 1800)) {
            *error = tr("--retry takes seconds from 0.1 to 1800, not \"%1\"").arg(retry);
            return false;
        }
        options.retryMs = qRound(seconds * 1000);
    }
    options.parts = DownloadSelection{};
    options.parts.plu = true;
    return parts.isEmpty() || parseParts(parts, &options.parts, error);
}

int PluCli::watch(const Options &options)
{
    SendJournal::setProgram(QStringLiteral("watcher"));
    InboxDistributor::Options o;
    o.inbox = options.positional.first();
    o.group = options.group;
    o.all = options.all;
    o.verify = options.verify;
    o.parts = options.parts;
    o.firstPauseMs = options.retryMs;
    o.longestPauseMs = qMax(options.retryMs, 30 * 60 * 1000);
    InboxDistributor distributor(o, &InboxFile::load, &InboxFile::isPriceList);
    // One line per event, for the system journal.
    QObject::connect(&distributor, &InboxDistributor::event, &distributor, [](const QString &line) { printErr(line); });
    QObject::connect(&distributor, &InboxDistributor::stopped, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QString error;
    if (!distributor.start(&error)) {
        printErr(tr("plu-cli: %1").arg(error));
        return Failed;
    }
    // SIGTERM (a service stop) and Ctrl+C end the run cleanly: what is left stays to do.
    g_stop = false;
    std::signal(SIGINT, stopWatching);
    std::signal(SIGTERM, stopWatching);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &distributor, [&distributor, &watch] {
        if (g_stop.exchange(false)) {
            watch.stop();
            distributor.stop();
        }
    });
    watch.start(50);
    QCoreApplication::exec();
    printErr(tr("stopped"));
    return Success;
}
