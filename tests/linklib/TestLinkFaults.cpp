// Faults on the link: every injected fault ends the call with a failure within the time-out,
// except a damaged frame on a serial line, which a resend repairs. Also the break, serial
// transfers and two handles on two threads at once.
#include "LinkTestSupport.h"

#include <QEventLoop>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>

using namespace linktest;

namespace {

constexpr int kTimeoutMs = 1000;
// Longest a failing call may take: the time-out plus generous room for a loaded machine.
constexpr int kFailBoundMs = kTimeoutMs + 2500;

QByteArray packetOf(int first, int count)
{
    QJsonArray a;
    for (int i = first; i < first + count; ++i)
        a.append(makePlu(i));
    return jsonBytes(a);
}

} // namespace

class TestLinkFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void faultEndsTheCall_data();
    void faultEndsTheCall();
    void sentAheadFailureIsReported_data();
    void sentAheadFailureIsReported();
    void serialRoundTripOfEveryKind();
    void serialPortHasOneUserAtATime();
    void nobodyListening_data();
    void nobodyListening();
    void hostilePeerCannotHoldTheCall_data();
    void hostilePeerCannotHoldTheCall();
    void breakEndsARunningDownload();
    void twoHandlesOnTwoThreads();

private:
    std::unique_ptr<ScaleLinkLibrary> m_lib;
    QTemporaryDir m_dir;
};

void TestLinkFaults::initTestCase()
{
    m_lib = std::make_unique<ScaleLinkLibrary>(binDir());
    QVERIFY2(m_lib->isLoaded(), qPrintable(m_lib->errorString()));
    QVERIFY(loadSettings(*m_lib, m_dir.path(), kTimeoutMs));
}

void TestLinkFaults::faultEndsTheCall_data()
{
    QTest::addColumn<bool>("serial");
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<bool>("repaired");
    // Requests: 1 HELLO, 2 CLEAR, 3 and 4 PUT, 5 GET ...
    const QStringList drop{QStringLiteral("--drop-after"), QStringLiteral("3")};
    const QStringList refuse{QStringLiteral("--refuse-frame"), QStringLiteral("4")};
    const QStringList corruptPut{QStringLiteral("--corrupt-frame"), QStringLiteral("3")};
    const QStringList corruptGet{QStringLiteral("--corrupt-frame"), QStringLiteral("5")};
    const QStringList silent{QStringLiteral("--silent-after"), QStringLiteral("3")};
    const QStringList slow{QStringLiteral("--delay-ms"), QString::number(kTimeoutMs * 3)};
    QTest::newRow("tcp: link dropped") << false << drop << false;
    QTest::newRow("tcp: packet refused") << false << refuse << false;
    QTest::newRow("tcp: damaged answer") << false << corruptPut << false;
    QTest::newRow("tcp: scale stops answering") << false << silent << false;
    QTest::newRow("tcp: answers too slow") << false << slow << false;
    QTest::newRow("serial: link dropped") << true << drop << false;
    QTest::newRow("serial: packet refused") << true << refuse << false;
    QTest::newRow("serial: scale stops answering") << true << silent << false;
    QTest::newRow("serial: damaged answer is sent again") << true << corruptPut << true;
    QTest::newRow("serial: damaged upload is sent again") << true << corruptGet << true;
}

void TestLinkFaults::faultEndsTheCall()
{
    QFETCH(bool, serial);
    QFETCH(QStringList, fault);
    QFETCH(bool, repaired);
    if (serial && !ScaleSim::haveSocat())
        QSKIP("socat is not installed");
    ScaleSim sim;
    QVERIFY(serial ? sim.startSerial(fault) : sim.startTcp(fault));
    const bool slowAnswers = fault.first() == QLatin1String("--delay-ms");

    int handle = 0;
    QElapsedTimer t;
    t.start();
    const int connected = m_lib->zqscaleConnect(sim.link().constData(), sim.baud(), &handle);
    if (slowAnswers) {
        QVERIFY(connected < 0);
        QVERIFY2(t.elapsed() < kFailBoundMs, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(handle, 0);
        return;
    }
    QCOMPARE(connected, 0);
    QCOMPARE(m_lib->zqscaleClearPLUData(handle), 0);

    int results[3] = {};
    int upload = 0;
    ReceiveScope scope;
    t.restart();
    results[0] = m_lib->zqscaleDownLoadPLU(handle, packetOf(1, 4).constData(), 0);
    results[1] = m_lib->zqscaleDownLoadPLU(handle, packetOf(5, 4).constData(), 1);
    upload = m_lib->zqscaleUploadPluData(handle, &collect);
    const qint64 elapsed = t.elapsed();
    QVERIFY2(elapsed < 2 * kFailBoundMs, qPrintable(QString::number(elapsed)));
    if (repaired) {
        QCOMPARE(results[0], 0);
        QCOMPARE(results[1], 0);
        QCOMPARE(upload, 8);
        QCOMPARE(scope.data.texts.size(), 8);
        for (int i = 0; i < 8; ++i) {
            QString diff;
            QVERIFY2(sameSentMembers(makePlu(i + 1), parseBytes(scope.data.texts[i]).toObject(), &diff),
                     qPrintable(diff));
        }
        QVERIFY(sim.log().contains("answer sent again"));
    } else {
        QVERIFY(results[0] < 0 || results[1] < 0 || upload < 0);
        // The first failing call is the one the fault hit; it returned in bounded time.
        QVERIFY(results[0] == 0 || fault.first() == QLatin1String("--corrupt-frame"));
        // A TCP link that failed under the call, or whose request was refused, is closed by the
        // library itself, since the program does not disconnect after a TCP failure.
        if (!serial && fault.first() != QLatin1String("--drop-after"))
            QVERIFY2(sim.waitForLog("closed "), sim.log().constData());
    }
    QCOMPARE(m_lib->zqscaleDisConnect(handle) <= 0, true);
}

void TestLinkFaults::sentAheadFailureIsReported_data()
{
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<bool>("confirm"); // the program asks for the answers before it disconnects
    // Requests: 1 HELLO, 2 CLEAR, 3 to 8 the PUT frames of 400 PLUs (about 4 KiB each), 9 BYE.
    const QStringList refuseSecond{QStringLiteral("--refuse-frame"), QStringLiteral("4")};
    const QStringList refuseLast{QStringLiteral("--refuse-frame"), QStringLiteral("8")};
    QTest::newRow("second frame refused") << refuseSecond << true;
    QTest::newRow("last frame refused, told when asked") << refuseLast << true;
    QTest::newRow("last frame refused, told by the disconnect") << refuseLast << false;
    QTest::newRow("link dropped") << QStringList{QStringLiteral("--drop-after"), QStringLiteral("4")} << true;
    QTest::newRow("scale stops answering")
        << QStringList{QStringLiteral("--silent-after"), QStringLiteral("4")} << true;
}

void TestLinkFaults::sentAheadFailureIsReported()
{
    QFETCH(QStringList, fault);
    QFETCH(bool, confirm);
    ScaleSim sim;
    QVERIFY(sim.startTcp(QStringList{QStringLiteral("--data"), sim.dataFile()} + fault));
    int handle = 0;
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), 0, &handle), 0);
    QCOMPARE(m_lib->zqscaleDownLoadData(handle, 100, "{\"Window\": 4}"), 0);
    QCOMPARE(m_lib->zqscaleClearPLUData(handle), 0);
    QElapsedTimer t;
    t.start();
    int failed = 0;
    for (int p = 0; p < 100 && failed == 0; ++p)
        failed = m_lib->zqscaleDownLoadPLU(handle, packetOf(p * 4 + 1, 4).constData(), p);
    if (failed == 0 && confirm)
        failed = m_lib->zqscaleDownLoadData(handle, 100, "{}");
    const int disconnected = m_lib->zqscaleDisConnect(handle);
    // Reported before the disconnect when asked for, else by the disconnect.
    QVERIFY(confirm ? failed < 0 : disconnected < 0);
    QVERIFY2(t.elapsed() < 2 * kFailBoundMs, qPrintable(QString::number(t.elapsed())));
    if (fault.first() != QLatin1String("--refuse-frame"))
        return;
    // Nothing sent after the refused frame was stored: the scale holds a leading part of the list.
    QVERIFY(sim.waitForLog("closed "));
    QCOMPARE(sim.log().contains("skipped"), fault.last() == QLatin1String("4"));
    const QJsonArray plus =
        sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray();
    QVERIFY(!plus.isEmpty() && plus.size() < 400);
    for (int i = 0; i < plus.size(); ++i)
        QCOMPARE(plus.at(i).toObject().value(QStringLiteral("LFCode")).toInt(), i + 1);
}

void TestLinkFaults::serialRoundTripOfEveryKind()
{
    if (!ScaleSim::haveSocat())
        QSKIP("socat is not installed");
    ScaleSim sim;
    QVERIFY(sim.startSerial({QStringLiteral("--pace")}, 115200));
    int handle = 0;
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), sim.baud(), &handle), 0);
    QCOMPARE(m_lib->zqscaleClearPLUData(handle), 0);
    for (int p = 0; p < 10; ++p)
        QCOMPARE(m_lib->zqscaleDownLoadPLU(handle, packetOf(p * 4 + 1, 4).constData(), p), 0);
    int codes[84] = {};
    codes[0] = 3;
    QCOMPARE(m_lib->zqscaleDownLoadHotkey(handle, codes, 0), 0);
    // Longer than a frame and than an upload answer on this line: both ways in pieces.
    const QByteArray message = QByteArray("Ingredients: flour, water, salt. ").repeated(300);
    int reserved = 0;
    QCOMPARE(m_lib->zqscaleDownLoadMessage(handle, 0, message.constData(), message.size(), &reserved), 0);
    QCOMPARE(m_lib->zqscaleDownLoadAdHead(handle, "Head", 4), 0);
    {
        ReceiveScope scope;
        QCOMPARE(m_lib->zqscaleUploadPluData(handle, &collect), 40);
        QCOMPARE(scope.data.texts.size(), 40);
        QCOMPARE(parseBytes(scope.data.texts[2]).toObject().value(QStringLiteral("HotKey")).toInt(), 1);
        QString diff;
        QVERIFY2(sameSentMembers(makePlu(40), parseBytes(scope.data.texts[39]).toObject(), &diff), qPrintable(diff));
    }
    {
        ReceiveScope scope;
        QCOMPARE(m_lib->zqscaleUploadMessage(handle, &collect), 1);
        QCOMPARE(
            parseBytes(scope.data.texts.value(0)).toObject().value(QStringLiteral("MsgText")).toString().toLatin1(),
            message);
    }
    char buffer[260] = {};
    QCOMPARE(m_lib->zqscaleUploadDataAdHead(handle, buffer), 0);
    QCOMPARE(QByteArray(buffer), QByteArray("Head"));
    QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
    // The line can be opened again after a disconnect.
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), sim.baud(), &handle), 0);
    QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
    // A baud rate the line cannot run at is refused.
    QVERIFY(m_lib->zqscaleConnect(sim.link().constData(), 12345, &handle) < 0);
}

void TestLinkFaults::serialPortHasOneUserAtATime()
{
    if (!ScaleSim::haveSocat())
        QSKIP("socat is not installed");
    ScaleSim sim;
    QVERIFY(sim.startSerial());
    // The port by the name the port list shows, then by its device path.
    int first = 0, second = 0;
    QCOMPARE(m_lib->zqscaleConnect(sim.portName().constData(), sim.baud(), &first), 0);
    QElapsedTimer t;
    t.start();
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), sim.baud(), &second), -11); // port busy
    QVERIFY(t.elapsed() < kFailBoundMs);
    QCOMPARE(second, 0);
    QCOMPARE(m_lib->zqscaleDisConnect(first), 0);
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), sim.baud(), &second), 0);
    QCOMPARE(m_lib->zqscaleDisConnect(second), 0);
}

void TestLinkFaults::nobodyListening_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<int>("baud");
    QTest::newRow("closed tcp port") << QByteArray("127.0.0.1:1") << 0;
    QTest::newRow("missing serial device") << QByteArray("/dev/does-not-exist") << 9600;
    QTest::newRow("empty link") << QByteArray("") << 9600;
}

void TestLinkFaults::nobodyListening()
{
    QFETCH(QByteArray, link);
    QFETCH(int, baud);
    int handle = 0;
    QElapsedTimer t;
    t.start();
    QVERIFY(m_lib->zqscaleConnect(link.constData(), baud, &handle) < 0);
    QVERIFY(t.elapsed() < kFailBoundMs);
    QCOMPARE(handle, 0);
}

void TestLinkFaults::hostilePeerCannotHoldTheCall_data()
{
    QTest::addColumn<QByteArray>("reply");
    QByteArray oversize("\xA5\x5A\x81\x00\x01\x00\xFF\xFF", 8);
    oversize.append(char(~quint8(0x81 + 0x01 + 0xFF + 0xFF)));
    // A well-formed answer to HELLO that names protocol version 9.
    QByteArray wrongVersion("\xA5\x5A\x81\x00\x01\x00\x01\x00", 8);
    wrongVersion.append(char(~quint8(0x81 + 0x01 + 0x01)));
    wrongVersion.append('\x09');
    QTest::newRow("nothing at all") << QByteArray();
    QTest::newRow("noise") << QByteArray(5000, '\xA5');
    QTest::newRow("length beyond the frame limit") << oversize + QByteArray(70000, 'x');
    QTest::newRow("answer with a wrong CRC") << wrongVersion + QByteArray("\x00\x00", 2);
}

void TestLinkFaults::hostilePeerCannotHoldTheCall()
{
    QFETCH(QByteArray, reply);
    // A peer in a thread of its own that answers every connection with the same bytes.
    QSemaphore ready;
    std::atomic<quint16> port{0};
    std::unique_ptr<QThread> peer(QThread::create([&] {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                socket->write(reply);
        });
        ready.release();
        QEventLoop loop;
        loop.exec();
    }));
    peer->start();
    QVERIFY(ready.tryAcquire(1, 5000));
    const QByteArray link = "127.0.0.1:" + QByteArray::number(port.load());
    int handle = 0;
    QElapsedTimer t;
    t.start();
    QVERIFY(m_lib->zqscaleConnect(link.constData(), 0, &handle) < 0);
    QVERIFY2(t.elapsed() < kFailBoundMs, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(handle, 0);
    peer->quit();
    QVERIFY(peer->wait(5000));
}

void TestLinkFaults::breakEndsARunningDownload()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    int handle = 0;
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), 0, &handle), 0);
    QCOMPARE(m_lib->zqscaleClearPLUData(handle), 0);
    std::vector<QByteArray> packets;
    for (int p = 0; p < 5000; ++p)
        packets.push_back(packetOf(p * 4 + 1, 4));

    std::atomic<int> sent{0};
    std::atomic<int> failure{0};
    std::atomic<qint64> endedAt{-1};
    QElapsedTimer clock;
    clock.start();
    auto *lib = m_lib.get();
    std::unique_ptr<QThread> worker(QThread::create([&] {
        for (int p = 0; p < 5000; ++p) {
            const int r = lib->zqscaleDownLoadPLU(handle, packets[size_t(p)].constData(), p);
            if (r != 0) {
                failure = r;
                break;
            }
            sent = p + 1;
        }
        endedAt = clock.elapsed();
    }));
    worker->start();
    while (sent.load() < 20 && !worker->isFinished())
        QThread::msleep(1);
    const qint64 breakAt = clock.elapsed();
    QVERIFY(m_lib->zqscaleSetTransBreak(0) >= 1);
    QVERIFY(worker->wait(5000));
    QVERIFY2(failure.load() < 0, "the download ran to its end despite the break");
    QVERIFY(sent.load() < 5000);
    QVERIFY2(endedAt.load() - breakAt < 1000, qPrintable(QString::number(endedAt.load() - breakAt)));
    // A broken handle fails every further call but disconnects cleanly; new links are unaffected.
    QVERIFY(m_lib->zqscaleClearPLUData(handle) < 0);
    QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
    QCOMPARE(m_lib->zqscaleConnect(sim.link().constData(), 0, &handle), 0);
    // The packet in flight at the break may or may not have reached the scale.
    ReceiveScope scope;
    const int stored = m_lib->zqscaleUploadPluData(handle, &collect);
    QVERIFY2(stored == sent.load() * 4 || stored == sent.load() * 4 + 4, qPrintable(QString::number(stored)));
    QCOMPARE(m_lib->zqscaleDisConnect(handle), 0);
}

void TestLinkFaults::twoHandlesOnTwoThreads()
{
    ScaleSim first, second;
    QVERIFY(first.startTcp());
    QVERIFY(second.startTcp());
    auto *lib = m_lib.get();
    struct Outcome
    {
        int connect = -100;
        int failures = 0;
        QList<QByteArray> back;
    };
    Outcome outcomes[2];
    auto run = [lib](const QByteArray &link, int base, Outcome *out) {
        int handle = 0;
        out->connect = lib->zqscaleConnect(link.constData(), 0, &handle);
        if (out->connect != 0)
            return;
        for (int p = 0; p < 100; ++p) {
            if (lib->zqscaleDownLoadPLU(handle, packetOf(base + p * 4, 4).constData(), p) != 0)
                ++out->failures;
        }
        ReceiveScope scope;
        if (lib->zqscaleUploadPluData(handle, &collect) != 400)
            ++out->failures;
        out->back = scope.data.texts;
        if (lib->zqscaleDisConnect(handle) != 0)
            ++out->failures;
    };
    std::unique_ptr<QThread> a(QThread::create(run, first.link(), 1, &outcomes[0]));
    std::unique_ptr<QThread> b(QThread::create(run, second.link(), 100001, &outcomes[1]));
    a->start();
    b->start();
    QVERIFY(a->wait(30000));
    QVERIFY(b->wait(30000));
    for (int k = 0; k < 2; ++k) {
        QCOMPARE(outcomes[k].connect, 0);
        QCOMPARE(outcomes[k].failures, 0);
        QCOMPARE(outcomes[k].back.size(), 400);
        const int base = k == 0 ? 1 : 100001;
        for (int i = 0; i < 400; i += 57) {
            QString diff;
            QVERIFY2(sameSentMembers(makePlu(base + i), parseBytes(outcomes[k].back[i]).toObject(), &diff),
                     qPrintable(diff));
        }
    }
}

QTEST_GUILESS_MAIN(TestLinkFaults)
#include "TestLinkFaults.moc"
