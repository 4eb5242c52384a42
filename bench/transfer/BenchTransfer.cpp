// Transfers through the program's own path rather than the bare library:
// (a) 20000 rows from the grid through the snapshot, the worker, the library and scale-sim over
//     TCP loopback, then uploaded back into an empty document through the transfer target;
// (b) "plu-cli send" of a 20000-row file set to one simulator, then to four at once;
// (c) 400 rows through the worker to a simulator on a paced serial line at 9600 baud.
// Targets: under 3 s each way; four scales in under 1.5 times the time of one; the serial
// download within 15 % of what its bytes need on the wire (10 bits a byte).
#include "comm/ScaleAddress.h"
#include "comm/ScaleJobRunner.h"
#include "comm/ScaleLinkLibrary.h"
#include "comm/SendCheck.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "core/AppPaths.h"
#include "core/PluColumns.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using C = PluColumns;
constexpr int kRows = PluColumns::RowCount;

QString binDir()
{
    const QByteArray env = qgetenv("PLU_BIN_DIR");
    return env.isEmpty() ? QStringLiteral(PLU_BIN_DIR) : QString::fromLocal8Bit(env);
}

// One scale-sim on an ephemeral loopback port.
class Sim
{
public:
    bool start(const QString &dir)
    {
        m_portFile = dir + QStringLiteral("/port");
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start(
            binDir() + QStringLiteral("/scale-sim"),
            {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--port-file"), m_portFile});
        if (!m_process.waitForStarted(5000))
            return false;
        for (int i = 0; i < 500 && !QFile::exists(m_portFile); ++i)
            QThread::msleep(10);
        QFile f(m_portFile);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        m_address = QStringLiteral("127.0.0.1:") + QString::fromLatin1(f.readAll().trimmed());
        return true;
    }
    ~Sim()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    QString address() const { return m_address; }

private:
    QProcess m_process;
    QString m_portFile;
    QString m_address;
};

void fillRows(PluDocument *doc, int rows = kRows)
{
    static const char *const names[] = {"Apples Golden Delicious", "Bananas",        "Chicken breast fillet",
                                        "Sourdough bread 500g",    "Cheddar mature", "Tomatoes on the vine"};
    PluTableModel *m = doc->model();
    PluTableModel::BulkUpdate bulk(m);
    for (int r = 0; r < rows; ++r) {
        m->setCell(r, C::PluName, QStringLiteral("%1 %2").arg(QLatin1String(names[r % 6])).arg(r));
        m->setCell(r, C::LFCode, r + 1);
        m->setCell(r, C::Code, qlonglong(200000 + r));
        m->setCell(r, C::UnitPrice, QStringLiteral("%1.%2").arg(1 + r % 50).arg(r % 100, 2, 10, QLatin1Char('0')));
        m->setCell(r, C::Department, QString::number(1 + r % 20));
        m->setCell(r, C::ShelfTime, QString::number(3 + r % 10));
    }
    doc->setRowCount(rows);
}

// Runs one job to its end; returns the milliseconds it took, or -1 on failure.
qint64 runJob(const QString &address, int job, const TransferSnapshot &snapshot, TransferTarget *target,
              int baud = ScaleAddress::DefaultBaud)
{
    ScaleAddress a;
    QString error;
    if (!ScaleAddress::parse(address, baud, &a, &error))
        return -1;
    QElapsedTimer t;
    t.start();
    ScaleJobRunner runner(a, job, snapshot, target);
    QEventLoop loop;
    QObject::connect(&runner, &ScaleJobRunner::ended, &loop, &QEventLoop::quit);
    runner.start();
    loop.exec();
    if (!runner.succeeded()) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(address), qPrintable(runner.lastStatus()));
        return -1;
    }
    return t.elapsed();
}

// A scale-sim on one end of a socat pty pair, pacing the line at the baud rate both ways.
class SerialSim
{
public:
    bool start(const QString &dir, int baud)
    {
        const QString simSide = dir + QStringLiteral("/tty-sim"), libSide = dir + QStringLiteral("/tty-lib");
        m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + simSide,
                                                QStringLiteral("pty,raw,echo=0,ignoreeof,link=") + libSide});
        if (!m_socat.waitForStarted(5000))
            return false;
        for (int i = 0; i < 500 && !(QFile::exists(simSide) && QFile::exists(libSide)); ++i)
            QThread::msleep(10);
        m_device = QFile::symLinkTarget(libSide);
        m_sim.setStandardErrorFile(QProcess::nullDevice());
        m_sim.start(binDir() + QStringLiteral("/scale-sim"),
                    {QStringLiteral("--serial"), simSide, QStringLiteral("--baud"), QString::number(baud),
                     QStringLiteral("--pace")});
        if (!m_sim.waitForStarted(5000) || m_device.isEmpty())
            return false;
        QThread::msleep(300); // the simulator opens its side
        return true;
    }
    ~SerialSim()
    {
        for (QProcess *p : {&m_sim, &m_socat}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(3000);
        }
    }
    QString device() const { return m_device; }

private:
    QProcess m_socat;
    QProcess m_sim;
    QString m_device;
};

// The scale's byte counters in and out (its STATS), or -1.
qint64 wireBytes(ScaleLinkLibrary &lib, const QString &device, int baud)
{
    int handle = 0;
    if (lib.zqscaleConnect(QFile::encodeName(device).constData(), baud, &handle) != 0)
        return -1;
    static qint64 total;
    total = -1;
    lib.zqscaleUploadData(handle, 100, [](const char *json, int, int) {
        const QByteArray text(json);
        auto number = [&text](const char *key) {
            const int at = text.indexOf(key) + int(qstrlen(key)) + 2;
            return text.mid(at, text.indexOf(',', at) - at).toLongLong();
        };
        total = number("\"bytesIn") + number("\"bytesOut");
    });
    lib.zqscaleDisConnect(handle);
    return total;
}

qint64 runCliSend(const QString &file, const QString &config, const QStringList &addresses)
{
    QStringList args{QStringLiteral("send"), file, QStringLiteral("--quiet"), QStringLiteral("--config"), config};
    for (const QString &a : addresses)
        args << QStringLiteral("--scale") << a;
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(binDir() + QStringLiteral("/plu-cli"), args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        std::fprintf(stderr, "plu-cli send failed: %s%s\n", p.readAllStandardOutput().constData(),
                     p.readAllStandardError().constData());
        return -1;
    }
    return t.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("SYSTEM.CFG"));
    {
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly) || f.write("[Link]\r\nTimeoutMs=10000\r\n") < 0)
            return 1;
    }
    AppPaths::setSettingsFileOverride(config);
    ZQConfig settings(config);
    ZQCommucationProcess::setLibraryFolder(binDir());

    std::vector<std::unique_ptr<Sim>> sims;
    for (int i = 0; i < 4; ++i) {
        QDir().mkpath(dir.filePath(QString::number(i)));
        sims.push_back(std::make_unique<Sim>());
        if (!sims.back()->start(dir.filePath(QString::number(i)))) {
            std::fprintf(stderr, "cannot start scale-sim\n");
            return 1;
        }
    }

    // (a) through the worker.
    PluDocument source;
    fillRows(&source);
    QElapsedTimer snapshotClock;
    snapshotClock.start();
    TransferSnapshot snapshot = TransferSnapshot::take(&source);
    const qint64 snapshotMs = snapshotClock.elapsed();
    snapshot.selection = DownloadSelection{};
    snapshot.selection.plu = true;
    QElapsedTimer checkClock;
    checkClock.start();
    const int problems = SendCheck::check(snapshot, JobDownloadPlu).size();
    const qint64 checkMs = checkClock.elapsed();
    if (problems > 0) {
        std::fprintf(stderr, "the check before a send found %d problems in the rows\n", problems);
        return 1;
    }
    const qint64 downMs = runJob(sims[0]->address(), JobDownloadPlu, snapshot, nullptr);

    PluDocument back;
    TransferTarget target(&back);
    const qint64 upMs = runJob(sims[0]->address(), JobUploadPluForHotkeys, TransferSnapshot::take(&back), &target);
    if (downMs < 0 || upMs < 0)
        return 1;
    target.commit();
    if (back.rowCount() != kRows ||
        back.model()->text(kRows - 1, C::PluName) != source.model()->text(kRows - 1, C::PluName)) {
        std::fprintf(stderr, "upload brought %d rows, last \"%s\"\n", back.rowCount(),
                     qPrintable(back.model()->text(kRows - 1, C::PluName)));
        return 1;
    }
    std::printf("worker, %d rows over TCP loopback (target < 3000 ms each way)\n", kRows);
    std::printf("  snapshot of the grid:          %6lld ms\n", static_cast<long long>(snapshotMs));
    std::printf("  check before the send:         %6lld ms\n", static_cast<long long>(checkMs));
    std::printf("  download, snapshot to scale:   %6lld ms\n", static_cast<long long>(downMs));
    std::printf("  upload, scale to document:     %6lld ms\n", static_cast<long long>(upMs));

    // (b) plu-cli send, one scale against four at once.
    const QString file = dir.filePath(QStringLiteral("shop.txp"));
    QString error;
    if (!PluFileSet::save(&source, file, PluFileSet::sidePathsForSaveAs(file), &error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file), qPrintable(error));
        return 1;
    }
    QStringList all;
    for (const auto &sim : sims)
        all << sim->address();
    const qint64 oneMs = runCliSend(file, config, {all.first()});
    const qint64 fourMs = runCliSend(file, config, all);
    if (oneMs < 0 || fourMs < 0)
        return 1;
    std::printf("plu-cli send of %d rows (target: four scales < 1.5 x one)\n", kRows);
    std::printf("  one scale:                     %6lld ms\n", static_cast<long long>(oneMs));
    std::printf("  four scales at once:           %6lld ms\n", static_cast<long long>(fourMs));
    std::printf("  ratio four / one:              %6.2f\n", double(fourMs) / double(oneMs));

    // (c) a paced serial line.
    constexpr int kSerialRows = 400, kBaud = 9600;
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
        std::printf("serial: socat not installed, skipped\n");
        return 0;
    }
    const QString serialDir = dir.filePath(QStringLiteral("serial"));
    QDir().mkpath(serialDir);
    SerialSim serial;
    ScaleLinkLibrary lib(binDir());
    if (!serial.start(serialDir, kBaud)) {
        std::fprintf(stderr, "cannot start the serial simulator\n");
        return 1;
    }
    PluDocument few;
    fillRows(&few, kSerialRows);
    TransferSnapshot fewSnapshot = TransferSnapshot::take(&few);
    fewSnapshot.selection = snapshot.selection;
    const qint64 before = wireBytes(lib, serial.device(), kBaud);
    const qint64 serialMs = runJob(serial.device(), JobDownloadPlu, fewSnapshot, nullptr, kBaud);
    const qint64 after = wireBytes(lib, serial.device(), kBaud);
    if (before < 0 || serialMs < 0 || after < 0)
        return 1;
    const double wireMs = double(after - before) * 10 * 1000 / kBaud;
    std::printf("worker, %d rows over a paced serial line at %d baud (target: within 15 %% of the wire)\n", kSerialRows,
                kBaud);
    std::printf("  bytes both ways:               %6lld\n", static_cast<long long>(after - before));
    std::printf("  wire time, bytes x 10 / baud:  %6.0f ms\n", wireMs);
    std::printf("  download took:                 %6lld ms\n", static_cast<long long>(serialMs));
    std::printf("  ratio took / wire:             %6.2f\n", double(serialMs) / wireMs);
    return 0;
}
