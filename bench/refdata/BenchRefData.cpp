// (a) The department table of 99 records through the worker to scale-sim over TCP loopback (job 5)
//     and back into a transfer target (job 6), checked for equality.
// (b) Opening the stores a start opens: the local database (created, then existing) with its two
//     tables, and "DeptSet.dat" of 99 records. Target: under 50 ms.
#include "comm/ScaleAddress.h"
#include "comm/ScaleJobRunner.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "core/AppPaths.h"
#include "core/ZQConfig.h"
#include "document/DepartmentTable.h"
#include "editors/LocalDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {
QString binDir()
{
    const QByteArray env = qgetenv("PLU_BIN_DIR");
    return env.isEmpty() ? QStringLiteral(PLU_BIN_DIR) : QString::fromLocal8Bit(env);
}

qint64 runJob(const QString &address, int job, const TransferSnapshot &snapshot, TransferTarget *target)
{
    ScaleAddress a;
    QString error;
    if (!ScaleAddress::parse(address, ScaleAddress::DefaultBaud, &a, &error))
        return -1;
    QElapsedTimer t;
    t.start();
    ScaleJobRunner runner(a, job, snapshot, target);
    QEventLoop loop;
    QObject::connect(&runner, &ScaleJobRunner::ended, &loop, &QEventLoop::quit);
    runner.start();
    loop.exec();
    if (!runner.succeeded()) {
        std::fprintf(stderr, "job %d failed: %s\n", job, qPrintable(runner.lastStatus()));
        return -1;
    }
    return t.elapsed();
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDataDirOverride(dir.path());
    const QString config = dir.filePath(QStringLiteral("SYSTEM.CFG"));
    ZQConfig settings(config);
    ZQCommucationProcess::setLibraryFolder(binDir());

    DepartmentRecords departments;
    for (int i = 1; i <= 99; ++i) {
        DepartmentRecord r;
        r.number = i;
        r.printNumber = i % 2;
        r.printName = 1;
        r.setNameText(QStringLiteral("Department %1").arg(i));
        r.cgst = (i % 20) * 0.5;
        r.sgst = (i % 7) * 1.25;
        departments << r;
    }

    QProcess sim;
    const QString portFile = dir.filePath(QStringLiteral("port"));
    sim.setStandardErrorFile(QProcess::nullDevice());
    sim.setStandardOutputFile(QProcess::nullDevice());
    sim.start(binDir() + QStringLiteral("/scale-sim"),
              {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--port-file"), portFile});
    if (!sim.waitForStarted(5000))
        return 1;
    for (int i = 0; i < 500 && !QFile::exists(portFile); ++i)
        QThread::msleep(10);
    QFile pf(portFile);
    if (!pf.open(QIODevice::ReadOnly))
        return 1;
    const QString address = QStringLiteral("127.0.0.1:") + QString::fromLatin1(pf.readAll().trimmed());

    QVector<double> downMs, upMs;
    bool same = true;
    for (int round = 0; round < 5; ++round) {
        TransferSnapshot snapshot = TransferSnapshot::take(nullptr);
        snapshot.departments = departments;
        downMs << double(runJob(address, JobDownloadDepartments, snapshot, nullptr));
        TransferTarget target(nullptr);
        upMs << double(runJob(address, JobUploadDepartments, TransferSnapshot::take(nullptr), &target));
        same = same && target.staged().departments == departments;
    }
    sim.terminate();
    sim.waitForFinished(3000);
    std::printf("departments, 99 records over TCP (median of 5, connect and disconnect included):\n");
    std::printf("  download (job 5): %.1f ms\n  upload (job 6):   %.1f ms\n  came back equal: %s\n", median(downMs),
                median(upMs), same ? "yes" : "NO");

    DepartmentTable table;
    table.setRecords(departments);
    QString error;
    if (!table.save(&error))
        return 1;
    QVector<double> createMs, openMs, deptMs;
    for (int round = 0; round < 5; ++round) {
        QFile::remove(AppPaths::localDatabaseFile());
        QElapsedTimer t;
        t.start();
        {
            LocalDatabase db;
            if (!db.openLocalDatabase(AppPaths::localDatabaseFile()))
                return 1;
            createMs << t.nsecsElapsed() / 1e6;
            db.replacePackTypes(QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        }
        t.restart();
        LocalDatabase db;
        if (!db.openLocalDatabase(AppPaths::localDatabaseFile()) || db.packTypeKeyValues().size() != 3)
            return 1;
        openMs << t.nsecsElapsed() / 1e6;
        t.restart();
        DepartmentTable loaded;
        if (!loaded.load() || loaded.records().size() != 99)
            return 1;
        deptMs << t.nsecsElapsed() / 1e6;
    }
    std::printf("stores opening (median of 5; target under 50 ms together):\n");
    std::printf("  local database, new file:      %.2f ms\n  local database, existing file: %.2f ms "
                "(with a read of the package types)\n  DeptSet.dat, 99 records:       %.2f ms\n",
                median(createMs), median(openMs), median(deptMs));
    return same ? 0 : 1;
}
