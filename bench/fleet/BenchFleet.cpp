// Sends to many scales through the shared send to many (the editor's and plu-cli's path):
// (a) 20000 PLUs to one simulator over TCP, then to twenty at once: this process's own CPU time
//     (the simulators stand for twenty separate machines) and the wall time. Target: the CPU
//     time for twenty under twice that for one.
// (b) a send of changes of 200 edited rows out of 20000 to one scale on a paced serial line at
//     9600 baud (the full list went there before over TCP, into the same memory). Target: 15 s.
// (c) verify of 20000 PLUs over TCP (a send of changes that finds nothing to send, then the
//     read-back). Target: 1 s.
// (d) plu-cli send --group of 20000 PLUs to twenty scales, without and with --verify: wall time
//     and the process's peak memory. Target: with --verify at most twice without.
#include "linklib/LinkTestSupport.h"

#include "comm/FleetSend.h"
#include "comm/ScaleList.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "core/AppPaths.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using linktest::ScaleSim;

namespace {
constexpr int kPlus = 20000;

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

TransferSnapshot snapshot()
{
    TransferSnapshot s;
    s.hasDocument = true;
    s.selection.plu = true;
    for (int i = 0; i < kPlus; ++i) {
        TPLU p;
        p.setPluNameBytes("Article number " + QByteArray::number(i + 1));
        p.LFCode = i + 1;
        p.setCodeBytes(QByteArray::number(100000 + i));
        p.UnitPrice = 100 + i % 5000;
        p.WeightUnit = 4;
        p.Deptment = i % 20;
        s.plus.append(p);
    }
    return s;
}

struct Figures
{
    double cpu = 0;
    double wall = 0;
    int ok = 0;
    QString firstFailure;
};

Figures run(const QVector<ScaleEntry> &scales, const TransferSnapshot &s, const FleetSend::Options &o)
{
    FleetSend fleet(scales, s, o);
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    fleet.start();
    fleet.wait();
    Figures f;
    f.wall = wall.elapsed() / 1000.0;
    f.cpu = cpuSeconds() - cpu0;
    f.ok = fleet.succeededCount();
    for (const FleetSend::Scale &sc : fleet.scales()) {
        if (sc.state != FleetSend::State::Succeeded && f.firstFailure.isEmpty())
            f.firstFailure = sc.label() + QLatin1String(": ") + sc.result;
    }
    return f;
}

ScaleEntry entry(const QString &name, const QString &address, int baud = ScaleAddress::DefaultBaud)
{
    ScaleEntry e;
    e.name = name;
    e.address = address;
    e.baud = baud;
    return e;
}

// Runs a program to its end: wall seconds and its own peak resident memory in MB.
struct ChildFigures
{
    double wall = 0;
    double peakMb = 0;
    int exitCode = -1;
};

ChildFigures runChild(const QString &program, const QStringList &args)
{
    QVector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString &a : args)
        bytes.append(a.toLocal8Bit());
    QVector<char *> argv;
    for (QByteArray &b : bytes)
        argv.append(b.data());
    argv.append(nullptr);
    QElapsedTimer wall;
    wall.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ChildFigures f;
    int status = 0;
    rusage usage{};
    if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
        f.wall = wall.elapsed() / 1000.0;
        f.peakMb = usage.ru_maxrss / 1024.0;
        f.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return f;
}

void print(const char *what, const Figures &f, int scales)
{
    std::printf("%-52s cpu %7.2f s  wall %7.2f s  ok %d/%d%s%s\n", what, f.cpu, f.wall, f.ok, scales,
                f.firstFailure.isEmpty() ? "" : "  first failure: ", qPrintable(f.firstFailure));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDataDirOverride(dir.path());
    {
        QSettings ini(dir.filePath(QStringLiteral("SYSTEM.CFG")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Link/TimeoutMs"), 5000);
    }
    ZQConfig config(dir.filePath(QStringLiteral("SYSTEM.CFG")));
    ZQCommucationProcess::setLibraryFolder(linktest::binDir());
    const TransferSnapshot s = snapshot();
    const bool only = argc > 1;
    const QString part = only ? QString::fromLocal8Bit(argv[1]) : QString();

    if (!only || part == QLatin1String("many")) {
        ScaleSim sims[20];
        QVector<ScaleEntry> scales;
        for (int i = 0; i < 20; ++i) {
            if (!sims[i].startTcp()) {
                std::fprintf(stderr, "bench-fleet: scale-sim did not start\n");
                return 1;
            }
            scales.append(entry(QStringLiteral("s%1").arg(i), QString::fromLatin1(sims[i].link())));
        }
        FleetSend::Options o;
        const Figures one = run({scales.first()}, s, o);
        print("(a) 20000 PLUs to one scale over TCP", one, 1);
        const Figures twenty = run(scales, s, o);
        print("(a) 20000 PLUs to twenty scales at once", twenty, 20);
        std::printf("    CPU time twenty / one: %.2f (target under 2)\n", one.cpu > 0 ? twenty.cpu / one.cpu : 0.0);
    }

    if (!only || part == QLatin1String("verify")) {
        ScaleSim sim;
        sim.startTcp();
        const ScaleEntry e = entry(QStringLiteral("verify"), QString::fromLatin1(sim.link()));
        FleetSend::Options o;
        run({e}, s, o);
        o.changesOnly = true;
        o.verify = true;
        print("(c) verify 20000 PLUs over TCP (nothing changed)", run({e}, s, o), 1);
    }

    if (!only || part == QLatin1String("cli")) {
        // plu-cli keeps its scale list beside itself: a copy of it in a folder of its own.
        QTemporaryDir program;
        for (const char *file : {"plu-cli", "libzqslabelscale.so"})
            QFile::copy(linktest::binDir() + QLatin1Char('/') + QLatin1String(file),
                        program.filePath(QLatin1String(file)));
        const QString list = program.filePath(QStringLiteral("list.txp"));
        {
            PluDocument doc;
            for (int r = 0; r < kPlus; ++r)
                doc.model()->pluToRow(s.plus.at(r), r);
            QString error;
            PluFileSet::save(&doc, list, PluFileSet::sidePathsForSaveAs(list), &error);
        }
        ScaleSim sims[20];
        AppPaths::setDataDirOverride(program.path());
        ScaleList scales;
        QString error;
        scales.load(&error);
        for (int i = 0; i < 20; ++i) {
            sims[i].startTcp();
            scales.add(entry(QStringLiteral("s%1").arg(i), QString::fromLatin1(sims[i].link())), &error);
        }
        AppPaths::setDataDirOverride(dir.path());
        const QString cli = program.filePath(QStringLiteral("plu-cli"));
        for (const bool verify : {false, true}) {
            QStringList args{QStringLiteral("send"), list, QStringLiteral("--all"), QStringLiteral("-q")};
            if (verify)
                args << QStringLiteral("--verify");
            const ChildFigures f = runChild(cli, args);
            std::printf(
                "(d) plu-cli send --all of 20000 PLUs to twenty scales%-10s wall %7.2f s  peak %6.1f MB  exit %d\n",
                verify ? ", --verify" : "", f.wall, f.peakMb, f.exitCode);
            std::fflush(stdout);
        }
    }

    if ((!only || part == QLatin1String("serial")) && ScaleSim::haveSocat()) {
        ScaleSim sim;
        sim.startTcp({QStringLiteral("--data"), sim.dataFile()});
        FleetSend::Options o;
        run({entry(QStringLiteral("counter"), QString::fromLatin1(sim.link()))}, s, o);
        sim.stop();
        ScaleSim serial;
        // The same memory, now behind a paced 9600 baud line.
        if (!serial.startSerial({QStringLiteral("--data"), sim.dataFile(), QStringLiteral("--pace")}, 9600)) {
            std::fprintf(stderr, "bench-fleet: serial scale-sim did not start\n");
            return 1;
        }
        TransferSnapshot edited = s;
        for (int i = 0; i < 200; ++i)
            edited.plus[i * 97].UnitPrice += 1;
        o.changesOnly = true;
        print("(b) send changes, 200 of 20000, serial 9600 paced",
              run({entry(QStringLiteral("counter"), QString::fromLocal8Bit(serial.link()), 9600)}, edited, o), 1);
    }
    return 0;
}
