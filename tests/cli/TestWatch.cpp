#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include "comm/ScaleList.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QProcess>
#include <csignal>

using linktest::ScaleSim;

namespace {
// A watcher process on an inbox, with its own data folder (scale list, journal, work to do).
class Watcher
{
public:
    Watcher(const QString &data, const QString &inbox) : m_data(data), m_inbox(inbox) {}
    ~Watcher()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool start()
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(linktest::binDir() + QStringLiteral("/plu-cli"),
                        {QStringLiteral("--data-dir"), m_data, QStringLiteral("watch"), m_inbox,
                         QStringLiteral("--group"), QStringLiteral("shop"), QStringLiteral("--retry"),
                         QStringLiteral("0.5"), QStringLiteral("--timeout"), QStringLiteral("1")});
        return m_process.waitForStarted() && waitFor(QStringLiteral("watching"));
    }
    // Waits until the log has a line with this text (after `from`, a count of lines).
    bool waitFor(const QString &text, int ms = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            m_log += QString::fromLocal8Bit(m_process.readAllStandardError());
            if (m_log.contains(text))
                return true;
            if (m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    int stop()
    {
        ::kill(pid_t(m_process.processId()), SIGTERM);
        m_process.waitForFinished(10000);
        m_log += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString log() const { return m_log; }

private:
    QString m_data;
    QString m_inbox;
    QProcess m_process;
    QString m_log;
};

// A file set of `count` articles whose prices are raised by `raise`, written beside the inbox and
// renamed into it, as a careful exporter does.
void drop(const QString &inbox, const QString &name, int count, int raise)
{
    PluDocument doc;
    for (int r = 0; r < count; ++r) {
        TPLU p = testArticle(r + 1);
        p.UnitPrice += raise;
        doc.model()->pluToRow(p, r);
    }
    const QString staged = QFileInfo(inbox).absolutePath() + QStringLiteral("/staged-") + name;
    QString error;
    const PluFileSet::SidePaths sides = PluFileSet::sidePathsForSaveAs(staged);
    QVERIFY2(PluFileSet::save(&doc, staged, sides, &error), qPrintable(error));
    // The side files first, so that the set is whole when its price list appears.
    for (const QString &from : {sides.info, sides.msg, sides.rsc, staged})
        QVERIFY(QFile::rename(from, QDir(inbox).filePath(QFileInfo(from).fileName().mid(7))));
}

// The unit price of article 1 on a stopped simulator, and how many PLUs it holds.
QPair<int, int> priceAndCount(const ScaleSim &sim)
{
    const QJsonArray plus =
        sim.dump().value(QStringLiteral("memory")).toObject().value(QStringLiteral("PLU")).toArray();
    return {plus.isEmpty() ? -1 : plus.first().toObject().value(QStringLiteral("UnitPrice")).toInt(), plus.size()};
}

QString history(const QString &data)
{
    QProcess p;
    p.start(linktest::binDir() + QStringLiteral("/plu-cli"),
            {QStringLiteral("--data-dir"), data, QStringLiteral("history")});
    p.waitForFinished();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}
} // namespace

class TestWatch : public QObject
{
    Q_OBJECT
private slots:
    void newestFileReachesEveryScaleAtLast();
    void incompleteOrBadFilesTouchNoScale();
    void killedWatcherFinishesAfterARestart();

private:
    // Three scales in the group "shop", the third not answering yet.
    bool setUp(TestEnvironment &env, ScaleSim *sims, int count)
    {
        QDir().mkpath(env.path(QStringLiteral("inbox")));
        AppPaths::setDataDirOverride(env.path(QString()));
        ScaleList list;
        QString error;
        bool ok = list.load(&error);
        for (int i = 0; i < count && ok; ++i) {
            ok = sims[i].startTcp({QStringLiteral("--data"), sims[i].dataFile()});
            ScaleEntry e;
            e.name = QStringLiteral("scale%1").arg(i + 1);
            e.group = QStringLiteral("shop");
            e.address = QString::fromLatin1(sims[i].link());
            ok = ok && list.add(e, &error);
        }
        AppPaths::setDataDirOverride(QString());
        return ok;
    }
    static bool restartOnItsPort(ScaleSim &sim, bool answering)
    {
        const QString at = QString::fromLatin1(sim.link());
        sim.stop();
        return sim.startTcp(
            QStringList{QStringLiteral("--tcp"), at, QStringLiteral("--data"), sim.dataFile()} +
            (answering ? QStringList() : QStringList{QStringLiteral("--silent-after"), QStringLiteral("0")}));
    }
};

void TestWatch::newestFileReachesEveryScaleAtLast()
{
    TestEnvironment env;
    ScaleSim sims[3];
    QVERIFY(setUp(env, sims, 3));
    QVERIFY(restartOnItsPort(sims[2], false)); // down when the file arrives
    Watcher watcher(env.path(QString()), env.path(QStringLiteral("inbox")));
    QVERIFY(watcher.start());

    drop(env.path(QStringLiteral("inbox")), QStringLiteral("monday.txp"), 40, 0);
    QVERIFY2(watcher.waitFor(QStringLiteral("scale3 (")) && watcher.waitFor(QStringLiteral("next try")),
             qPrintable(watcher.log()));
    QVERIFY(watcher.waitFor(QStringLiteral("monday.txp -> scale2")));
    // A newer list arrives while scale3 still waits for the first: the newer one wins.
    drop(env.path(QStringLiteral("inbox")), QStringLiteral("tuesday.txp"), 40, 5);
    QVERIFY2(watcher.waitFor(QStringLiteral("tuesday.txp -> scale2")), qPrintable(watcher.log()));
    QVERIFY2(watcher.log().contains(QStringLiteral("tuesday.txp: takes the place of monday.txp")),
             qPrintable(watcher.log()));
    QVERIFY(restartOnItsPort(sims[2], true));
    QVERIFY2(watcher.waitFor(QStringLiteral("tuesday.txp: every scale has it")), qPrintable(watcher.log()));
    QCOMPARE(watcher.stop(), 0);

    for (ScaleSim &sim : sims) {
        sim.stop();
        QCOMPARE(priceAndCount(sim), qMakePair(testArticle(1).UnitPrice + 5, 40));
    }
    QVERIFY(QFileInfo::exists(env.path(QStringLiteral("inbox/done/monday.txp"))));
    QVERIFY(QFileInfo::exists(env.path(QStringLiteral("inbox/done/tuesday.Msg"))));
    const QString journal = history(env.path(QString()));
    QCOMPARE(journal.count(QStringLiteral("\twatcher\tscale3 (")), journal.count(QStringLiteral("scale3 (")));
    QVERIFY2(journal.contains(QRegularExpression(QStringLiteral("scale3 \\([^\\n]*\\tfailed\\t"))),
             qPrintable(journal));
    QVERIFY2(journal.contains(QRegularExpression(QStringLiteral("scale3 \\([^\\n]*\\tok\\t40\\t[^\\n]*tuesday"))),
             qPrintable(journal));
}

void TestWatch::incompleteOrBadFilesTouchNoScale()
{
    TestEnvironment env;
    ScaleSim sims[1];
    QVERIFY(setUp(env, sims, 1));
    Watcher watcher(env.path(QString()), env.path(QStringLiteral("inbox")));
    QVERIFY(watcher.start());
    sims[0].stop();
    const QJsonObject before = sims[0].dump();
    QVERIFY(sims[0].startTcp(
        {QStringLiteral("--tcp"), QString::fromLatin1(sims[0].link()), QStringLiteral("--data"), sims[0].dataFile()}));

    // A list written slowly, with pauses longer than the watcher waits for quiet, is left alone
    // until its writer closes it.
    QFile slow(env.path(QStringLiteral("inbox/slow.csv")));
    QVERIFY(slow.open(QIODevice::WriteOnly));
    slow.write("Apples,1,1001,0,1.50\r\n");
    slow.flush();
    QTest::qWait(2500);
    QVERIFY2(!watcher.waitFor(QStringLiteral("slow.csv"), 500), qPrintable(watcher.log()));
    // A bad row: the whole file is refused with a report, and no scale sees it.
    slow.write("Pears,2,1002,0,-5\r\n");
    slow.close();
    QVERIFY2(watcher.waitFor(QStringLiteral("slow.csv: refused")), qPrintable(watcher.log()));
    QVERIFY(QFileInfo::exists(env.path(QStringLiteral("inbox/failed/slow.csv"))));
    const QByteArray report = TestEnvironment::readFile(env.path(QStringLiteral("inbox/failed/slow.csv.report.txt")));
    QVERIFY2(report.contains("row 2"), report.constData());
    QCOMPARE(watcher.stop(), 0);
    sims[0].stop();
    QCOMPARE(sims[0].dump().value(QStringLiteral("memory")), before.value(QStringLiteral("memory")));
    QVERIFY(history(env.path(QString())).contains(QStringLiteral("\trefused\t")));
}

void TestWatch::killedWatcherFinishesAfterARestart()
{
    TestEnvironment env;
    ScaleSim sims[1];
    QVERIFY(setUp(env, sims, 1));
    const QString at = QString::fromLatin1(sims[0].link());
    sims[0].stop();
    QVERIFY(sims[0].startTcp({QStringLiteral("--tcp"), at, QStringLiteral("--data"), sims[0].dataFile(),
                              QStringLiteral("--delay-ms"), QStringLiteral("300")}));
    {
        Watcher watcher(env.path(QString()), env.path(QStringLiteral("inbox")));
        QVERIFY(watcher.start());
        drop(env.path(QStringLiteral("inbox")), QStringLiteral("list.txp"), 2000, 0);
        QVERIFY(watcher.waitFor(QStringLiteral("sending to 1 scale")));
        QTest::qWait(1200); // well into the list
        watcher.kill();
    }
    Watcher again(env.path(QString()), env.path(QStringLiteral("inbox")));
    QVERIFY(again.start());
    QVERIFY2(again.waitFor(QStringLiteral("taken up again")), qPrintable(again.log()));
    QVERIFY2(again.waitFor(QStringLiteral("every scale has it")), qPrintable(again.log()));
    // The send the kill cut short was not trusted: everything went again.
    QVERIFY2(again.log().contains(QStringLiteral("the last send did not finish")), qPrintable(again.log()));
    QCOMPARE(again.stop(), 0);
    sims[0].stop();
    QCOMPARE(priceAndCount(sims[0]), qMakePair(testArticle(1).UnitPrice, 2000));
}

QTEST_GUILESS_MAIN(TestWatch)
#include "TestWatch.moc"
