#include "TestSupport.h"
#include "linklib/LinkTestSupport.h"

#include <QProcess>

using linktest::ScaleSim;

// plu-cli keeps its scale list in the data folder beside the program: each test runs a copy of
// the program (with its link library) in a folder of its own.
class TestPluCliScales : public QObject
{
    Q_OBJECT
private slots:
    void listSendAndTest();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result cli(const QStringList &args)
    {
        QProcess p;
        p.start(m_dir.filePath(QStringLiteral("plu-cli")), args);
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
    QTemporaryDir m_dir;
};

void TestPluCliScales::listSendAndTest()
{
    for (const char *file : {"plu-cli", "libzqslabelscale.so"})
        QVERIFY(QFile::copy(linktest::binDir() + QLatin1Char('/') + QLatin1String(file),
                            m_dir.filePath(QLatin1String(file))));
    ScaleSim sims[2];
    QVERIFY(sims[0].startTcp());
    QVERIFY(sims[1].startTcp());
    const QString a = QString::fromLatin1(sims[0].link()), b = QString::fromLatin1(sims[1].link());
    const QString txp = QStringLiteral(PLU_TEST_DATA_DIR "/document/all-fields/input.txp");

    QCOMPARE(cli({"scales", "add", "front", a, "--group", "shop"}).exitCode, 0);
    QCOMPARE(cli({"scales", "add", "back", b, "--group", "shop"}).exitCode, 0);
    QCOMPARE(cli({"scales", "add", "gone", "127.0.0.1:1"}).exitCode, 0);
    QCOMPARE(cli({"scales", "add", "front", b}).exitCode, 1); // the name is taken
    QCOMPARE(cli({"scales", "list"}).out,
             QStringLiteral("front\tshop\tTCP/IP\t%1\t115200\nback\tshop\tTCP/IP\t%2\t115200\n"
                            "gone\t\tTCP/IP\t127.0.0.1:1\t115200\n")
                 .arg(a, b));

    Result r = cli({"send", txp, "--group", "shop", "--changed", "--verify"});
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

QTEST_GUILESS_MAIN(TestPluCliScales)
#include "TestPluCliScales.moc"
