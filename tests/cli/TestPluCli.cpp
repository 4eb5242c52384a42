#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "document/DepartmentTable.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "editors/LocalDatabase.h"

#include <QJsonDocument>
#include <QProcess>
#include <QTextCodec>
#include <cerrno>
#include <csignal>
#include <cstring>

using C = PluColumns;
using linktest::ScaleSim;

namespace {
QString dataPath(const QString &name)
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/document/") + name;
}

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result runCli(const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    p.start(linktest::binDir() + QStringLiteral("/plu-cli"), args);
    Result r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("plu-cli did not end");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QString describe(const Result &r)
{
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr (end):\n%3").arg(r.exitCode).arg(r.out, r.err.right(1500));
}

QString tcpAddress(const ScaleSim &sim)
{
    return QString::fromLatin1(sim.link());
}

// The file set a save writes: main file and side files, by extension.
QMap<QString, QByteArray> readSet(const QString &mainPath)
{
    const PluFileSet::SidePaths sides = PluFileSet::sidePathsForSaveAs(mainPath);
    return {{QStringLiteral("main"), TestEnvironment::readFile(mainPath)},
            {QStringLiteral("info"), TestEnvironment::readFile(sides.info)},
            {QStringLiteral("msg"), TestEnvironment::readFile(sides.msg)},
            {QStringLiteral("rsc"), TestEnvironment::readFile(sides.rsc)}};
}

bool saveSet(PluDocument *doc, const QString &path)
{
    QString error;
    return PluFileSet::save(doc, path, PluFileSet::sidePathsForSaveAs(path), &error);
}

// Names of the used rows of a file set, in order.
QStringList namesIn(const QString &path)
{
    PluDocument doc;
    QString error;
    if (PluFileSet::load(&doc, path, &error) != PluFileSet::LoadResult::Loaded)
        return {QStringLiteral("load failed: ") + error};
    QStringList names;
    for (int r = 0; r < doc.rowCount(); ++r)
        names << doc.model()->text(r, C::PluName);
    return names;
}
} // namespace

class TestPluCli : public QObject
{
    Q_OBJECT
private slots:
    void sendEveryPartThenFetchBack_data();
    void sendEveryPartThenFetchBack();
    void failingScaleIsNamedOthersSucceed_data();
    void failingScaleIsNamedOthersSucceed();
    void failedFetchWritesNothing();
    void updateKeepsPlusTheScaleHad();
    void badRowSendsNothing();
    void newPlusTakeTheOldMessagesAway();
    void emptyListNeverClearsAScale();
    void timeoutOptionLeavesTheSettingsAlone();
    void convertWritesTheFileSet_data();
    void convertWritesTheFileSet();
    void badArguments_data();
    void badArguments();
    void refusedFilesOneLine_data();
    void refusedFilesOneLine();
    void departmentsAndPackTypesThroughTheScale();
    void slowScalesSucceed();
    void stopSignalSaysWhatTheScaleHolds();

private:
    // A settings file for plu-cli and for this process's own loads and saves.
    QVariantMap settings(const QString &codePage = QString()) const
    {
        return {{QStringLiteral("Link/TimeoutMs"), 2000}, {QStringLiteral("Setting/CodePage"), codePage}};
    }
};

void TestPluCli::sendEveryPartThenFetchBack_data()
{
    QTest::addColumn<bool>("serial");
    QTest::newRow("two scales over tcp at once") << false;
    if (ScaleSim::haveSocat())
        QTest::newRow("serial") << true;
}

void TestPluCli::sendEveryPartThenFetchBack()
{
    QFETCH(bool, serial);
    ScaleSim sims[2];
    const int scaleCount = serial ? 1 : 2;
    QStringList addresses;
    for (int i = 0; i < scaleCount; ++i) {
        QVERIFY(serial ? sims[i].startSerial() : sims[i].startTcp());
        // A serial scale by the name the port list shows ("pts/3"), as an operator would type it.
        addresses << QString::fromLocal8Bit(serial ? sims[i].portName() : sims[i].link());
    }
    // The first TCP scale is named without a port: the link library must take it from --config.
    QVariantMap values = settings();
    if (!serial) {
        values.insert(QStringLiteral("Link/TcpPort"), sims[0].port());
        addresses[0] = QStringLiteral("127.0.0.1");
    }
    TestEnvironment env(values);

    // The file set to send: the all-fields rows with every kind of side data.
    PluDocument doc;
    QString error;
    QCOMPARE(PluFileSet::load(&doc, dataPath(QStringLiteral("all-fields/input.txp")), &error),
             PluFileSet::LoadResult::Loaded);
    doc.messages().setMessageLines(0, {QStringLiteral("Keep cool"), QStringLiteral("Best before")});
    doc.messages().setMessageLines(3, {QString(), QStringLiteral("Line two of message 4")});
    QStringList fullMessage; // 16 lines of 80 characters
    for (int line = 0; line < 16; ++line)
        fullMessage << QString(80, QLatin1Char('a' + line));
    doc.messages().setMessageLines(5, fullMessage);
    SchedulePeriod early;
    early.hour = 8;
    early.minute = 30;
    early.rate = 85;
    SchedulePeriod late;
    late.hour = 19;
    late.minute = 45;
    late.rate = 50;
    doc.schedules().setPeriod(0, 1, early);
    doc.schedules().setPeriod(2, 0, late);
    doc.advertising().setTexts({QStringLiteral("Welcome"), QStringLiteral("Thank you"), QStringLiteral("See you")});
    const QString sent = env.path(QStringLiteral("sent.txp"));
    QVERIFY(saveSet(&doc, sent));

    QStringList sendArgs{QStringLiteral("send"),     sent,
                         QStringLiteral("--parts"),  QStringLiteral("plu,hotkey,info,message,schedule"),
                         QStringLiteral("--config"), env.settingsPath()};
    for (const QString &a : addresses)
        sendArgs << QStringLiteral("--scale") << a;
    const Result sendResult = runCli(sendArgs);
    QVERIFY2(sendResult.exitCode == 0, qPrintable(describe(sendResult)));
    QStringList okLines;
    for (const QString &a : addresses)
        okLines << a + QStringLiteral(": ok");
    QCOMPARE(sendResult.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), okLines);
    QVERIFY2(sendResult.err.contains(addresses.first() + QStringLiteral(": Download Discount Info")),
             qPrintable(sendResult.err));

    // What the scale keeps of a PLU: the columns its record has no member for come back as a new
    // row has them, Code as a number, and Ice with two decimals. Everything else, and the side
    // files, must come back exactly as a save of the sent document writes them.
    for (int r = 0; r < doc.rowCount(); ++r) {
        PluTableModel *m = doc.model();
        m->setCell(r, C::Code, m->text(r, C::Code).toLongLong());
        m->setCell(r, C::Ice, QString::number(m->text(r, C::Ice).toDouble(), 'f', 2));
        m->setCell(r, C::PackPrice, QStringLiteral("0.00"));
        for (int c : {C::Account, C::TraceID, C::Nutrition, C::NgTolerance})
            m->setCell(r, c, QStringLiteral("0"));
        m->setCell(r, C::ProDate, QString());
    }
    const QString expectedPath = env.path(QStringLiteral("expected.txp"));
    QVERIFY(saveSet(&doc, expectedPath));
    const QMap<QString, QByteArray> expected = readSet(expectedPath);
    QVERIFY(expected.value(QStringLiteral("msg")).contains("Line two of message 4"));

    for (int i = 0; i < scaleCount; ++i) {
        const QString back = env.path(QStringLiteral("back%1.txp").arg(i));
        const Result fetchResult =
            runCli({QStringLiteral("fetch"), QStringLiteral("--scale"), addresses.at(i), QStringLiteral("-o"), back,
                    QStringLiteral("--config"), env.settingsPath(), QStringLiteral("--quiet")});
        QVERIFY2(fetchResult.exitCode == 0, qPrintable(describe(fetchResult)));
        QCOMPARE(fetchResult.out.trimmed(), addresses.at(i) + QStringLiteral(": ok"));
        QVERIFY2(fetchResult.err.isEmpty(), qPrintable(fetchResult.err)); // --quiet
        const QMap<QString, QByteArray> got = readSet(back);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(got.value(it.key()) == it.value(),
                     qPrintable(QStringLiteral("%1 of scale %2 differs:\n%3\nexpected:\n%4")
                                    .arg(it.key(), addresses.at(i), QString::fromLocal8Bit(got.value(it.key())),
                                         QString::fromLocal8Bit(it.value()))));
    }
}

void TestPluCli::failingScaleIsNamedOthersSucceed_data()
{
    QTest::addColumn<QStringList>("faultySimArgs"); // empty: nothing listens at the address
    QTest::addColumn<QString>("reason");
    // Requests: HELLO, STATE, CLEAR, then the first PUT of PLUs.
    QTest::newRow("refuses the first packet")
        << QStringList{QStringLiteral("--refuse-frame"), QStringLiteral("4")} << "Download Plu Error";
    QTest::newRow("holds two PLUs of three")
        << QStringList{QStringLiteral("--capacity"), QStringLiteral("2")} << "The scale's memory is full (2 PLUs)";
    QTest::newRow("refuses the clear") << QStringList{QStringLiteral("--refuse-frame"), QStringLiteral("3")}
                                       << "Clear PLU data Error";
    QTest::newRow("nothing listens") << QStringList()
                                     << "Connect Fail: connection refused by 127.0.0.1:1. Start the scale simulator "
                                        "(scale-sim) or choose another scale.";
}

void TestPluCli::failingScaleIsNamedOthersSucceed()
{
    QFETCH(QStringList, faultySimArgs);
    QFETCH(QString, reason);
    TestEnvironment env(settings());
    ScaleSim good, faulty;
    QVERIFY(good.startTcp());
    QString faultyAddress = QStringLiteral("127.0.0.1:1");
    if (!faultySimArgs.isEmpty()) {
        QVERIFY(faulty.startTcp(faultySimArgs));
        faultyAddress = tcpAddress(faulty);
    }
    const Result r = runCli({QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp")),
                             QStringLiteral("--scale"), faultyAddress, QStringLiteral("--scale"), tcpAddress(good),
                             QStringLiteral("--config"), env.settingsPath()});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList(
                 {faultyAddress + QStringLiteral(": failed: ") + reason, tcpAddress(good) + QStringLiteral(": ok")}));
    // The good scale really holds the file.
    const QString back = env.path(QStringLiteral("back.txp"));
    const Result fetched = runCli({QStringLiteral("fetch"), QStringLiteral("--scale"), tcpAddress(good),
                                   QStringLiteral("-o"), back, QStringLiteral("--config"), env.settingsPath()});
    QVERIFY2(fetched.exitCode == 0, qPrintable(describe(fetched)));
    QCOMPARE(namesIn(back), QStringList({QStringLiteral("Apples"), QString(), QStringLiteral("Pears")}));
}

void TestPluCli::failedFetchWritesNothing()
{
    TestEnvironment env(settings());
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    QCOMPARE(runCli({QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp")),
                     QStringLiteral("--scale"), tcpAddress(sim), QStringLiteral("--config"), env.settingsPath()})
                 .exitCode,
             0);
    sim.stop();
    // The link drops during the PLU upload (HELLO, then the first GET).
    ScaleSim dropping;
    QVERIFY(dropping.startTcp({QStringLiteral("--drop-after"), QStringLiteral("1")}));
    const QString back = env.path(QStringLiteral("back.txp"));
    const Result r = runCli({QStringLiteral("fetch"), QStringLiteral("--scale"), tcpAddress(dropping),
                             QStringLiteral("-o"), back, QStringLiteral("--config"), env.settingsPath()});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out.trimmed(), tcpAddress(dropping) + QStringLiteral(": failed: Upload Plu Error"));
    QVERIFY(!QFile::exists(back));
    QVERIFY(!QFile::exists(env.path(QStringLiteral("back.Msg"))));
}

void TestPluCli::updateKeepsPlusTheScaleHad()
{
    TestEnvironment env(settings());
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    const QStringList common{QStringLiteral("--scale"), tcpAddress(sim), QStringLiteral("--config"),
                             env.settingsPath()};
    QCOMPARE(
        runCli(QStringList{QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp"))} + common).exitCode,
        0);

    // Only a changed Apples and a new Cherries: the scale keeps Pears and the blank row.
    PluDocument update;
    update.model()->setCell(0, C::PluName, QStringLiteral("Cherries"));
    update.model()->setCell(0, C::LFCode, 1003);
    update.model()->setCell(1, C::PluName, QStringLiteral("Apples"));
    update.model()->setCell(1, C::LFCode, 1001);
    update.model()->setCell(1, C::UnitPrice, QStringLiteral("3.33"));
    const QString updatePath = env.path(QStringLiteral("update.txp"));
    QVERIFY(saveSet(&update, updatePath));
    const Result r = runCli(QStringList{QStringLiteral("send"), updatePath, QStringLiteral("--update")} + common);
    QVERIFY2(r.exitCode == 0, qPrintable(describe(r)));
    QVERIFY2(r.err.contains(QStringLiteral(": update plu")), qPrintable(r.err));

    const QString back = env.path(QStringLiteral("back.txp"));
    QCOMPARE(runCli(QStringList{QStringLiteral("fetch"), QStringLiteral("-o"), back} + common).exitCode, 0);
    // Stored in place by LF code; new ones appended.
    QCOMPARE(namesIn(back),
             QStringList({QStringLiteral("Apples"), QString(), QStringLiteral("Pears"), QStringLiteral("Cherries")}));
    PluDocument fetched;
    QString error;
    QCOMPARE(PluFileSet::load(&fetched, back, &error), PluFileSet::LoadResult::Loaded);
    QCOMPARE(fetched.model()->text(0, C::UnitPrice), QStringLiteral("3.33"));
}

void TestPluCli::badRowSendsNothing()
{
    TestEnvironment env(settings());
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    const QStringList config{QStringLiteral("--config"), env.settingsPath()};
    QCOMPARE(runCli(QStringList{QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp")),
                                QStringLiteral("--scale"), tcpAddress(sim)} +
                    config)
                 .exitCode,
             0);

    PluDocument doc;
    for (int r = 0; r < 4002; ++r) {
        doc.model()->setCell(r, C::PluName, QStringLiteral("Item %1").arg(r));
        doc.model()->setCell(r, C::LFCode, r + 1);
    }
    doc.model()->setCell(4001, C::Tolerance, QStringLiteral("30"));
    const QString bad = env.path(QStringLiteral("bad.txp"));
    QVERIFY(saveSet(&doc, bad));
    // Two scales, one of them not even there: neither is contacted.
    const Result r = runCli(QStringList{QStringLiteral("send"), bad, QStringLiteral("--scale"), tcpAddress(sim),
                                        QStringLiteral("--scale"), QStringLiteral("127.0.0.1:1")} +
                            config);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.startsWith(QStringLiteral("row 4002: Tolerance (%) 30 is outside 0~20\n")), qPrintable(r.err));

    const QString back = env.path(QStringLiteral("back.txp"));
    QCOMPARE(runCli(QStringList{QStringLiteral("fetch"), QStringLiteral("--scale"), tcpAddress(sim),
                                QStringLiteral("-o"), back} +
                    config)
                 .exitCode,
             0);
    QCOMPARE(namesIn(back), QStringList({QStringLiteral("Apples"), QString(), QStringLiteral("Pears")}));
}

void TestPluCli::newPlusTakeTheOldMessagesAway()
{
    TestEnvironment env(settings());
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    const QStringList common{QStringLiteral("--scale"), tcpAddress(sim),           QStringLiteral("--config"),
                             env.settingsPath(),        QStringLiteral("--parts"), QStringLiteral("plu,message")};
    PluDocument doc;
    QString error;
    QCOMPARE(PluFileSet::load(&doc, dataPath(QStringLiteral("all-fields/input.txp")), &error),
             PluFileSet::LoadResult::Loaded);
    for (int m = 1; m <= 3; ++m)
        doc.messages().setMessageLines(m, {QStringLiteral("Old message %1").arg(m)});
    const QString old = env.path(QStringLiteral("old.txp"));
    QVERIFY(saveSet(&doc, old));
    QCOMPARE(runCli(QStringList{QStringLiteral("send"), old} + common).exitCode, 0);
    // The new list has one message: the scale must not keep messages 2 and 3 of the old one.
    doc.messages().clearMessages();
    doc.messages().setMessageLines(1, {QStringLiteral("New message")});
    const QString fresh = env.path(QStringLiteral("new.txp"));
    QVERIFY(saveSet(&doc, fresh));
    QCOMPARE(runCli(QStringList{QStringLiteral("send"), fresh} + common).exitCode, 0);

    const QString back = env.path(QStringLiteral("back.txp"));
    QCOMPARE(runCli({QStringLiteral("fetch"), QStringLiteral("--scale"), tcpAddress(sim), QStringLiteral("-o"), back,
                     QStringLiteral("--config"), env.settingsPath()})
                 .exitCode,
             0);
    QCOMPARE(TestEnvironment::readFile(env.path(QStringLiteral("back.Msg"))),
             TestEnvironment::readFile(env.path(QStringLiteral("new.Msg"))));
}

void TestPluCli::emptyListNeverClearsAScale()
{
    TestEnvironment env(settings());
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    const QStringList common{QStringLiteral("--scale"), tcpAddress(sim), QStringLiteral("--config"),
                             env.settingsPath()};
    QCOMPARE(
        runCli(QStringList{QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp"))} + common).exitCode,
        0);
    const QByteArray memory = QJsonDocument(sim.dump()).toJson();
    QVERIFY(memory.contains("Pears"));

    // A damaged export of which no line is a PLU row converts to nothing.
    const QString damaged = env.path(QStringLiteral("damaged.csv"));
    QVERIFY(TestEnvironment::writeFile(damaged, "0,Apples,0\r\n1,Pears,1002\r\n"));
    const QString empty = env.path(QStringLiteral("empty.txp"));
    const Result converted =
        runCli({QStringLiteral("convert"), damaged, empty, QStringLiteral("--config"), env.settingsPath()});
    QCOMPARE(converted.exitCode, 1);
    QCOMPARE(converted.err.trimmed(),
             QStringLiteral("plu-cli: \"%1\": no PLU row was read; nothing was written").arg(damaged));
    QVERIFY(!QFile::exists(empty));

    // An empty set is not sent, in either way of sending, unless asked for.
    PluDocument nothing;
    QVERIFY(saveSet(&nothing, empty));
    for (const QStringList &how : {QStringList(), QStringList{QStringLiteral("--update")}}) {
        const Result r = runCli(QStringList{QStringLiteral("send"), empty} + how + common);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains(QStringLiteral("--allow-empty")), qPrintable(r.err));
    }
    QCOMPARE(QJsonDocument(sim.dump()).toJson(), memory);
    const Result allowed = runCli(QStringList{QStringLiteral("send"), empty, QStringLiteral("--allow-empty")} + common);
    QVERIFY2(allowed.exitCode == 0, qPrintable(describe(allowed)));
    const QString back = env.path(QStringLiteral("back.txp"));
    QCOMPARE(runCli(QStringList{QStringLiteral("fetch"), QStringLiteral("-o"), back} + common).exitCode, 0);
    QCOMPARE(namesIn(back), QStringList());
}

void TestPluCli::timeoutOptionLeavesTheSettingsAlone()
{
    // The settings wait 30 s; a scale that never answers must give up after the one asked for.
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 30000}});
    ScaleSim silent;
    QVERIFY(silent.startTcp({QStringLiteral("--silent-after"), QStringLiteral("0")}));
    const QByteArray before = TestEnvironment::readFile(env.settingsPath());
    QElapsedTimer t;
    t.start();
    const Result r = runCli({QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp")),
                             QStringLiteral("--scale"), tcpAddress(silent), QStringLiteral("--timeout"),
                             QStringLiteral("1"), QStringLiteral("--config"), env.settingsPath()});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out.trimmed(),
             tcpAddress(silent) + QStringLiteral(": failed: Connect Fail: no answer in time. Check that the scale is "
                                                 "on and the link settings are right."));
    QVERIFY2(t.elapsed() < 15000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(TestEnvironment::readFile(env.settingsPath()), before);
}

void TestPluCli::convertWritesTheFileSet_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("codePage");
    QTest::newRow("csv") << "csv-stop/input.csv"
                         << "";
    // The code page comes from --config: read as the locale's, these names would not survive.
    QTest::newRow("gbk names") << "gbk-name/input.txp"
                               << "GBK";
}

void TestPluCli::convertWritesTheFileSet()
{
    QFETCH(QString, input);
    QFETCH(QString, codePage);
    TestEnvironment env(settings(codePage));
    const QString out = env.path(QStringLiteral("converted.txp"));
    const Result r =
        runCli({QStringLiteral("convert"), dataPath(input), out, QStringLiteral("--config"), env.settingsPath()});
    QVERIFY2(r.exitCode == 0, qPrintable(describe(r)));
    const QString expected = dataPath(input.section(QLatin1Char('/'), 0, 0) + QStringLiteral("/expected.txp"));
    QCOMPARE(TestEnvironment::readFile(out), TestEnvironment::readFile(expected));
    for (const QString &side :
         {QStringLiteral("converted.Info"), QStringLiteral("converted.Msg"), QStringLiteral("converted.RSC")})
        QVERIFY2(QFile::exists(env.path(side)), qPrintable(side));
}

void TestPluCli::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString txp = dataPath(QStringLiteral("all-fields/input.txp"));
    QTest::newRow("no command") << QStringList() << 2 << "no command given";
    QTest::newRow("unknown command") << QStringList{"push", txp} << 2 << "unknown command \"push\"";
    QTest::newRow("unknown option") << QStringList{"send", txp, "--scale", "127.0.0.1", "--fast"} << 2
                                    << "Unknown option 'fast'";
    QTest::newRow("send without scale") << QStringList{"send", txp} << 2 << "send needs --scale ADDR";
    QTest::newRow("send to an address and a group")
        << QStringList{"send", txp, "--scale", "127.0.0.1", "--group", "shop"} << 2 << "send needs --scale ADDR";
    QTest::newRow("changes without the list")
        << QStringList{"send", txp, "--scale", "127.0.0.1", "--changed"} << 2 << "use it with --group or --all";
    QTest::newRow("scales test without a name") << QStringList{"scales", "test"} << 2 << "scales takes: add";
    QTest::newRow("send two files") << QStringList{"send", txp, txp, "--scale", "127.0.0.1"} << 2
                                    << "send takes one file set";
    QTest::newRow("address out of range") << QStringList{"send", txp, "--scale", "192.168.1.256"} << 2
                                          << "\"192.168.1.256\" is neither an IPv4 address nor a serial port";
    QTest::newRow("host name") << QStringList{"send", txp, "--scale", "scale.local"} << 2
                               << "neither an IPv4 address nor a serial port";
    QTest::newRow("timeout zero") << QStringList{"send", txp, "--scale", "127.0.0.1", "--timeout", "0"} << 2
                                  << "--timeout takes seconds from 0.1 to 600";
    QTest::newRow("timeout not a number")
        << QStringList{"send", txp, "--scale", "ttyUSB0", "--timeout", "soon"} << 2 << "--timeout takes seconds";
    QTest::newRow("port out of range") << QStringList{"send", txp, "--scale", "127.0.0.1:70000"} << 2
                                       << "not a valid IPv4 address and port";
    QTest::newRow("serial baud") << QStringList{"send", txp, "--scale", "/dev/ttyS0", "--baud", "1234"} << 2
                                 << "1234 is not a baud rate";
    QTest::newRow("baud not a number") << QStringList{"send", txp, "--scale", "/dev/ttyS0", "--baud", "fast"} << 2
                                       << "--baud takes a number";
    QTest::newRow("unknown part") << QStringList{"send", txp, "--scale", "127.0.0.1", "--parts", "plu,prices"} << 2
                                  << "unknown part \"prices\"";
    QTest::newRow("update with parts") << QStringList{"send", txp, "--scale", "127.0.0.1", "--update", "--parts", "plu"}
                                       << 2 << "takes no --parts";
    QTest::newRow("departments to a group")
        << QStringList{"send", txp, "--all", "--parts", "plu,department"} << 2 << "go to the scales named with --scale";
    QTest::newRow("fetch without output") << QStringList{"fetch", "--scale", "127.0.0.1"} << 2 << "needs -o FILE";
    QTest::newRow("fetch from two scales")
        << QStringList{"fetch", "--scale", "127.0.0.1", "--scale", "127.0.0.2", "-o", "x.txp"} << 2
        << "exactly one --scale";
    QTest::newRow("fetch into csv") << QStringList{"fetch", "--scale", "127.0.0.1", "-o", "x.csv"} << 2
                                    << "name it .txp";
    QTest::newRow("convert one file") << QStringList{"convert", txp} << 2 << "an input and an output file";
    QTest::newRow("convert with scale") << QStringList{"convert", txp, "x.txp", "--scale", "127.0.0.1"} << 2
                                        << "--scale does not apply";
    QTest::newRow("missing settings") << QStringList{"convert", txp, "x.txp", "--config", "/nonexistent/SYSTEM.CFG"}
                                      << 2 << "settings file \"/nonexistent/SYSTEM.CFG\" not found";
    QTest::newRow("missing input") << QStringList{"send", "/nonexistent/shop.txp", "--scale", "127.0.0.1"} << 1
                                   << "\"/nonexistent/shop.txp\": no such file";
    QTest::newRow("folder as input") << QStringList{"convert", dataPath(QStringLiteral("csv-stop")), "x.txp"} << 1
                                     << "no such file";
}

void TestPluCli::badArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TestEnvironment env(settings());
    // Output paths are relative: run where a stray write would be seen.
    QProcess p;
    p.setWorkingDirectory(env.path(QString()));
    const QStringList withConfig = args.contains(QStringLiteral("--config")) || args.isEmpty()
                                       ? args
                                       : args + QStringList{QStringLiteral("--config"), env.settingsPath()};
    p.start(linktest::binDir() + QStringLiteral("/plu-cli"), withConfig);
    QVERIFY(p.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QCOMPARE(p.exitCode(), exitCode);
    QVERIFY2(err.contains(message), qPrintable(err));
    QCOMPARE(p.readAllStandardOutput(), QByteArray()); // no scale was talked to
    QVERIFY(!QFile::exists(env.path(QStringLiteral("x.txp"))));
}

void TestPluCli::refusedFilesOneLine_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("sizeLimit"); // in blocks of the shell's ulimit -f; 0: none
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // OUT stands for the output path
    const QByteArray fixture = TestEnvironment::readFile(dataPath(QStringLiteral("all-fields/input.txp")));
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 2654435761u) >> 13);
    QByteArray big;
    for (int i = 0; i < 300; ++i)
        big += "0\tArticle " + QByteArray::number(i) + "\t" + QByteArray::number(i + 1) + "\r\n";
    QTest::newRow("unknown code page") << "convert"
                                       << "GKB" << fixture << 0 << 2
                                       << "Unknown code page 'GKB' in SYSTEM.CFG; using " +
                                              QString::fromLatin1(QTextCodec::codecForLocale()->name());
    // Sent, these bytes would clear the scale and fill it with garbage.
    QTest::newRow("random bytes") << "send"
                                  << "" << random << 0 << 1 << "\"in.txp\" is not a PLU file: line 1 holds a NUL byte.";
    QTest::newRow("file size limit") << "convert"
                                     << "" << big << 4 << 1
                                     << "Cannot write \"OUT\": " + QString::fromLocal8Bit(std::strerror(EFBIG));
}

void TestPluCli::refusedFilesOneLine()
{
    QFETCH(QString, command);
    QFETCH(QString, codePage);
    QFETCH(QByteArray, input);
    QFETCH(int, sizeLimit);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TestEnvironment env(settings(codePage));
    const QString in = env.path(QStringLiteral("in.txp"));
    const QString out = env.path(QStringLiteral("out.txp"));
    QVERIFY(TestEnvironment::writeFile(in, input));
    QStringList args{command, in};
    args << (command == QLatin1String("send") ? QStringList{QStringLiteral("--scale"), QStringLiteral("127.0.0.1:1")}
                                              : QStringList{out});
    args << QStringLiteral("--config") << env.settingsPath();
    // The limit makes the system cut a write short, as a disk that fills up does; the signal it
    // would send stays ignored, so the write fails with its reason.
    args.prepend(linktest::binDir() + QStringLiteral("/plu-cli"));
    args.prepend(QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"")
                     .arg(sizeLimit > 0 ? QString::number(sizeLimit) : QStringLiteral("unlimited")));
    QProcess p;
    p.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c")} + args);
    QVERIFY(p.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QCOMPARE(p.exitCode(), exitCode);
    QCOMPARE(err,
             QStringLiteral("plu-cli: ") + QString(message).replace(QStringLiteral("OUT"), out) + QLatin1Char('\n'));
    QCOMPARE(p.readAllStandardOutput(), QByteArray()); // no scale was talked to
    QVERIFY(!QFile::exists(out));
}

void TestPluCli::slowScalesSucceed()
{
    // Every answer takes half the default time-out of 3 s, the goodbye's too.
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), QString()}});
    ScaleSim slow[2];
    for (ScaleSim &sim : slow)
        QVERIFY(sim.startTcp({QStringLiteral("--delay-ms"), QStringLiteral("1500")}));
    const Result r =
        runCli({QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp")), QStringLiteral("--scale"),
                tcpAddress(slow[0]), QStringLiteral("--scale"), tcpAddress(slow[1]), QStringLiteral("--config"),
                env.settingsPath(), QStringLiteral("-q")});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    QCOMPARE(r.out, tcpAddress(slow[0]) + QStringLiteral(": ok\n") + tcpAddress(slow[1]) + QStringLiteral(": ok\n"));
}

void TestPluCli::stopSignalSaysWhatTheScaleHolds()
{
    TestEnvironment env(settings());
    ScaleSim sim;
    QVERIFY(
        sim.startTcp({QStringLiteral("--delay-ms"), QStringLiteral("300"), QStringLiteral("--data"), sim.dataFile()}));
    const QString list = env.path(QStringLiteral("big.txp"));
    {
        PluDocument doc;
        for (int r = 0; r < PluColumns::RowCount; ++r)
            doc.model()->pluToRow(testArticle(r + 1), r);
        QString error;
        QVERIFY(PluFileSet::save(&doc, list, PluFileSet::sidePathsForSaveAs(list), &error));
    }
    QProcess p;
    p.start(linktest::binDir() + QStringLiteral("/plu-cli"),
            {QStringLiteral("send"), list, QStringLiteral("--scale"), tcpAddress(sim), QStringLiteral("--config"),
             env.settingsPath()});
    p.setReadChannel(QProcess::StandardError);
    QByteArray err;
    // Into the list, as a technician's Ctrl+C or a service stop would come.
    const QRegularExpression taken(QStringLiteral(": [1-9][0-9]*/5000\n"));
    while (!QString::fromLocal8Bit(err).contains(taken)) {
        QVERIFY2(p.waitForReadyRead(10000), err.constData());
        err += p.readAllStandardError();
    }
    QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
    QVERIFY(p.waitForFinished(20000));
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1,
             QByteArray(err + p.readAllStandardError()).constData());
    sim.stop();
    const int held =
        sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray().size();
    QVERIFY(held > 0 && held < 20000);
    QCOMPARE(
        QString::fromLocal8Bit(p.readAllStandardOutput()),
        tcpAddress(sim) +
            QStringLiteral(": cancelled: the scale holds %1 of 20000 PLUs (its old list was cleared)\n").arg(held));
}

QTEST_GUILESS_MAIN(TestPluCli)
#include "TestPluCli.moc"

// The department table and package types live in the program's data folder: a copy of the tool
// in a folder of its own keeps them there.
void TestPluCli::departmentsAndPackTypesThroughTheScale()
{
    ScaleSim sim;
    QVERIFY(sim.startTcp());
    QTemporaryDir program;
    for (const char *file : {"plu-cli", "libzqslabelscale.so"})
        QVERIFY(QFile::copy(linktest::binDir() + QLatin1Char('/') + QLatin1String(file),
                            program.filePath(QLatin1String(file))));
    DepartmentRecord bakery;
    bakery.number = 3;
    bakery.printNumber = 1;
    bakery.setNameText(QStringLiteral("Bakery"));
    bakery.cgst = 2.5;
    DepartmentTable table;
    table.setRecords({bakery, DepartmentRecord()});
    QString error;
    const QString deptPath = program.filePath(QStringLiteral("DeptSet.dat"));
    QVERIFY(table.save(deptPath, &error));
    const QByteArray deptBytes = TestEnvironment::readFile(deptPath);
    const QString dbPath = program.filePath(QStringLiteral("DB/KVB2600.db"));
    const auto setPackTypes = [&dbPath](const QStringList &codes) {
        LocalDatabase db;
        return db.openLocalDatabase(dbPath) && db.replacePackTypes(codes);
    };
    QVERIFY(setPackTypes({QStringLiteral("11"), QStringLiteral("222")}));

    QProcess p;
    const QStringList common{QStringLiteral("--scale"), tcpAddress(sim), QStringLiteral("--parts"),
                             QStringLiteral("department,packtype"), QStringLiteral("-q")};
    p.start(program.filePath(QStringLiteral("plu-cli")),
            QStringList{QStringLiteral("send"), dataPath(QStringLiteral("all-fields/input.txp"))} + common);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);

    QVERIFY(QFile::remove(deptPath));
    QVERIFY(setPackTypes({QStringLiteral("9")}));
    p.start(program.filePath(QStringLiteral("plu-cli")),
            QStringList{QStringLiteral("fetch"), QStringLiteral("-o"), program.filePath(QStringLiteral("back.txp"))} +
                common);
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    QCOMPARE(TestEnvironment::readFile(deptPath), deptBytes);
    LocalDatabase db;
    QVERIFY(db.openLocalDatabase(dbPath));
    QCOMPARE(db.packTypeKeyValues(), QStringList({QStringLiteral("11"), QStringLiteral("222")}));
}
