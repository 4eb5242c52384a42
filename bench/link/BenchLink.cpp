// Sends 20000 PLUs in packets of four to scale-sim over TCP loopback through the library's C
// entry points, uploads them back, and prints the time each way and the bytes on the wire per
// PLU from the simulator's counters. Targets: under 1 s each way, at most 120 bytes per PLU.
#include "comm/ScaleLinkLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

constexpr int kPlus = 20000;

struct Counters
{
    double bytesIn = 0, bytesOut = 0, framesIn = 0, framesOut = 0;
};

Counters g_counters;
int g_uploaded = 0;

void ZQSCALE_CALL onCounters(const char *json, int, int)
{
    const QJsonObject o = QJsonDocument::fromJson(QByteArray(json)).object();
    g_counters.bytesIn = o.value(QStringLiteral("bytesIn")).toDouble();
    g_counters.bytesOut = o.value(QStringLiteral("bytesOut")).toDouble();
    g_counters.framesIn = o.value(QStringLiteral("framesIn")).toDouble();
    g_counters.framesOut = o.value(QStringLiteral("framesOut")).toDouble();
}

void ZQSCALE_CALL onPlu(const char *json, int itemNo, int)
{
    // The program parses every record it receives; so does the benchmark.
    if (!QJsonDocument::fromJson(QByteArray(json)).isObject() || itemNo != g_uploaded + 1)
        std::fprintf(stderr, "bad record %d\n", itemNo);
    g_uploaded = itemNo;
}

// A PLU as the program builds it: every member sent to the scale, ordinary shop values.
QJsonObject makePlu(int i)
{
    static const char *const names[] = {"Apples Golden Delicious", "Bananas",        "Chicken breast fillet",
                                        "Sourdough bread 500g",    "Cheddar mature", "Tomatoes on the vine"};
    QJsonObject o;
    o.insert(QStringLiteral("PluName"), QStringLiteral("%1 %2").arg(QLatin1String(names[i % 6])).arg(i));
    o.insert(QStringLiteral("LFCode"), i);
    o.insert(QStringLiteral("Code"), QString::number(200000 + i));
    o.insert(QStringLiteral("BarCode"), 7);
    o.insert(QStringLiteral("UnitPrice"), 199 + (i * 37) % 5000);
    o.insert(QStringLiteral("WeightUnit"), 4);
    o.insert(QStringLiteral("QtyUnit"), 0);
    o.insert(QStringLiteral("Deptment"), 1 + i % 20);
    o.insert(QStringLiteral("Tare"), (i % 3) * 0.005);
    o.insert(QStringLiteral("ShlefTime"), 3 + i % 10);
    o.insert(QStringLiteral("PackageType"), 0);
    o.insert(QStringLiteral("PackageWeight"), 0.0);
    o.insert(QStringLiteral("Tolerance"), 0);
    o.insert(QStringLiteral("Message1"), i % 50);
    o.insert(QStringLiteral("Message2"), 0);
    o.insert(QStringLiteral("LabelId"), 1);
    o.insert(QStringLiteral("Rebate"), 0);
    o.insert(QStringLiteral("Ice"), 0.0);
    return o;
}

bool readCounters(ScaleLinkLibrary &lib, int handle, Counters *out)
{
    if (lib.zqscaleUploadData(handle, 100, &onCounters) < 0)
        return false;
    *out = g_counters;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The library and the simulator live in the program folder.
    const QByteArray env = qgetenv("PLU_BIN_DIR");
    const QString bin = env.isEmpty() ? QStringLiteral(PLU_BIN_DIR) : QString::fromLocal8Bit(env);
    ScaleLinkLibrary lib(bin);
    if (!lib.isLoaded()) {
        std::fprintf(stderr, "cannot load the link library: %s\n", qPrintable(lib.errorString()));
        return 1;
    }
    QTemporaryDir dir;
    const QString portFile = dir.filePath(QStringLiteral("port"));
    QProcess sim;
    sim.setStandardErrorFile(QProcess::nullDevice());
    sim.setStandardOutputFile(QProcess::nullDevice());
    sim.start(bin + QStringLiteral("/scale-sim"),
              {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--port-file"), portFile});
    if (!sim.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start scale-sim\n");
        return 1;
    }
    for (int i = 0; i < 500 && !QFile::exists(portFile); ++i)
        QThread::msleep(10);
    QFile f(portFile);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "scale-sim did not report its port\n");
        return 1;
    }
    const QByteArray link = "127.0.0.1:" + f.readAll().trimmed();

    // Packets are built before the clock starts, as the program's rows are read regardless.
    std::vector<QByteArray> packets;
    qint64 jsonBytes = 0;
    for (int first = 1; first <= kPlus; first += 4) {
        QJsonArray a;
        for (int i = first; i < first + 4 && i <= kPlus; ++i)
            a.append(makePlu(i));
        packets.push_back(QJsonDocument(a).toJson(QJsonDocument::Indented));
        jsonBytes += packets.back().size();
    }

    int handle = 0;
    if (lib.zqscaleConnect(link.constData(), 0, &handle) != 0) {
        std::fprintf(stderr, "cannot connect to scale-sim\n");
        return 1;
    }
    Counters before, afterDown, afterUp;
    int failures = 0;
    readCounters(lib, handle, &before);

    QElapsedTimer t;
    t.start();
    failures += lib.zqscaleClearPLUData(handle) != 0;
    for (size_t p = 0; p < packets.size(); ++p)
        failures += lib.zqscaleDownLoadPLU(handle, packets[p].constData(), int(p)) != 0;
    const qint64 downMs = t.elapsed();
    readCounters(lib, handle, &afterDown);

    t.restart();
    const int uploaded = lib.zqscaleUploadPluData(handle, &onPlu);
    const qint64 upMs = t.elapsed();
    readCounters(lib, handle, &afterUp);
    lib.zqscaleDisConnect(handle);
    sim.terminate();
    sim.waitForFinished(3000);

    const double downWire = (afterDown.bytesIn - before.bytesIn) + (afterDown.bytesOut - before.bytesOut);
    const double upWire = (afterUp.bytesIn - afterDown.bytesIn) + (afterUp.bytesOut - afterDown.bytesOut);
    std::printf("PLUs:                      %d in %zu packets (JSON %.1f bytes per PLU)\n", kPlus, packets.size(),
                double(jsonBytes) / kPlus);
    std::printf("download:                  %lld ms (%d failed calls)\n", static_cast<long long>(downMs), failures);
    std::printf("download wire bytes / PLU: %.1f (both directions, %.0f frames)\n", downWire / kPlus,
                (afterDown.framesIn - before.framesIn) + (afterDown.framesOut - before.framesOut));
    std::printf("upload:                    %lld ms (%d PLUs received)\n", static_cast<long long>(upMs), uploaded);
    std::printf("upload wire bytes / PLU:   %.1f (both directions, %.0f frames)\n", upWire / kPlus,
                (afterUp.framesIn - afterDown.framesIn) + (afterUp.framesOut - afterDown.framesOut));
    return failures == 0 && uploaded == kPlus ? 0 : 1;
}
