#include "TestSupport.h"

#include "core/AtomicFile.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QDir>
#include <sys/wait.h>
#include <unistd.h>

using C = PluColumns;

namespace {
QString dataPath(const QString &relative)
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/document/") + relative;
}

QByteArray saved(PluDocument &doc)
{
    return PluFile::toBytes(*doc.model(), doc.recomputeRowCount());
}
} // namespace

class TestPluFileSet : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { AtomicFile::failAfterBytes(-1); }
    void goldenFiles_data();
    void goldenFiles();
    void allFieldsReachTheirCells();
    void priceAndUnitOnSave_data();
    void priceAndUnitOnSave();
    void recomdaysWrittenWhenShown();
    void saveAsWritesTheFileSet_data();
    void saveAsWritesTheFileSet();
    void sideFilesFoundWhateverTheCase();
    void commaSeparatedQuotedFields_data();
    void commaSeparatedQuotedFields();
    void openSaveOpenKeepsBytes_data();
    void openSaveOpenKeepsBytes();
    void cellTextsNeverBreakALine();
    void failedSaveKeepsOldFiles();
    void badInputLeavesDocument_data();
    void badInputLeavesDocument();
    void missingFileBecomesNewDocument();
    void linesBeyondTheGridAreReported();
    void saveKilledBetweenRenamesOpensWhole_data();
    void saveKilledBetweenRenamesOpensWhole();
};

void TestPluFileSet::goldenFiles_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("codePage");
    QTest::addColumn<int>("rows");
    QTest::newRow("all fields") << "all-fields/input.txp"
                                << "" << 3;
    QTest::newRow("txu") << "txu/input.TXU"
                         << "" << 2;
    QTest::newRow("csv stops at 0,,0") << "csv-stop/input.csv"
                                       << "" << 2;
    QTest::newRow("codes out of range") << "codes-out-of-range/input.txp"
                                        << "" << 4;
    QTest::newRow("gbk names") << "gbk-name/input.txp"
                               << "GBK" << 2;
    QTest::newRow("utf-8 names, default code page") << "utf8-name/input.txp"
                                                    << "" << 2;
}

void TestPluFileSet::goldenFiles()
{
    QFETCH(QString, input);
    QFETCH(QString, codePage);
    QFETCH(int, rows);
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), codePage}});
    PluDocument doc;
    QString error;
    QCOMPARE(PluFileSet::load(&doc, dataPath(input), &error), PluFileSet::LoadResult::Loaded);
    QCOMPARE(doc.rowCount(), rows);
    QCOMPARE(doc.currentFile(), dataPath(input));
    const QByteArray expected =
        TestEnvironment::readFile(dataPath(input.section(QLatin1Char('/'), 0, 0) + QStringLiteral("/expected.txp")));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(saved(doc), expected);
}

void TestPluFileSet::allFieldsReachTheirCells()
{
    TestEnvironment env;
    PluDocument doc;
    QCOMPARE(PluFileSet::load(&doc, dataPath(QStringLiteral("all-fields/input.txp")), nullptr),
             PluFileSet::LoadResult::Loaded);
    const PluTableModel &m = *doc.model();
    QCOMPARE(m.text(0, C::HotKey), QStringLiteral("5"));
    QCOMPARE(m.cell(0, C::LFCode), QVariant(1001));
    QCOMPARE(m.cell(0, C::Code), QVariant(42LL));
    QCOMPARE(m.cell(1, C::Code), QVariant(QString()));
    QCOMPARE(m.text(0, C::UnitPrice), QStringLiteral("12.50"));
    QCOMPARE(m.text(0, C::WeightUnit), QStringLiteral("g"));
    QCOMPARE(m.text(0, C::Department), QStringLiteral("3"));
    QCOMPARE(m.text(0, C::Tare), QStringLiteral("150"));
    QCOMPARE(m.text(0, C::PackageType), QStringLiteral("Fixed Price"));
    QCOMPARE(m.text(0, C::QtyUnit), QStringLiteral("9"));
    QCOMPARE(m.text(0, C::Account), QStringLiteral("123456"));
    QCOMPARE(m.text(0, C::Label), QStringLiteral("3"));
    QCOMPARE(m.text(0, C::Rebate), QStringLiteral("131"));
    QCOMPARE(m.text(0, C::ProDate), QStringLiteral("2026-12-01"));
    QCOMPARE(m.text(0, C::Recomdays), QStringLiteral("14"));
    QCOMPARE(m.text(0, C::NgTolerance), QStringLiteral("4"));
    QCOMPARE(m.rowToPlu(0).Account, 123456);
}

void TestPluFileSet::priceAndUnitOnSave_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("field5");
    QTest::addColumn<QString>("field6");
    QTest::newRow("kg") << "12.5"
                        << "kg"
                        << "1250"
                        << "4";
    QTest::newRow("PCS(lb)") << "0.005"
                             << "PCS(lb)"
                             << "1"
                             << "12";
    QTest::newRow("unknown unit") << "3"
                                  << "KG"
                                  << "300"
                                  << "4";
}

void TestPluFileSet::priceAndUnitOnSave()
{
    QFETCH(QString, price);
    QFETCH(QString, unit);
    QFETCH(QString, field5);
    QFETCH(QString, field6);
    TestEnvironment env;
    PluDocument doc;
    doc.model()->setCell(0, C::PluName, QStringLiteral("x"));
    doc.model()->setCell(0, C::UnitPrice, price);
    doc.model()->setCell(0, C::WeightUnit, unit);
    const QStringList fields = QString::fromUtf8(saved(doc)).trimmed().split(QLatin1Char('\t'));
    QCOMPARE(fields.size(), 26);
    QCOMPARE(fields.at(5), field5);
    QCOMPARE(fields.at(6), field6);
}

void TestPluFileSet::recomdaysWrittenWhenShown()
{
    TestEnvironment env({{QStringLiteral("Function/isShowRecomdays"), true}});
    PluDocument doc;
    QCOMPARE(PluFileSet::load(&doc, dataPath(QStringLiteral("all-fields/input.txp")), nullptr),
             PluFileSet::LoadResult::Loaded);
    QCOMPARE(QString::fromUtf8(saved(doc)).section(QLatin1Char('\t'), 21, 21), QStringLiteral("14"));
}

void TestPluFileSet::saveAsWritesTheFileSet_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("stem");
    QTest::newRow("lower") << "shop.txp"
                           << "shop";
    QTest::newRow("upper") << "SHOP.TXP"
                           << "SHOP";
    QTest::newRow("twice") << "shop.txp.Txp"
                           << "shop.txp";
    QTest::newRow("other dots") << "shop.v2.txp"
                                << "shop.v2";
}

void TestPluFileSet::saveAsWritesTheFileSet()
{
    QFETCH(QString, chosen);
    QFETCH(QString, stem);
    TestEnvironment env;
    PluDocument doc;
    doc.model()->setCell(0, C::PluName, QStringLiteral("Apples"));
    doc.advertising().setTexts({QStringLiteral("Fresh every day"), QStringLiteral("Thank you")});
    doc.messages().setMessageLines(2, {QStringLiteral("Keep cool")});
    doc.setModified(true);
    const QString path = env.path(chosen);
    QString error;
    QVERIFY2(PluFileSet::save(&doc, path, PluFileSet::sidePathsForSaveAs(path), &error), qPrintable(error));
    QStringList expected{chosen, stem + QStringLiteral(".Info"), stem + QStringLiteral(".Msg"),
                         stem + QStringLiteral(".RSC")};
    expected.sort();
    QStringList written = QDir(env.path(QString())).entryList(QDir::Files, QDir::Name);
    written.removeAll(QStringLiteral("SYSTEM.CFG"));
    QCOMPARE(written, expected);
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.currentFile(), path);

    // The set comes back whole.
    PluDocument back;
    QCOMPARE(PluFileSet::load(&back, path, &error), PluFileSet::LoadResult::Loaded);
    QCOMPARE(back.model()->text(0, C::PluName), QStringLiteral("Apples"));
    QCOMPARE(back.advertising().texts(), doc.advertising().texts());
    QCOMPARE(back.messages().messageLines(2).first(), QStringLiteral("Keep cool"));
    QCOMPARE(back.msgPath(), env.path(stem + QStringLiteral(".Msg")));
}

void TestPluFileSet::sideFilesFoundWhateverTheCase()
{
    TestEnvironment env;
    QVERIFY(QFile::copy(dataPath(QStringLiteral("all-fields/input.txp")), env.path(QStringLiteral("Shop.TXP"))));
    QVERIFY(TestEnvironment::writeFile(env.path(QStringLiteral("SHOP.INFO")), "Head\r\nTail 1\r\n\r\n"));
    QVERIFY(
        TestEnvironment::writeFile(env.path(QStringLiteral("Shop.MSG")), QByteArray("A\r\n").repeated(16) + "\x1c"));
    QVERIFY(TestEnvironment::writeFile(env.path(QStringLiteral("shop.rsc")), "M0,S0,8,30,90\r\nM0,S1,12,0,80\r\n"));
    PluDocument doc;
    QCOMPARE(PluFileSet::load(&doc, env.path(QStringLiteral("Shop.TXP")), nullptr), PluFileSet::LoadResult::Loaded);
    QCOMPARE(doc.advertising().texts(), QStringList({QStringLiteral("Head"), QStringLiteral("Tail 1"), QString()}));
    QCOMPARE(doc.messages().messageLines(1).at(15), QStringLiteral("A"));
    QCOMPARE(int(doc.schedules().period(0, 1).hour), 12);
    QCOMPARE(int(doc.schedules().period(0, 0).rate), 90);
    QCOMPARE(doc.infoPath(), env.path(QStringLiteral("SHOP.INFO")));
}

void TestPluFileSet::commaSeparatedQuotedFields_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lfCode");
    QTest::addColumn<QString>("price");
    QTest::newRow("plain") << QByteArray("1,Brot hell,1001,7,2,1.20") << "Brot hell" << 1001 << "1.20";
    QTest::newRow("comma in quotes") << QByteArray("1,\"Brot, hell\",1001,7,2,1.20") << "Brot, hell" << 1001 << "1.20";
    QTest::newRow("doubled quote") << QByteArray("1,\"12\"\" Pizza, large\",1002,,2,\"3,50\"") << "12\" Pizza, large"
                                   << 1002 << "3,50";
    QTest::newRow("quote inside a plain field") << QByteArray("1,12\" Pizza,1003,,2,9") << "12\" Pizza" << 1003 << "9";
}

void TestPluFileSet::commaSeparatedQuotedFields()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    QFETCH(int, lfCode);
    QFETCH(QString, price);
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("list.csv"));
    QVERIFY(TestEnvironment::writeFile(path, line + "\r\n2,Second,2002\r\n"));
    PluDocument doc;
    QCOMPARE(PluFileSet::load(&doc, path, nullptr), PluFileSet::LoadResult::Loaded);
    QCOMPARE(doc.model()->text(0, C::PluName), name);
    QCOMPARE(doc.model()->text(0, C::LFCode).toInt(), lfCode);
    QCOMPARE(doc.model()->text(0, C::UnitPrice), price);
    QCOMPARE(doc.model()->text(1, C::PluName), QStringLiteral("Second"));
}

void TestPluFileSet::openSaveOpenKeepsBytes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("codePage");
    QTest::newRow("all fields") << "all-fields/input.txp"
                                << "";
    QTest::newRow("csv") << "csv-stop/input.csv"
                         << "";
    QTest::newRow("gbk") << "gbk-name/input.txp"
                         << "GBK";
}

void TestPluFileSet::openSaveOpenKeepsBytes()
{
    QFETCH(QString, input);
    QFETCH(QString, codePage);
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), codePage}});
    const QString first = env.path(QStringLiteral("first.txp"));
    const QString second = env.path(QStringLiteral("second.txp"));
    PluDocument doc;
    QCOMPARE(PluFileSet::load(&doc, dataPath(input), nullptr), PluFileSet::LoadResult::Loaded);
    doc.messages().setMessageLines(3, {QStringLiteral("x"), QString(), QStringLiteral("z")});
    SchedulePeriod p;
    p.hour = 9;
    p.rate = 85;
    doc.schedules().setPeriod(2, 1, p);
    doc.advertising().setTexts({QStringLiteral("h"), QString(), QStringLiteral("t")});
    QVERIFY(PluFileSet::save(&doc, first, PluFileSet::sidePathsForSaveAs(first), nullptr));
    PluDocument again;
    QCOMPARE(PluFileSet::load(&again, first, nullptr), PluFileSet::LoadResult::Loaded);
    QVERIFY(PluFileSet::save(&again, second, PluFileSet::sidePathsForSaveAs(second), nullptr));
    for (const char *ext : {".txp", ".Info", ".Msg", ".RSC"}) {
        const QByteArray a = TestEnvironment::readFile(env.path(QStringLiteral("first") + QLatin1String(ext)));
        const QByteArray b = TestEnvironment::readFile(env.path(QStringLiteral("second") + QLatin1String(ext)));
        QVERIFY2(!a.isEmpty() && a == b, ext);
    }
}

void TestPluFileSet::cellTextsNeverBreakALine()
{
    TestEnvironment env;
    PluDocument doc;
    doc.model()->setCell(0, C::PluName, QStringLiteral("two\tfields\r\nand lines"));
    doc.model()->setCell(0, C::ProDate, QStringLiteral("a\nb"));
    const QByteArray bytes = saved(doc);
    QCOMPARE(bytes.count('\n'), 1);
    QCOMPARE(bytes.count('\t'), 25);
    QVERIFY(bytes.startsWith("0\ttwo fields  and lines\t"));
}

void TestPluFileSet::failedSaveKeepsOldFiles()
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("shop.txp"));
    const PluFileSet::SidePaths sides = PluFileSet::sidePathsForSaveAs(path);
    PluDocument doc;
    doc.model()->setCell(0, C::PluName, QStringLiteral("Old"));
    QVERIFY(PluFileSet::save(&doc, path, sides, nullptr));
    const QByteArray oldMain = TestEnvironment::readFile(path);
    const QByteArray oldMsg = TestEnvironment::readFile(sides.msg);

    doc.model()->setCell(0, C::PluName, QStringLiteral("New name that is longer"));
    doc.messages().setMessageLines(1, {QStringLiteral("changed")});
    doc.setModified(true);
    // The device fills up while the message file is being written.
    AtomicFile::failAfterBytes(saved(doc).size() + doc.advertising().toInfoBytes().size() + 10);
    QString error;
    QVERIFY(!PluFileSet::save(&doc, path, sides, &error));
    QVERIFY2(error.contains(QStringLiteral("shop.Msg")) && error.contains(QStringLiteral("No space")),
             qPrintable(error));
    QCOMPARE(TestEnvironment::readFile(path), oldMain);
    QCOMPARE(TestEnvironment::readFile(sides.msg), oldMsg);
    QVERIFY(doc.isModified());
}

void TestPluFileSet::badInputLeavesDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sideName");
    QTest::addColumn<QByteArray>("sideContent");
    QTest::addColumn<QString>("error");
    const QByteArray good = "1\tx\t1\r\n";
    QTest::newRow("unknown suffix") << "list.dat" << good << "" << QByteArray() << "Unsupported file type";
    QTest::newRow("folder named like a file")
        << "folder.txp" << QByteArray() << "" << QByteArray() << "Open File Error";
    QTest::newRow("csv line not in the code page")
        << "list.csv" << QByteArray("1,a,1\r\n2,b,2\r\n3,\xc6\xbb\xb9\xfb,3\r\n") << "" << QByteArray()
        << "Line 3 of \"list.csv\" is not valid UTF-8 text.";
    QTest::newRow("side file with NUL bytes")
        << "shop.txp" << good << "shop.Msg" << QByteArray("line\r\n\0\0\0\x1c", 10)
        << "\"shop.Msg\" is not a PLU file: line 2 holds a NUL byte.";
}

void TestPluFileSet::badInputLeavesDocument()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, sideName);
    QFETCH(QByteArray, sideContent);
    QFETCH(QString, error);
    TestEnvironment env;
    const QString path = env.path(name);
    if (content.isEmpty())
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(TestEnvironment::writeFile(path, content));
    if (!sideName.isEmpty())
        QVERIFY(TestEnvironment::writeFile(env.path(sideName), sideContent));
    PluDocument doc;
    doc.model()->setCell(4, C::PluName, QStringLiteral("Keep me"));
    doc.setCurrentFile(QStringLiteral("/somewhere/current.txp"));
    doc.setModified(true);
    QString message;
    QCOMPARE(PluFileSet::load(&doc, path, &message), PluFileSet::LoadResult::Failed);
    QVERIFY2(message.startsWith(error), qPrintable(message));
    QCOMPARE(doc.model()->text(4, C::PluName), QStringLiteral("Keep me"));
    QCOMPARE(doc.currentFile(), QStringLiteral("/somewhere/current.txp"));
    QVERIFY(doc.isModified());
}

void TestPluFileSet::missingFileBecomesNewDocument()
{
    TestEnvironment env;
    PluDocument doc;
    doc.model()->setCell(0, C::PluName, QStringLiteral("old"));
    doc.messages().setMessageLines(1, {QStringLiteral("old")});
    const QString path = env.path(QStringLiteral("new.txp"));
    QCOMPARE(PluFileSet::load(&doc, path, nullptr), PluFileSet::LoadResult::NewFile);
    QCOMPARE(doc.model()->usedRowCount(), 0);
    QCOMPARE(doc.messages().lastUsedIndex(), -1);
    QCOMPARE(doc.currentFile(), path);
    QCOMPARE(doc.rscPath(), env.path(QStringLiteral("new.RSC")));
    QVERIFY(!QFile::exists(path));
}

void TestPluFileSet::linesBeyondTheGridAreReported()
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("big.txp"));
    QByteArray bytes;
    for (int i = 0; i < 20003; ++i)
        bytes += "0\tItem " + QByteArray::number(i) + "\t" + QByteArray::number(i + 1) + "\r\n";
    QVERIFY(TestEnvironment::writeFile(path, bytes));
    PluDocument doc;
    QString warning;
    QCOMPARE(PluFileSet::load(&doc, path, nullptr, &warning), PluFileSet::LoadResult::Loaded);
    QCOMPARE(doc.rowCount(), 20000);
    QVERIFY(warning.contains(QStringLiteral("3 more lines")));
    QCOMPARE(doc.model()->text(19999, C::PluName), QStringLiteral("Item 19999"));
}

void TestPluFileSet::saveKilledBetweenRenamesOpensWhole_data()
{
    // Where the saving process dies, and whether the set on disk is then the new one.
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("mixedOnDisk"); // before the next open, the new main file beside old side files
    QTest::addColumn<bool>("becomesNew");
    QTest::newRow("every member written") << "written" << false << false;
    QTest::newRow("intent in place") << "intent" << false << true;
    QTest::newRow("main file renamed") << "renamed 1" << true << true;
    QTest::newRow("two of four renamed") << "renamed 2" << true << true;
}

void TestPluFileSet::saveKilledBetweenRenamesOpensWhole()
{
    QFETCH(QString, step);
    QFETCH(bool, mixedOnDisk);
    QFETCH(bool, becomesNew);
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("shop.txp"));
    auto write = [&path](const QString &name, const QString &message) {
        PluDocument doc;
        doc.model()->setCell(0, C::PluName, name);
        doc.messages().setMessageList({message});
        QString error;
        return PluFileSet::save(&doc, path, PluFileSet::sidePathsForSaveAs(path), &error);
    };
    QVERIFY(write(QStringLiteral("Old"), QStringLiteral("old message")));
    const pid_t child = fork();
    if (child == 0) {
        qputenv("PLU_TEST_SET_SAVE_DIES_AT", step.toUtf8());
        write(QStringLiteral("New"), QStringLiteral("new message"));
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(WEXITSTATUS(status), 137); // it died where it was told to
    const PluFileSet::SidePaths sides = PluFileSet::sidePathsForLoad(path);
    QCOMPARE(TestEnvironment::readFile(path).contains("New") && !TestEnvironment::readFile(sides.msg).contains("new"),
             mixedOnDisk);

    PluDocument doc;
    QString error;
    QCOMPARE(PluFileSet::load(&doc, path, &error), PluFileSet::LoadResult::Loaded);
    QCOMPARE(doc.model()->text(0, C::PluName), becomesNew ? QStringLiteral("New") : QStringLiteral("Old"));
    QCOMPARE(doc.messages().line(0, 0), becomesNew ? QStringLiteral("new message") : QStringLiteral("old message"));
    // Nothing of the stopped save is left beside the set.
    QCOMPARE(QDir(env.path(QString())).entryList({QStringLiteral("shop*")}, QDir::Files),
             QStringList({"shop.Info", "shop.Msg", "shop.RSC", "shop.txp"}));
}

QTEST_GUILESS_MAIN(TestPluFileSet)
#include "TestPluFileSet.moc"
