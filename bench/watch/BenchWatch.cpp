// The watcher as a shop would run it (plu-cli watch, a process of its own):
// (a) a list of 20000 PLUs dropped into the inbox, to 200 simulated scales that never had it;
// (b) the same list with 200 prices changed, to the same scales: the daily case.
// For each: the time from the file's arrival to the first packet a scale takes, the wall time
// until every scale has it, and at the end the watcher's CPU time and peak memory.
#include "linklib/LinkTestSupport.h"

#include "comm/ScaleList.h"
#include "core/AppPaths.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using linktest::ScaleSim;

namespace {
constexpr int kScales = 200;
constexpr int kPlus = 20000;

void writeList(const QString &path, int raise)
{
    PluDocument doc;
    for (int r = 0; r < kPlus; ++r) {
        TPLU p;
        p.setPluNameBytes("Article number " + QByteArray::number(r + 1));
        p.LFCode = r + 1;
        p.setCodeBytes(QByteArray::number(100000 + r));
        p.UnitPrice = 100 + r % 5000 + (r % 100 == 0 ? raise : 0); // 200 of 20000 change
        p.WeightUnit = 4;
        doc.model()->pluToRow(p, r);
    }
    QString error;
    PluFileSet::save(&doc, path, PluFileSet::sidePathsForSaveAs(path), &error);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Drops the list into the inbox and waits until every scale has it: arrival to the first packet
// any scale took, and to the end.
void measure(const char *what, const QString &staged, const QString &inbox, const QString &log, ScaleSim *sims,
             int round)
{
    const int logBefore = readFile(log).size();
    QVector<int> simBefore(kScales);
    for (int i = 0; i < kScales; ++i)
        simBefore[i] = sims[i].log().size();
    QElapsedTimer t;
    t.start();
    QFile::rename(staged, QDir(inbox).filePath(QStringLiteral("list-%1.txp").arg(round)));
    qint64 firstPacket = -1;
    for (;;) {
        if (firstPacket < 0) {
            for (int i = 0; i < kScales && firstPacket < 0; i += 10) {
                if (sims[i].log().mid(simBefore[i]).contains("PUT PLU"))
                    firstPacket = t.elapsed();
            }
        }
        if (readFile(log).mid(logBefore).contains("every scale has it"))
            break;
        if (t.elapsed() > 600000) {
            std::printf("%s: not done in 10 minutes\n", what);
            return;
        }
        usleep(5000);
    }
    std::printf("%-58s first packet after %6lld ms, every scale after %7.2f s\n", what,
                static_cast<long long>(firstPacket), t.elapsed() / 1000.0);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString inbox = dir.filePath(QStringLiteral("inbox"));
    QDir().mkpath(data);
    QDir().mkpath(inbox);
    {
        QFile cfg(QDir(data).filePath(QStringLiteral("SYSTEM.CFG")));
        cfg.open(QIODevice::WriteOnly);
        cfg.write("[Link]\nTimeoutMs=10000\n");
    }
    auto sims = std::make_unique<ScaleSim[]>(kScales);
    AppPaths::setDataDirOverride(data);
    ScaleList list;
    QString error;
    list.load(&error);
    for (int i = 0; i < kScales; ++i) {
        if (!sims[i].startTcp()) {
            std::fprintf(stderr, "bench-watch: scale-sim %d did not start\n", i);
            return 1;
        }
        ScaleEntry e;
        e.name = QStringLiteral("s%1").arg(i);
        e.group = QStringLiteral("shop");
        e.address = QString::fromLatin1(sims[i].link());
        list.add(e, &error);
    }
    AppPaths::setDataDirOverride(QString());
    const QString first = dir.filePath(QStringLiteral("first.txp"));
    const QString second = dir.filePath(QStringLiteral("second.txp"));
    writeList(first, 0);
    writeList(second, 7);

    const QString log = dir.filePath(QStringLiteral("watch.log"));
    const QByteArray cli = QFile::encodeName(linktest::binDir() + QStringLiteral("/plu-cli"));
    const QByteArray dataArg = QFile::encodeName(data), inboxArg = QFile::encodeName(inbox);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 2);
        execl(cli.constData(), "plu-cli", "--data-dir", dataArg.constData(), "watch", inboxArg.constData(), "--group",
              "shop", static_cast<char *>(nullptr));
        _exit(127);
    }
    while (!readFile(log).contains("watching"))
        usleep(10000);
    measure("(a) 20000 PLUs to 200 scales that never had them", first, inbox, log, sims.get(), 1);
    measure("(b) 200 changed PLUs of 20000 to 200 scales", second, inbox, log, sims.get(), 2);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("watcher: CPU time %.2f s in all, peak memory %.1f MB\n", cpu, usage.ru_maxrss / 1024.0);
    return 0;
}
