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
    const QString plu = data(QStringLiteral("plu.xlsx"));
    QTest::newRow("import skipping the title, chosen columns, from row 3")
        << QStringList{"import", "IN", "OUT.txp", "--rows", "2-3", "--to", "3", "--columns", "name,price"} << plu << 0
        << QStringList{"|0|0.00|kg", "|0|0.00|kg", "Apples|0|3.49|kg", "Pears|0|2.99|kg"} << "rows imported into";
    QTest::newRow("import-text by the stored layout")
        << QStringList{"import-text", "IN", "OUT.txp", "--config", "CFG"} << data(QStringLiteral("text/comma.txt")) << 0
        << QStringList{"Apples|101|1.01|oz", "Pears|102|12.34|kg"} << "";
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
    TestEnvironment env({{QStringLiteral("ZQPLU_ImportPluSet/CboxPluSep"), 0}});
    for (QString &a : args) {
        if (a == QLatin1String("IN"))
            a = in;
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
    QVERIFY2(err.contains(stderrHas), qPrintable(err));
    if (!rows.isEmpty())
        QCOMPARE(rowsOf(args.at(2)), rows);
}

QTEST_GUILESS_MAIN(TestPluCliSheets)
#include "TestPluCliSheets.moc"
