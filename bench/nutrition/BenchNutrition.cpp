// Nutrition through the program's own path: 20000 PLUs, each with all 12 elements, from the
// per-PLU store through the snapshot, the worker, the library and scale-sim over TCP loopback
// ("Download PLU" with only Nutrition chosen). Targets: the nutrition step under 3 s; the stores
// (element file and per-PLU database) open in under 50 ms.
#include "comm/ScaleAddress.h"
#include "comm/ScaleJobRunner.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "core/AppPaths.h"
#include "core/PluColumns.h"
#include "core/ZQConfig.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {
using C = PluColumns;
constexpr int kRows = PluColumns::RowCount;

QString binDir()
{
    const QByteArray env = qgetenv("PLU_BIN_DIR");
    return env.isEmpty() ? QStringLiteral(PLU_BIN_DIR) : QString::fromLocal8Bit(env);
}

long long ms(qint64 v)
{
    return static_cast<long long>(v);
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
    AppPaths::setDataDirOverride(dir.path());
    AppPaths::setSettingsFileOverride(config);
    ZQConfig settings(config);
    ZQCommucationProcess::setLibraryFolder(binDir());

    const QString portFile = dir.filePath(QStringLiteral("port"));
    QProcess sim;
    sim.setStandardErrorFile(QProcess::nullDevice());
    sim.start(binDir() + QStringLiteral("/scale-sim"),
              {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--port-file"), portFile});
    for (int i = 0; i < 500 && !QFile::exists(portFile); ++i)
        QThread::msleep(10);
    QFile pf(portFile);
    if (!sim.waitForStarted(5000) || !pf.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot start scale-sim\n");
        return 1;
    }
    const QString address = QStringLiteral("127.0.0.1:") + QString::fromLatin1(pf.readAll().trimmed());

    PluDocument doc;
    {
        PluTableModel::BulkUpdate bulk(doc.model());
        for (int r = 0; r < kRows; ++r) {
            doc.model()->setCell(r, C::PluName, QStringLiteral("Article with nutrition %1").arg(r));
            doc.model()->setCell(r, C::LFCode, r + 1);
            doc.model()->setCell(r, C::Nutrition, QStringLiteral("1"));
        }
    }
    doc.setRowCount(kRows);
    doc.setCurrentFile(dir.filePath(QStringLiteral("shop.Txp")));

    QVector<NutritionElementFile::Row> elements;
    for (int e = 0; e < NutritionElementFile::ElementCount; ++e)
        elements.append({QStringLiteral("Element %1").arg(e + 1), NutritionElementFile::unitNames().at(e % 4)});
    QHash<QString, QVector<NutritionValue>> values;
    for (int r = 0; r < kRows; ++r) {
        QVector<NutritionValue> plu;
        for (int e = 1; e <= NutritionElementFile::ElementCount; ++e)
            plu.append({e, (r % 500) + e * 0.25, double(e * 3 % 100)});
        values.insert(QString::number(r + 1), plu);
    }
    QString error;
    QElapsedTimer clock;
    clock.start();
    {
        NutritionValueStore store(NutritionElementFile::valuesFilePath(doc.currentFile()));
        if (!NutritionElementFile::write(NutritionElementFile::elementFilePath(doc.currentFile()), elements, &error) ||
            !store.open(&error) || !store.replaceAll(values, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    const qint64 writeMs = clock.elapsed();

    // Opening the stores as the editors do: the element file and the database, then one PLU's rows
    // (the table has no index, so this reads through all of it).
    clock.restart();
    QVector<NutritionElementFile::Row> back;
    QVector<NutritionValue> one;
    qint64 openMs = 0;
    {
        NutritionValueStore store(NutritionElementFile::valuesFilePath(doc.currentFile()));
        const bool opened = NutritionElementFile::read(NutritionElementFile::elementFilePath(doc.currentFile()), &back,
                                                       &error) == NutritionElementFile::ReadResult::Ok &&
                            store.open(&error);
        openMs = clock.elapsed();
        if (!opened || !store.load(QStringLiteral("12345"), &one, &error) || one.size() != 12) {
            std::fprintf(stderr, "reading the stores failed: %s\n", qPrintable(error));
            return 1;
        }
    }
    const qint64 openAndReadMs = clock.elapsed();
    clock.restart();
    {
        NutritionValueStore store(NutritionElementFile::valuesFilePath(doc.currentFile()));
        QHash<QString, QVector<NutritionValue>> all;
        if (!store.open(&error) || !store.loadAll(&all, &error) || all.size() != kRows)
            return 1;
    }
    const qint64 loadAllMs = clock.elapsed();

    clock.restart();
    TransferSnapshot snapshot = TransferSnapshot::take(&doc);
    const qint64 snapshotMs = clock.elapsed();
    snapshot.selection = DownloadSelection{};
    snapshot.selection.nutrition = true;

    ScaleAddress a;
    if (!ScaleAddress::parse(address, ScaleAddress::DefaultBaud, &a, &error))
        return 1;
    clock.restart();
    ScaleJobRunner runner(a, JobDownloadPlu, snapshot, nullptr);
    QEventLoop loop;
    QObject::connect(&runner, &ScaleJobRunner::ended, &loop, &QEventLoop::quit);
    runner.start();
    loop.exec();
    const qint64 stepMs = clock.elapsed();
    if (!runner.succeeded()) {
        std::fprintf(stderr, "download failed: %s\n", qPrintable(runner.lastStatus()));
        return 1;
    }
    sim.terminate();
    sim.waitForFinished(3000);

    std::printf("nutrition, %d PLUs x 12 elements (%d rows)\n", kRows, kRows * 12);
    std::printf("  writing the per-PLU store (one transaction):  %6lld ms\n", ms(writeMs));
    std::printf("  stores open (target < 50 ms):                 %6lld ms\n", ms(openMs));
    std::printf("  stores open and one PLU's rows read:          %6lld ms\n", ms(openAndReadMs));
    std::printf("  every row read (what the worker reads):       %6lld ms\n", ms(loadAllMs));
    std::printf("  snapshot of the grid:                         %6lld ms\n", ms(snapshotMs));
    std::printf("  nutrition step over TCP (target < 3000 ms):   %6lld ms (connect to disconnect)\n", ms(stepMs));
    return openMs < 50 && stepMs < 3000 ? 0 : 2;
}
