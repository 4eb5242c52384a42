#include "TestSupport.h"

#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QProcess>

using C = PluColumns;

namespace {
QString data(const QString &name)
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/io/") + name;
}

// Each used row of a file set as "name|LF code|price|unit".
QStringList rowsOf(const QString &path)
{
    PluDocument doc;
    QString error;
    if (PluFileSet::load(&doc, path, &error) != PluFileSet::LoadResult::Loaded)
        return {QStringLiteral("load failed: ") + error};
    QStringList rows;
    for (int r = 0; r < doc.rowCount(); ++r) {
        QStringList cells;
        for (int c : {C::PluName, C::LFCode, C::UnitPrice, C::WeightUnit})
            cells << doc.model()->text(r, c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}
} // namespace

class TestPluCliSheets : public QObject
{
    Q_OBJECT
private slots:
    void sheetCommands_data();
    void sheetCommands();
};

void TestPluCliSheets::sheetCommands_data()
{
    QTest::addColumn<QStringList>("args"); // IN and OUT stand for the files below
    QTest::addColumn<QString>("in");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("rows"); // of OUT when it is a file set
    QTest::addColumn<QString>("stderrHas");
    // OUT.txp exists (with side files) for the arguments that say "OLD.txp" instead.
    const QString plu = data(QStringLiteral("plu.xlsx"));
    const QString checks = data(QStringLiteral("checks.xlsx"));
    const QString prices = data(QStringLiteral("prices-small.xls"));
    const QStringList old{"Apples|101|3.49|g", "Pears|102|2.99|kg"};
    QTest::newRow("import skipping the title, chosen columns, from row 3")
        << QStringList{"import", "IN", "OUT.txp", "--rows", "2-3", "--to", "3", "--columns", "name,price"} << plu << 0
        << QStringList{"|0|0.00|kg", "|0|0.00|kg", "Apples|0|3.49|kg", "Pears|0|2.99|kg"} << "rows imported into";
    QTest::newRow("import into a set replaces its rows and keeps its side files")
        << QStringList{"import", "IN", "OLD.txp", "--columns", "name,lfcode,price"} << plu << 0
        << QStringList{"Apples|101|3.49|kg", "Pears|102|2.99|kg", "Cherries|103|12.50|kg"} << "rows imported into";
    QTest::newRow("no name among the columns") << QStringList{"import", "IN", "OLD.txp", "--columns", "lfcode,price"}
                                               << plu << 2 << old << "--columns must include name";
    QTest::newRow("problems named by sheet row; nothing written")
        << QStringList{"import", "IN", "OLD.txp"} << checks << 1 << old
        << "row 8, Code: 00123: a leading zero that the code cannot keep\nrow 9, PLU name: : no PLU name";
    QTest::newRow("--skip-bad takes the good rows")
        << QStringList{"import", "IN", "OLD.txp", "--skip-bad"} << checks << 0
        << QStringList{"Apples|101|3.49|kg", "Limes|108|1.99|kg"} << "row 3, LF Code: abc: not a whole number";
    QTest::newRow("price update by LF code")
        << QStringList{"import", "IN", "OLD.txp", "--match", "lfcode", "--columns", "price"} << prices << 0
        << QStringList{"Apples|101|3.99|g", "Pears|102|2.99|kg"}
        << "row 4, LF Code: 999: no article has this LF code\n"
           "IN: articles of OLD.txp updated: 1, unchanged: 1; rows added: 0, unmatched: 1";
    QTest::newRow("price update adding new articles")
        << QStringList{"import", "IN", "OLD.txp", "--match", "lfcode", "--columns", "name,price", "--add-new"} << prices
        << 0 << QStringList{"Apples (new name)|101|3.99|g", "Pears|102|2.99|kg", "Quinces|999|1.25|kg"}
        << "updated: 1, unchanged: 1; rows added: 1, unmatched: 0";
    QTest::newRow("an update needs the set") << QStringList{"import", "IN", "OUT.txp", "--match", "lfcode"} << prices
                                             << 1 << QStringList{} << "no such file set to update";
    QTest::newRow("import-text problems named by line")
        << QStringList{"import-text", "IN", "OLD.txp", "--config", "CFG"} << data(QStringLiteral("text/comma.txt")) << 1
        << old << "row 1, Unit Price: 1.005: more decimals than the price scaling takes (2)";
    QTest::newRow("import-text by the stored layout, into a set")
        << QStringList{"import-text", "IN", "OLD.txp", "--config", "CFG", "--skip-bad"}
        << data(QStringLiteral("text/tab-title.txt")) << 0 << QStringList{"Apples|101|3.49|kg", "Pears|102|3.49|kg"}
        << "";
    QTest::newRow("rows beyond the sheet") << QStringList{"import", "IN", "OUT.txp", "--rows", "2-9"} << plu << 1
                                           << QStringList{} << "rows with the 19 cells of an article: 4";
    QTest::newRow("damaged workbook named")
        << QStringList{"import", "IN", "OUT.txp"} << data(QStringLiteral("damaged.xlsx")) << 1 << QStringList{}
        << "damaged.xlsx\": the";
    QTest::newRow("unknown column") << QStringList{"import", "IN", "OUT.txp", "--columns", "name,colour"} << plu << 2
                                    << QStringList{} << "unknown column \"colour\"";
    QTest::newRow("rows on export") << QStringList{"export", "IN", "OUT.xlsx", "--rows", "2-"} << plu << 2
                                    << QStringList{} << "apply to import only";
    QTest::newRow("export to a csv name")
        << QStringList{"export", "IN", "OUT.csv"} << plu << 2 << QStringList{} << "name the export .xlsx";
}

void TestPluCliSheets::sheetCommands()
{
    QFETCH(QStringList, args);
    QFETCH(QString, in);
    QFETCH(int, exitCode);
    QFETCH(QStringList, rows);
    QFETCH(QString, stderrHas);
    const bool tab = QTest::currentDataTag() == QLatin1String("import-text by the stored layout, into a set");
    TestEnvironment env({{QStringLiteral("ZQPLU_ImportPluSet/CboxPluSep"), tab ? 1 : 0},
                         {QStringLiteral("ZQPLU_ImportPluSet/CboxFirstLineIsTitle"), tab ? 1 : 0}});
    // An existing set: two articles with side files of every kind.
    const QString old = env.path(QStringLiteral("out.txp"));
    QMap<QString, QByteArray> sides;
    if (args.contains(QStringLiteral("OLD.txp"))) {
        PluDocument doc;
        const QStringList articles{"Apples|101|3.49|g", "Pears|102|2.99|kg"};
        for (int r = 0; r < articles.size(); ++r) {
            const QStringList cells = articles.at(r).split(QLatin1Char('|'));
            doc.model()->setCell(r, C::PluName, cells.at(0));
            doc.model()->setCell(r, C::LFCode, cells.at(1).toInt());
            doc.model()->setCell(r, C::UnitPrice, cells.at(2));
            doc.model()->setCell(r, C::WeightUnit, cells.at(3));
        }
        doc.advertising().setTexts({QStringLiteral("Fresh every day"), QStringLiteral("Thank you")});
        doc.messages().setLine(0, 0, QStringLiteral("Keep cool"));
        QString error;
        QVERIFY2(PluFileSet::save(&doc, old, PluFileSet::sidePathsForSaveAs(old), &error), qPrintable(error));
        for (const char *ext : {".Info", ".Msg", ".RSC"})
            sides.insert(QLatin1String(ext),
                         TestEnvironment::readFile(env.path(QStringLiteral("out") + QLatin1String(ext))));
    }
    for (QString &a : args) {
        if (a == QLatin1String("IN"))
            a = in;
        else if (a == QLatin1String("OLD.txp"))
            a = old;
        else if (a.startsWith(QLatin1String("OUT")))
            a = env.path(a.replace(QLatin1String("OUT"), QLatin1String("out")));
        else if (a == QLatin1String("CFG"))
            a = env.settingsPath();
    }
    QProcess cli;
    cli.start(QStringLiteral(PLU_BIN_DIR "/plu-cli"), args);
    QVERIFY(cli.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), exitCode);
    QVERIFY2(err.contains(QString(stderrHas).replace(QLatin1String("IN"), in).replace(QLatin1String("OLD.txp"), old)),
             qPrintable(err));
    if (!rows.isEmpty())
        QCOMPARE(rowsOf(args.at(2)), rows);
    for (auto it = sides.cbegin(); it != sides.cend(); ++it)
        QCOMPARE(TestEnvironment::readFile(env.path(QStringLiteral("out") + it.key())), it.value());
}

QTEST_GUILESS_MAIN(TestPluCliSheets)
#include "TestPluCliSheets.moc"
