#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "comm/ScaleList.h"
#include "core/PluColumns.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "editors/LocalDatabase.h"

#include <QProcess>

using linktest::ScaleSim;
using C = PluColumns;

namespace {
// plu-cli keeps its scale list in the data folder beside the program: each test runs a copy of
// the program (with its link library) in a folder of its own.
class Program
{
public:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    bool install()
    {
        for (const char *file : {"plu-cli", "libzqslabelscale.so"}) {
            if (!QFile::copy(linktest::binDir() + QLatin1Char('/') + QLatin1String(file), path(QLatin1String(file))))
                return false;
        }
        return true;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    void start(QProcess &p, const QStringList &args) const { p.start(path(QStringLiteral("plu-cli")), args); }
    Result cli(const QStringList &args) const
    {
        QProcess p;
        start(p, args);
        Result r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitCode();
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

private:
    QTemporaryDir m_dir;
};

QString describe(const Program::Result &r)
{
    return QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(r.exitCode).arg(r.out, r.err);
}

// A file set of `count` articles with a message, the price of article `changed` raised by 1;
// article 1 marked with nutrition.
void writeList(const QString &path, int count, int changed = 0)
{
    PluDocument doc;
    for (int r = 0; r < count; ++r) {
        TPLU p = testArticle(r + 1);
        p.Nutrition = r == 0 ? 1 : 0;
        doc.model()->pluToRow(p, r);
        if (r + 1 == changed)
            doc.model()->setCell(r, C::UnitPrice, QString::number((p.UnitPrice + 1) / 100.0, 'f', 2));
    }
    doc.messages().setMessageList({QStringLiteral("Keep refrigerated")});
    QString error;
    QVERIFY2(PluFileSet::save(&doc, path, PluFileSet::sidePathsForSaveAs(path), &error), qPrintable(error));
}

int storedCount(const ScaleSim &sim, const char *kind)
{
    return sim.dump().value(QStringLiteral("memory")).toObject().value(QLatin1String(kind)).toArray().size();
}

// Restarts a simulator on its port, with the memory it had (or none).
bool restart(ScaleSim &sim, bool keepMemory, const QStringList &extra = {})
{
    const QString at = QString::fromLatin1(sim.link());
    sim.kill();
    if (!keepMemory) {
        QFile::remove(sim.dataFile());
        QFile::remove(sim.dataFile() + QStringLiteral(".journal"));
    }
    return sim.startTcp(QStringList{QStringLiteral("--tcp"), at, QStringLiteral("--data"), sim.dataFile()} + extra);
}
} // namespace

class TestPluCliScales : public QObject
{
    Q_OBJECT
private slots:
    void listSendAndTest();
    void changesAreConfirmedByTheScale_data();
    void changesAreConfirmedByTheScale();
    void badSideRecordStopsTheSendBeforeTheScaleIsTouched_data();
    void badSideRecordStopsTheSendBeforeTheScaleIsTouched();
};

void TestPluCliScales::listSendAndTest()
{
    Program program;
    QVERIFY(program.install());
    ScaleSim sims[2];
    QVERIFY(sims[0].startTcp());
    QVERIFY(sims[1].startTcp());
    const QString a = QString::fromLatin1(sims[0].link()), b = QString::fromLatin1(sims[1].link());
    const QString txp = QStringLiteral(PLU_TEST_DATA_DIR "/document/all-fields/input.txp");
    auto cli = [&program](const QStringList &args) { return program.cli(args); };

    QCOMPARE(cli({"scales", "add", "front", a, "--group", "shop"}).exitCode, 0);
    QCOMPARE(cli({"scales", "add", "back", b, "--group", "shop"}).exitCode, 0);
    QCOMPARE(cli({"scales", "add", "gone", "127.0.0.1:1"}).exitCode, 0);
    QCOMPARE(cli({"scales", "add", "front", b}).exitCode, 1); // the name is taken
    QCOMPARE(cli({"scales", "list"}).out,
             QStringLiteral("front\tshop\tTCP/IP\t%1\t115200\nback\tshop\tTCP/IP\t%2\t115200\n"
                            "gone\t\tTCP/IP\t127.0.0.1:1\t115200\n")
                 .arg(a, b));

    Program::Result r = cli({"send", txp, "--group", "shop", "--changed", "--verify"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("front (%1): ok\nback (%2): ok\n").arg(a, b));
    QVERIFY2(r.err.contains(QStringLiteral("front (%1): sending everything").arg(a)), qPrintable(r.err));

    r = cli({"send", txp, "--all", "-q"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(
        r.out.endsWith(QStringLiteral("gone (127.0.0.1:1): failed: Connect Fail: connection refused by 127.0.0.1:1. "
                                      "Start the scale simulator (scale-sim) or choose another scale.\n")),
        qPrintable(r.out));

    QCOMPARE(cli({"scales", "remove", "gone"}).exitCode, 0);
    r = cli({"scales", "test", "--group", "shop"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.count(QStringLiteral(": ok (")), 2);
}

void TestPluCliScales::changesAreConfirmedByTheScale_data()
{
    // What happens to the scale (or its entry) between a good send and the next "Send changes",
    // and why that send must send everything.
    QTest::addColumn<QString>("disturbance");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the send was killed") << "kill"
                                         << "the last send did not finish";
    QTest::newRow("the scale was reset") << "reset"
                                         << "the scale was reset";
    QTest::newRow("another list went to it") << "other"
                                             << "the scale was changed by another sender";
    QTest::newRow("an older scale, another list") << "older"
                                                  << "the scale was changed by another sender";
    QTest::newRow("its address changed") << "address"
                                         << "the scale never had a full send";
    QTest::newRow("its entry was imported") << "import"
                                            << "the scale never had a full send";
    QTest::newRow("a row was removed") << "remove"
                                       << "1 PLU(s) were removed";
}

void TestPluCliScales::changesAreConfirmedByTheScale()
{
    QFETCH(QString, disturbance);
    QFETCH(QString, reason);
    Program program;
    QVERIFY(program.install());
    const QStringList older = disturbance == QLatin1String("older") ? QStringList{"--no-state"} : QStringList();
    ScaleSim sim, spare;
    QVERIFY(sim.startTcp(QStringList{"--data", sim.dataFile()} + older));
    QVERIFY(spare.startTcp({"--data", spare.dataFile()}));
    const QString list = program.path("shop.txp"), other = program.path("other.txp");
    writeList(list, 600);
    writeList(other, 601, 7); // one article more, and another price for article 7
    QCOMPARE(program.cli({"scales", "add", "deli", QString::fromLatin1(sim.link())}).exitCode, 0);
    Program::Result r = program.cli({"send", list, "--all", "--parts", "plu,message", "--timeout", "2"});
    QVERIFY2(r.exitCode == 0, qPrintable(describe(r)));

    QString sendTo = QString::fromLatin1(sim.link());
    if (disturbance == QLatin1String("kill")) {
        // The scale stops answering in the middle of the list; the sender dies while it waits.
        QVERIFY(restart(sim, true, {"--silent-after", "4"}));
        QProcess sending;
        program.start(sending, {"send", other, "--all", "--timeout", "30"});
        QVERIFY(sim.waitForLog("no answer (fault)", 20000));
        sending.kill();
        sending.waitForFinished();
        QVERIFY(restart(sim, true));
    } else if (disturbance == QLatin1String("reset")) {
        QVERIFY(restart(sim, false));
    } else if (disturbance == QLatin1String("other") || disturbance == QLatin1String("older")) {
        r = program.cli({"send", other, "--scale", sendTo, "--update"});
        QVERIFY2(r.exitCode == 0, qPrintable(describe(r)));
    } else if (disturbance == QLatin1String("address") || disturbance == QLatin1String("import")) {
        AppPaths::setDataDirOverride(program.path(QString()));
        ScaleList scales;
        QString error;
        QVERIFY(scales.load(&error));
        sendTo = QString::fromLatin1(spare.link());
        ScaleEntry moved = scales.entries().first();
        moved.address = sendTo;
        QVERIFY(disturbance == QLatin1String("address")
                    ? scales.replace(moved.name, moved, &error)
                    : scales.importCsv("deli,," + sendTo.toLatin1() + '\n', &error));
        AppPaths::setDataDirOverride(QString());
    } else {
        writeList(list, 599);
    }

    r = program.cli({"send", list, "--all", "--changed", "--verify", "--timeout", "2"});
    QVERIFY2(r.exitCode == 0, qPrintable(describe(r)));
    QVERIFY2(r.err.contains(QStringLiteral("sending everything: ") + reason), qPrintable(r.err));
    ScaleSim &target = sendTo == QString::fromLatin1(sim.link()) ? sim : spare;
    target.stop();
    // Verified: the scale holds the list and nothing else; the messages went with it.
    QCOMPARE(storedCount(target, "message"), 1);
}

void TestPluCliScales::badSideRecordStopsTheSendBeforeTheScaleIsTouched_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("problem"); // the line that names the record
    QTest::newRow("a schedule line out of range") << "schedule"
                                                  << "Discount schedule M0,S0: Hour 25 is outside 0~23";
    QTest::newRow("a nutrition value the scale refuses")
        << "nutrition"
        << "row 1: LF code 1, element 1 (Fat): 200000 is sent as 2000000, outside 0~999999";
    QTest::newRow("nutrition marked, values missing")
        << "nutrition-missing"
        << "row 1: 1 row(s) are marked with nutrition, but the file's nutrition values are missing";
    QTest::newRow("a cut department table") << "department"
                                            << "\"DeptSet.dat\" is cut or damaged";
    QTest::newRow("a package type too long") << "packtype"
                                             << "Package type 2 ";
}

void TestPluCliScales::badSideRecordStopsTheSendBeforeTheScaleIsTouched()
{
    QFETCH(QString, part);
    QFETCH(QString, problem);
    Program program;
    QVERIFY(program.install());
    ScaleSim sim;
    QVERIFY(sim.startTcp({"--data", sim.dataFile()}));
    const QString list = program.path("shop.txp");
    writeList(list, 20);
    const QString scale = QString::fromLatin1(sim.link());
    Program::Result r = program.cli({"send", list, "--scale", scale, "--parts", "plu,message"});
    QVERIFY2(r.exitCode == 0, qPrintable(describe(r)));
    sim.stop();
    const QJsonObject before = sim.dump();
    QVERIFY(restart(sim, true));

    AppPaths::setDataDirOverride(program.path(QString()));
    QString error;
    if (part == QLatin1String("schedule")) {
        QVERIFY(TestEnvironment::writeFile(program.path("shop.RSC"), "M0,S0,25,70,120\r\n"));
    } else if (part.startsWith(QLatin1String("nutrition"))) {
        QVERIFY(NutritionElementFile::write(NutritionElementFile::elementFilePath(list), {{"Fat", "g"}}, &error));
        if (part == QLatin1String("nutrition")) {
            NutritionValueStore store(NutritionElementFile::valuesFilePath(list));
            QVERIFY(store.open(&error) && store.save("1", {{1, 200000, 5}}, &error));
        }
        part = QStringLiteral("nutrition");
    } else if (part == QLatin1String("department")) {
        QVERIFY(TestEnvironment::writeFile(program.path("DeptSet.dat"), QByteArray(50, '\1')));
    } else {
        LocalDatabase db;
        QVERIFY(db.openLocalDatabase(AppPaths::localDatabaseFile()));
        QVERIFY(db.replacePackTypes(QStringList{"ok", QString(40, QLatin1Char('x'))}));
    }
    AppPaths::setDataDirOverride(QString());

    r = program.cli({"send", list, "--scale", scale, "--parts", "plu,message," + part});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(problem), qPrintable(r.err));
    QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
    sim.stop();
    QCOMPARE(sim.dump().value(QStringLiteral("memory")), before.value(QStringLiteral("memory")));
}

QTEST_GUILESS_MAIN(TestPluCliScales)
#include "TestPluCliScales.moc"
