#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "comm/FleetSend.h"
#include "comm/ScaleList.h"
#include "comm/SendFingerprints.h"
#include "comm/TransferTarget.h"
#include "comm/ZQCommucationProcess.h"
#include "core/InstallationDb.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

using linktest::ScaleSim;
using State = FleetSend::State;

namespace {
TransferSnapshot plusSnapshot(int count)
{
    TransferSnapshot s;
    s.hasDocument = true;
    s.selection.plu = true;
    for (int i = 1; i <= count; ++i)
        s.plus.append(testArticle(i));
    return s;
}

ScaleEntry entry(const QString &name, const QString &address)
{
    ScaleEntry e;
    e.name = name;
    e.address = address;
    return e;
}

QString tcp(const ScaleSim &sim)
{
    return QString::fromLatin1(sim.link());
}

// Runs (or retries) a send to the end.
void runToEnd(FleetSend &fleet, bool retry = false)
{
    retry ? fleet.retryFailed() : fleet.start();
    fleet.wait();
}

FleetSend::Scale sendOne(const ScaleEntry &e, const TransferSnapshot &s, bool changes, bool verify)
{
    FleetSend::Options o;
    o.changesOnly = changes;
    o.verify = verify;
    FleetSend fleet({e}, s, o);
    runToEnd(fleet);
    return fleet.scales().first();
}

quint64 plusStored(const ScaleSim &sim)
{
    return quint64(sim.dump().value(QStringLiteral("counters")).toObject().value(QStringLiteral("plusIn")).toDouble());
}

// Restarts a simulator on the port it had, so a scale of the list reaches it again.
bool restart(ScaleSim &sim, const QStringList &extra = {})
{
    const QString at = tcp(sim);
    sim.stop();
    return sim.startTcp(QStringList{QStringLiteral("--tcp"), at, QStringLiteral("--data"), sim.dataFile()} + extra);
}
} // namespace

class TestFleet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZQCommucationProcess::setLibraryFolder(linktest::binDir()); }
    void fiveScalesMixedResultsThenRetry();
    void sendChanges_data();
    void sendChanges();
    void verifyFindsAChangeBehindTheProgramsBack();
    void eachScaleWaitsItsOwnTimeOut();
    void scaleListKeepsItsChanges_data();
    void scaleListKeepsItsChanges();
    void cancelSaysWhatTheScaleHolds_data();
    void cancelSaysWhatTheScaleHolds();
    void progressCountsWhatTheScaleTook();
};

void TestFleet::fiveScalesMixedResultsThenRetry()
{
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 1500}});
    ScaleSim sims[4];
    for (int i = 0; i < 3; ++i)
        QVERIFY(sims[i].startTcp({QStringLiteral("--data"), sims[i].dataFile()}));
    // The link drops at the 4th request, the second of the frames the 200 PLUs take.
    QVERIFY(sims[3].startTcp(
        {QStringLiteral("--data"), sims[3].dataFile(), QStringLiteral("--drop-after"), QStringLiteral("3")}));
    const QVector<ScaleEntry> scales{entry(QStringLiteral("a"), tcp(sims[0])), entry(QStringLiteral("b"), tcp(sims[1])),
                                     entry(QStringLiteral("missing"), QStringLiteral("127.0.0.1:1")),
                                     entry(QStringLiteral("c"), tcp(sims[2])),
                                     entry(QStringLiteral("dropped"), tcp(sims[3]))};
    FleetSend fleet(scales, plusSnapshot(200), FleetSend::Options());
    runToEnd(fleet);
    QCOMPARE(fleet.succeededCount(), 3);
    QCOMPARE(fleet.scales().at(2).state, State::Failed);
    QVERIFY(fleet.scales().at(2).result.startsWith(QStringLiteral("Connect Fail: connection refused")));
    QCOMPARE(fleet.scales().at(4).state, State::Failed);
    // Found among the frames sent ahead, and named by the step it hit.
    QCOMPARE(fleet.scales().at(4).result, QStringLiteral("Download Plu Error"));
    QVERIFY(fleet.summary().contains(QStringLiteral("missing: Connect Fail")));
    QVERIFY(fleet.summary().contains(QStringLiteral("dropped: ") + fleet.scales().at(4).result));
    QCOMPARE(fleet.summary().count(QLatin1Char('\n')), 3); // the count, "Not done:" and the two failures

    QVERIFY(restart(sims[3]));
    runToEnd(fleet, true);
    QCOMPARE(fleet.scales().at(4).state, State::Succeeded);
    QCOMPARE(fleet.scales().at(2).state, State::Failed);
    QCOMPARE(fleet.succeededCount(), 4);
    QCOMPARE(plusStored(sims[0]), quint64(200)); // the scales that had it were not sent to again
}

void TestFleet::sendChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("plusSent");
    QTest::newRow("three rows edited") << QStringLiteral("edit") << false << QString() << 3;
    QTest::newRow("a row removed") << QStringLiteral("remove") << true << QStringLiteral("removed") << 99;
    QTest::newRow("last send failed") << QStringLiteral("fail") << true << QStringLiteral("failed") << 100;
    QTest::newRow("history damaged") << QStringLiteral("damage") << true << QStringLiteral("damaged") << 100;
}

void TestFleet::sendChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, full);
    QFETCH(QString, reason);
    QFETCH(int, plusSent);
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 1500}});
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    const ScaleEntry scale = entry(QStringLiteral("counter"), tcp(sim));
    TransferSnapshot s = plusSnapshot(100);

    const FleetSend::Scale first = sendOne(scale, s, true, false);
    QCOMPARE(first.state, State::Succeeded);
    QVERIFY(first.note.contains(QStringLiteral("never had a full send")));
    SendFingerprints::History kept;
    QString error;
    QVERIFY(SendFingerprints().read(scale.name, &kept, &error));

    if (change == QLatin1String("remove"))
        s.plus.removeAt(50);
    for (int r : {3, 40, 77})
        s.plus[r].UnitPrice += 1;
    if (change == QLatin1String("damage")) {
        QSqlDatabase db;
        QVERIFY(InstallationDb::open(&db, &error));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("UPDATE SendPrints SET Prints = x'0102'")));
    }
    if (change == QLatin1String("fail")) {
        // The link drops before the update is through: the history must stay as it was.
        QVERIFY(restart(sim, {QStringLiteral("--drop-after"), QStringLiteral("2")}));
        QCOMPARE(sendOne(scale, s, true, false).state, State::Failed);
        SendFingerprints::History after;
        QVERIFY(SendFingerprints().read(scale.name, &after, &error));
        QCOMPARE(after.prints, kept.prints);
        QVERIFY(!after.lastOk);
        QVERIFY(restart(sim));
    }
    const quint64 before = plusStored(sim);
    const FleetSend::Scale next = sendOne(scale, s, true, true);
    QCOMPARE(next.result, QStringLiteral("verified")); // the scale equals the list
    QCOMPARE(next.note.contains(QStringLiteral("sending everything")), full);
    QVERIFY2(next.note.contains(reason), qPrintable(next.note));
    QCOMPARE(plusStored(sim) - before, quint64(plusSent));
}

void TestFleet::verifyFindsAChangeBehindTheProgramsBack()
{
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 1500}});
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    const ScaleEntry scale = entry(QStringLiteral("deli"), tcp(sim));
    const TransferSnapshot s = plusSnapshot(20);
    QCOMPARE(sendOne(scale, s, false, true).result, QStringLiteral("verified"));

    sim.stop();
    QFile file(sim.dataFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonObject memory = root.value(QStringLiteral("memory")).toObject();
    QJsonArray plus = memory.value(QStringLiteral("PLU")).toArray();
    QJsonObject seventh = plus.at(6).toObject();
    seventh.insert(QStringLiteral("UnitPrice"), 999);
    plus.replace(6, seventh);
    memory.insert(QStringLiteral("PLU"), plus);
    root.insert(QStringLiteral("memory"), memory);
    QVERIFY(TestEnvironment::writeFile(sim.dataFile(), QJsonDocument(root).toJson()));
    QVERIFY(restart(sim));

    // Nothing changed in the list, so nothing is sent; the read-back still finds the change.
    const FleetSend::Scale checked = sendOne(scale, s, true, true);
    QCOMPARE(checked.state, State::Failed);
    QVERIFY(!checked.differences.isEmpty());
    const PluVerify::Difference d = checked.differences.first();
    QCOMPARE(d.row, 7);
    QCOMPARE(d.column, PluColumns::caption(PluColumns::UnitPrice));
    QVERIFY2(checked.result.contains(d.text()), qPrintable(checked.result));
}

void TestFleet::eachScaleWaitsItsOwnTimeOut()
{
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 3000}});
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--delay-ms"), QStringLiteral("400")}));
    ScaleEntry hasty = entry(QStringLiteral("hasty"), tcp(sim));
    hasty.timeoutMs = 200;
    const FleetSend::Scale failed = sendOne(hasty, plusSnapshot(5), false, false);
    QCOMPARE(failed.state, State::Failed);
    QCOMPARE(failed.result, QStringLiteral("Clear PLU data Error"));
    const FleetSend::Scale sent = sendOne(entry(QStringLiteral("patient"), tcp(sim)), plusSnapshot(5), false, false);
    QCOMPARE(sent.state, State::Succeeded);
}

void TestFleet::scaleListKeepsItsChanges_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<int>("count");
    QTest::newRow("adds and replaces by name")
        << QByteArray("Name,Group,Address,Baud,TimeoutMs\r\nfront,shop 1,10.0.0.9,,\r\n\"deli \"\"back\"\", 2\",shop 2,"
                      "ttyUSB1,9600,3000\r\n")
        << QString() << 3;
    QTest::newRow("a bad address refuses the file")
        << QByteArray("front,shop,10.0.0.300\nnew,shop,10.0.0.4\n") << QStringLiteral("line 1") << 2;
    QTest::newRow("a name twice") << QByteArray("x,,10.0.0.1\nx,,10.0.0.2\n") << QStringLiteral("line 2") << 2;
    QTest::newRow("an open quote") << QByteArray("\"x,,10.0.0.1\n") << QStringLiteral("quote") << 2;
}

void TestFleet::scaleListKeepsItsChanges()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    QFETCH(int, count);
    TestEnvironment env;
    ScaleList list;
    QString why;
    QVERIFY(list.load(&why));
    QVERIFY(list.add(entry(QStringLiteral("front"), QStringLiteral("10.0.0.1")), &why));
    QVERIFY(list.add(entry(QStringLiteral("scale 2"), QStringLiteral("10.0.0.2")), &why));
    QVERIFY(!list.add(entry(QStringLiteral("front"), QStringLiteral("10.0.0.3")), &why));
    const TPLUList three = plusSnapshot(3).plus;
    QVERIFY(SendFingerprints().recordFull(QStringLiteral("scale 2"), three, SendFingerprints::fingerprints(three), {},
                                          &why));

    QCOMPARE(list.importCsv(csv, &why), error.isEmpty());
    QVERIFY2(why.contains(error), qPrintable(why));
    ScaleList again;
    QVERIFY(again.load(&why));
    QCOMPARE(again.entries(), list.entries());
    QCOMPARE(again.entries().size(), count);
    if (count == 3)
        QCOMPARE(again.entries().last().name, QStringLiteral("deli \"back\", 2"));
    // Exported and read back, the list is the same.
    QVector<ScaleEntry> round;
    QVERIFY(ScaleListCsv::read(again.exportCsv(), &round, &why));
    QCOMPARE(round, again.entries());

    // Removing a scale forgets what was sent to it.
    QVERIFY(again.remove(QStringLiteral("scale 2"), &why));
    SendFingerprints::Plan plan;
    QVERIFY(
        SendFingerprints().plan(QStringLiteral("scale 2"), three, SendFingerprints::fingerprints(three), &plan, &why));
    QVERIFY(plan.full);
}

void TestFleet::cancelSaysWhatTheScaleHolds_data()
{
    QTest::addColumn<int>("delayMs");         // of every answer
    QTest::addColumn<int>("cancelAtPackets"); // -1: while connecting
    QTest::newRow("before the clear") << 600 << -1;
    QTest::newRow("after the clear") << 100 << 20;
}

void TestFleet::cancelSaysWhatTheScaleHolds()
{
    QFETCH(int, delayMs);
    QFETCH(int, cancelAtPackets);
    TestEnvironment env;
    ScaleSim sim;
    QVERIFY(sim.startTcp({QStringLiteral("--data"), sim.dataFile()}));
    FleetSend::Options o;
    QVERIFY(sendOne(entry(QString(), tcp(sim)), plusSnapshot(30), false, false).state == State::Succeeded);
    QVERIFY(restart(sim, {QStringLiteral("--delay-ms"), QString::number(delayMs)}));

    FleetSend fleet({entry(QStringLiteral("deli"), tcp(sim))}, plusSnapshot(20000), o);
    if (cancelAtPackets < 0)
        QTimer::singleShot(delayMs / 2, &fleet, &FleetSend::cancelAll);
    connect(&fleet, &FleetSend::progressChanged, &fleet, [&fleet, cancelAtPackets](int i) {
        if (cancelAtPackets >= 0 && fleet.scales().at(i).current >= cancelAtPackets)
            fleet.cancelAll();
    });
    runToEnd(fleet);
    const FleetSend::Scale s = fleet.scales().first();
    QCOMPARE(s.state, State::Cancelled);
    sim.stop();
    const int held =
        sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray().size();
    if (cancelAtPackets < 0) {
        QCOMPARE(s.result, QStringLiteral("cancelled: the scale is unchanged"));
        QCOMPARE(held, 30);
    } else {
        QCOMPARE(s.result,
                 QStringLiteral("cancelled: the scale holds %1 of 20000 PLUs (its old list was cleared)").arg(held));
        QVERIFY2(held >= cancelAtPackets * 4 && held < 20000, qPrintable(s.result));
    }
    // A cancelled send counts as not finished.
    SendFingerprints::Plan plan;
    QString error;
    QVERIFY(SendFingerprints().plan(QStringLiteral("deli"), {}, {}, &plan, &error));
    QVERIFY2(plan.reason.contains(QStringLiteral("did not finish")), qPrintable(plan.reason));
}

void TestFleet::progressCountsWhatTheScaleTook()
{
    // The scale stops answering after the second frame of PLUs; what was sent ahead of its
    // answers must not be shown as taken.
    TestEnvironment env({{QStringLiteral("Link/TimeoutMs"), 1000}});
    ScaleSim sim;
    QVERIFY(sim.startTcp(
        {QStringLiteral("--data"), sim.dataFile(), QStringLiteral("--silent-after"), QStringLiteral("5")}));
    FleetSend fleet({entry(QString(), tcp(sim))}, plusSnapshot(4000), FleetSend::Options());
    int shown = 0;
    connect(&fleet, &FleetSend::progressChanged, &fleet,
            [&fleet, &shown](int i) { shown = qMax(shown, fleet.scales().at(i).current); });
    runToEnd(fleet);
    QCOMPARE(fleet.scales().first().state, State::Failed);
    sim.stop();
    const int held =
        sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray().size();
    QVERIFY(held > 0);
    QVERIFY2(shown * 4 <= held,
             qPrintable(QStringLiteral("shown %1 packets, the scale holds %2 PLUs").arg(shown).arg(held)));
}

QTEST_GUILESS_MAIN(TestFleet)
#include "TestFleet.moc"
