// scale-sim: plays a label scale on the other end of the link library, over TCP and/or a serial
// line, with the memory, checks and faults that tests and benchmarks need.
#include "ScaleMemory.h"
#include "SimServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdio>

using namespace linkproto;

namespace {
std::atomic<bool> g_stop{false};

extern "C" void onStopSignal(int)
{
    g_stop = true;
}

qint64 numberOption(const QCommandLineParser &parser, const QString &name, qint64 fallback, bool *ok)
{
    if (!parser.isSet(name))
        return fallback;
    bool parsed = false;
    const qint64 v = parser.value(name).toLongLong(&parsed);
    if (!parsed || v < 0) {
        std::fprintf(stderr, "scale-sim: --%s needs a number\n", qPrintable(name));
        *ok = false;
    }
    return v;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scale-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated label scale for the scale link library."));
    parser.addHelpOption();
    const QString tcp = QStringLiteral("tcp"), serial = QStringLiteral("serial"), baud = QStringLiteral("baud"),
                  pace = QStringLiteral("pace"), capacity = QStringLiteral("capacity"), data = QStringLiteral("data"),
                  dump = QStringLiteral("dump"), portFile = QStringLiteral("port-file"),
                  dropAfter = QStringLiteral("drop-after"), silentAfter = QStringLiteral("silent-after"),
                  refuseFrame = QStringLiteral("refuse-frame"), corruptFrame = QStringLiteral("corrupt-frame"),
                  delayMs = QStringLiteral("delay-ms"), weight = QStringLiteral("weight"),
                  noState = QStringLiteral("no-state");
    parser.addOptions({
        {tcp, QStringLiteral("Listen on ADDRESS:PORT (default 127.0.0.1:5005; port 0 picks a free one)."),
         QStringLiteral("address:port")},
        {serial, QStringLiteral("Serve the serial device PATH."), QStringLiteral("path")},
        {baud, QStringLiteral("Baud rate of the serial device (default 115200)."), QStringLiteral("n"),
         QStringLiteral("115200")},
        {pace, QStringLiteral("Carry the serial line both ways no faster than the baud rate allows.")},
        {capacity, QStringLiteral("PLUs the scale holds (default 20000)."), QStringLiteral("n"),
         QStringLiteral("20000")},
        {data,
         QStringLiteral("Keep the memory in FILE across restarts; every answered change is in FILE.journal "
                        "before its answer."),
         QStringLiteral("file")},
        {dump, QStringLiteral("Print the memory and counters of --data as JSON and exit.")},
        {portFile, QStringLiteral("Write the bound TCP port to FILE."), QStringLiteral("file")},
        {dropAfter, QStringLiteral("Drop the link when request N+1 arrives."), QStringLiteral("n")},
        {silentAfter, QStringLiteral("Stop answering after request N."), QStringLiteral("n")},
        {refuseFrame, QStringLiteral("Refuse request N."), QStringLiteral("n")},
        {corruptFrame, QStringLiteral("Damage one byte of the answer to request N."), QStringLiteral("n")},
        {delayMs, QStringLiteral("Delay every answer by MS milliseconds."), QStringLiteral("ms")},
        {weight, QStringLiteral("Weight in grams the scale reports."), QStringLiteral("g")},
        {noState, QStringLiteral("Answer STATE as an older scale does: an unknown command.")},
    });
    parser.process(app);

    bool ok = true;
    FaultPlan faults;
    faults.dropAfter = numberOption(parser, dropAfter, -1, &ok);
    faults.silentAfter = numberOption(parser, silentAfter, -1, &ok);
    faults.refuseFrame = numberOption(parser, refuseFrame, -1, &ok);
    faults.corruptFrame = numberOption(parser, corruptFrame, -1, &ok);
    faults.delayMs = int(numberOption(parser, delayMs, 0, &ok));
    const int cap = int(numberOption(parser, capacity, 20000, &ok));
    const int baudRate = int(numberOption(parser, baud, 115200, &ok));
    const int grams = int(numberOption(parser, weight, 0, &ok));
    if (!ok)
        return 2;

    ScaleMemory memory(cap);
    memory.setWeight(grams);
    memory.setAnswersState(!parser.isSet(noState));
    LinkCounters counters;
    const QString dataPath = parser.value(data);
    quint64 applied = 0;
    {
        QString error;
        if (!SimJournal(dataPath).load(memory, counters, &applied, &error)) {
            std::fprintf(stderr, "scale-sim: cannot read %s: %s\n", qPrintable(dataPath), qPrintable(error));
            return 1;
        }
    }
    SimServer server(memory, faults, dataPath);
    server.setCounters(counters);
    server.setApplied(applied);

    if (parser.isSet(dump)) {
        if (dataPath.isEmpty()) {
            std::fprintf(stderr, "scale-sim: --dump needs --data\n");
            return 2;
        }
        const QByteArray state = server.stateJson();
        std::fwrite(state.constData(), 1, size_t(state.size()), stdout);
        return 0;
    }

    if (!dataPath.isEmpty() && SimJournal(dataPath).hasJournal()) {
        // New entries must not follow a torn one: fold the journal into a fresh snapshot.
        QString error;
        if (!server.saveState(&error)) {
            std::fprintf(stderr, "scale-sim: cannot write %s: %s\n", qPrintable(dataPath), qPrintable(error));
            return 1;
        }
    }
    if (parser.isSet(serial)) {
        QString error;
        if (!server.openSerial(parser.value(serial), baudRate, parser.isSet(pace), &error)) {
            std::fprintf(stderr, "scale-sim: cannot open %s: %s\n", qPrintable(parser.value(serial)),
                         qPrintable(error));
            return 1;
        }
        std::fprintf(stderr, "scale-sim: serving %s at %d baud\n", qPrintable(parser.value(serial)), baudRate);
    }
    if (parser.isSet(tcp) || !parser.isSet(serial)) {
        const QString listenAt = parser.isSet(tcp) ? parser.value(tcp) : QStringLiteral("127.0.0.1:5005");
        const int colon = listenAt.lastIndexOf(QLatin1Char(':'));
        bool portOk = false;
        const int port = colon < 0 ? -1 : listenAt.mid(colon + 1).toInt(&portOk);
        const QHostAddress address(listenAt.left(colon));
        if (!portOk || port < 0 || port > 65535 || address.isNull()) {
            std::fprintf(stderr, "scale-sim: --tcp wants ADDRESS:PORT, not %s\n", qPrintable(listenAt));
            return 2;
        }
        QString error;
        if (!server.listenTcp(address, quint16(port), &error)) {
            std::fprintf(stderr, "scale-sim: cannot listen on %s: %s\n", qPrintable(listenAt), qPrintable(error));
            return 1;
        }
        if (parser.isSet(portFile)) {
            QSaveFile file(parser.value(portFile));
            const QByteArray text = QByteArray::number(server.tcpPort()) + '\n';
            if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
                std::fprintf(stderr, "scale-sim: cannot write %s\n", qPrintable(parser.value(portFile)));
                return 1;
            }
        }
        std::printf("listening on %s:%u\n", qPrintable(address.toString()), unsigned(server.tcpPort()));
        std::fflush(stdout);
    }
    // Ending the simulator (Ctrl+C, or the start script stopping it) keeps the memory.
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
    QTimer stopWatch;
    QObject::connect(&stopWatch, &QTimer::timeout, &app, [] {
        if (g_stop)
            QCoreApplication::quit();
    });
    stopWatch.start(100);
    const int code = app.exec();
    server.flush();
    return code;
}
