#include "IoTestSupport.h"
#include "TestSupport.h"

#include "document/PluTableModel.h"
#include "io/SheetExport.h"
#include "io/SheetImport.h"
#include "io/SheetReader.h"

using C = PluColumns;
using RowNames = QMap<int, QString>; // table row (from 0) -> PLU name

namespace {
Sheet read(const QString &path)
{
    Sheet sheet;
    SheetError error;
    if (!SheetReader::read(path, &sheet, &error))
        qWarning() << error.reason;
    return sheet;
}

QString data(const char *name)
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/io/") + QLatin1String(name);
}

QString joined(const PluTableModel::Row &row, const QVector<int> &columns)
{
    QStringList cells;
    for (int c : columns)
        cells << row[c].toString();
    return cells.join(QLatin1Char('|'));
}

QVector<int> firstColumns()
{
    QVector<int> columns;
    for (int c = 0; c <= C::Rebate; ++c)
        columns << c;
    return columns << C::Nutrition;
}

QStringList lines(const QVector<ImportProblem> &problems)
{
    QStringList out;
    for (const ImportProblem &p : problems)
        out << p.line();
    return out;
}

TPLUList checkedAll(const QString &file, int first, int last, QStringList *problems = nullptr)
{
    const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(read(file));
    ImportCheck check;
    const TPLUList records =
        SheetImport::checked(rows, first, last < 0 ? rows.size() : last, SheetImport::allChosen(), &check);
    if (problems)
        *problems = lines(check.problems());
    return records;
}
} // namespace

class TestSheetImport : public QObject
{
    Q_OBJECT
private slots:
    void rangesPlaceRecords_data();
    void rangesPlaceRecords();
    void cellsConvert_data();
    void cellsConvert();
    void everyProblemNamed_data();
    void everyProblemNamed();
    void updateByLfCode_data();
    void updateByLfCode();
    void rangeChecks_data();
    void rangeChecks();
    void unchosenPropertiesAreNew();
    void tabTextLayout();
    void workbookKeepsCodesAsTexts();
    void exportThenImportRoundTrips_data();
    void exportThenImportRoundTrips();
};

void TestSheetImport::rangesPlaceRecords_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("to");
    QTest::addColumn<RowNames>("names");
    QTest::newRow("first row 2 skips the title")
        << data("plu.xlsx") << 2 << 4 << 1 << RowNames{{0, "Apples"}, {2, "Cherries"}, {3, ""}};
    QTest::newRow("records 3 to 4 from table row 10")
        << data("plu.xlsx") << 3 << 4 << 10 << RowNames{{8, ""}, {9, "Pears"}, {10, "Cherries"}, {11, ""}};
    QTest::newRow("rows past the grid are left out")
        << data("plu.xlsx") << 2 << 4 << 19999 << RowNames{{19998, "Apples"}, {19999, "Pears"}};
    QTest::newRow("a row of few cells is not counted")
        << data("export.xls") << 2 << 2 << 1 << RowNames{{0, "Apples"}, {1, ""}};
}

void TestSheetImport::rangesPlaceRecords()
{
    QFETCH(QString, file);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, to);
    QFETCH(RowNames, names);
    TestEnvironment env;
    const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(read(file));
    // Our export's first row holds its captions: the proposal starts after it.
    QCOMPARE(SheetImport::proposedFirstRow(rows), 2);
    QCOMPARE(SheetImport::checkRange(first, last, to, rows.size()), SheetImport::RangeError::None);
    const QVector<PluTableModel::Row> grid = SheetImport::place(checkedAll(file, first, last), to);
    QCOMPARE(grid.size(), int(C::RowCount));
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        QCOMPARE(grid.at(it.key())[C::PluName].toString(), it.value());
}

void TestSheetImport::cellsConvert_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("expected"); // columns 0..17 and Nutrition
    QTest::newRow("numbers of a workbook")
        << data("plu.xlsx") << 0 << "1|Apples|101|1001|2|3.49|kg|0|1|0.010|5|Normal|0.250|2|1|0|1|0|0";
    QTest::newRow("unit and package codes, schedule number")
        << data("plu.xlsx") << 1 << "2|Pears|102|1002|2|2.99|g|0|1|5|7|Fixed Weight|500|0|3|0|0|129|1";
    QTest::newRow("texts of our own export")
        << data("export.xls") << 0 << "1|Apples|101|1001|2|3.49|kg|0|1|0.010|5|Normal|0.250|2|1|0|1|0|0";
}

void TestSheetImport::cellsConvert()
{
    QFETCH(QString, file);
    QFETCH(int, record);
    QFETCH(QString, expected);
    TestEnvironment env;
    const TPLUList records = checkedAll(file, 2, -1);
    QVERIFY(record < records.size());
    QCOMPARE(joined(PluTableModel::rowFromPlu(records.at(record)), firstColumns()), expected);
}

void TestSheetImport::everyProblemNamed_data()
{
    QTest::addColumn<QString>("file");
    // One workbook kept by hand, as Gnumeric and LibreOffice write it: rows numbered as the
    // sheet numbers them, the empty row 4 skipped, the good rows 2 and 11 taken.
    for (const char *name : {"checks.xls", "checks.xlsx", "checks.ods", "checks-calc.ods"})
        QTest::newRow(name) << data(name);
}

void TestSheetImport::everyProblemNamed()
{
    QFETCH(QString, file);
    TestEnvironment env;
    QStringList problems;
    const TPLUList records = checkedAll(file, 2, -1, &problems);
    QCOMPARE(problems,
             QStringList(
                 {"row 3, LF Code: abc: not a whole number", "row 5, Shelf time: 2024-03-01: a date, not a number",
                  "row 6, Unit Price: 1234567.891: more than 2 decimals", "row 7, Unit Price: -5: outside 0~999999.99",
                  "row 8, Code: 00123: a leading zero that the code cannot keep",
                  "row 9, PLU name: : no PLU name (a row without a name is not kept)",
                  "row 10, LF Code: 101: also in row 2"}));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).pluNameBytes(), QByteArray("Limes"));
    QCOMPARE(joined(PluTableModel::rowFromPlu(records.at(0)), firstColumns()),
             QStringLiteral("1|Apples|101|1001|2|3.49|kg|0|1|0.010|5|Normal|0.250|2|1|0|1|0|0"));
}

void TestSheetImport::updateByLfCode_data()
{
    QTest::addColumn<bool>("addNew");
    QTest::addColumn<QStringList>("articles"); // name|LF code|price|unit|code
    QTest::addColumn<QString>("counts");       // updated, unchanged, added, unmatched
    QTest::newRow("prices only; the unknown LF code listed")
        << false << QStringList{"Apples|101|3.99|g|55", "Pears|102|2.99|kg|56"} << "1 1 0 1";
    QTest::newRow("names and prices; the unknown LF code added")
        << true << QStringList{"Apples (new name)|101|3.99|g|55", "Pears|102|2.99|kg|56", "Quinces|999|1.25|kg|0"}
        << "1 1 1 0";
}

void TestSheetImport::updateByLfCode()
{
    QFETCH(bool, addNew);
    QFETCH(QStringList, articles);
    QFETCH(QString, counts);
    TestEnvironment env;
    PluTableModel model;
    const QStringList before{"Apples|101|3.49|g|55", "Pears|102|2.99|kg|56"};
    for (int r = 0; r < before.size(); ++r) {
        const QStringList cells = before.at(r).split(QLatin1Char('|'));
        model.setCell(r, C::PluName, cells.at(0));
        model.setCell(r, C::LFCode, cells.at(1).toInt());
        model.setCell(r, C::UnitPrice, cells.at(2));
        model.setCell(r, C::WeightUnit, cells.at(3));
        model.setCell(r, C::Code, cells.at(4).toLongLong());
    }
    // A small .xls (SheetJS) whose workbook lives in the container's mini stream.
    const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(read(data("prices-small.xls")));
    SheetImport::Flags flags{0};
    for (int k = 1; k <= SheetImport::PropertyCount; ++k)
        flags << (k == 5 || (addNew && k == 1) ? 1 : 0);
    ImportCheck check;
    const SheetImport::Update update =
        SheetImport::update(model.rows(), before.size(), rows, 2, rows.size(), flags, addNew, &check);
    QCOMPARE(lines(check.problems()), QStringList());
    QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                 .arg(update.updated)
                 .arg(update.unchanged)
                 .arg(update.added)
                 .arg(update.unmatched.size()),
             counts);
    if (!addNew)
        QCOMPARE(update.unmatched.first().line(), QStringLiteral("row 4, LF Code: 999: no article has this LF code"));
    QCOMPARE(update.rowCount, articles.size());
    for (int r = 0; r < articles.size(); ++r)
        QCOMPARE(joined(update.rows.at(r), {C::PluName, C::LFCode, C::UnitPrice, C::WeightUnit, C::Code}),
                 articles.at(r));
}

void TestSheetImport::rangeChecks_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("error");
    using E = SheetImport::RangeError;
    QTest::newRow("all records") << 1 << 5 << 1 << int(E::None);
    QTest::newRow("last beyond the records") << 1 << 6 << 1 << int(E::BeyondRecords);
    QTest::newRow("first row 0") << 0 << 5 << 1 << int(E::NoFirstRow);
    QTest::newRow("first after last") << 4 << 3 << 1 << int(E::FirstAfterLast);
    QTest::newRow("table row 0") << 1 << 5 << 0 << int(E::NoTableRow);
}

void TestSheetImport::rangeChecks()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, to);
    QFETCH(int, error);
    QCOMPARE(int(SheetImport::checkRange(first, last, to, 5)), error);
}

void TestSheetImport::unchosenPropertiesAreNew()
{
    TestEnvironment env;
    // A hand-kept sheet may name the unit and package type; only name and unit are chosen.
    QVector<QVariant> cells(SheetImport::MinCells);
    cells[0] = 12.0;
    cells[1] = QStringLiteral("Tea");
    cells[2] = 300.0;
    cells[5] = 4.5;
    cells[6] = QStringLiteral("LB");
    cells[11] = QStringLiteral("fixed price");
    const TPLU read = SheetImport::recordOf(cells);
    QCOMPARE(read.WeightUnit, 6);
    QCOMPARE(read.PackageType, 2);
    SheetImport::Flags flags;
    for (int k = 0; k <= SheetImport::PropertyCount; ++k)
        flags << (k == 1 || k == 6 ? 1 : 0);
    QCOMPARE(joined(PluTableModel::rowFromPlu(SheetImport::chosen(read, flags)), firstColumns()),
             QStringLiteral("12|Tea|0|0|0|0.00|lb|0|0|0.000|0|Normal|0.000|0|0|0|0|0|0"));
}

void TestSheetImport::tabTextLayout()
{
    TestEnvironment env;
    PluTableModel model;
    model.setCell(0, C::PluName, QStringLiteral("Tab\there"));
    model.setCell(0, C::WeightUnit, QStringLiteral("KG"));
    model.setCell(0, C::PackageType, QStringLiteral("QR Code"));
    model.setCell(1, C::PluName, QStringLiteral("B"));
    model.setCell(1, C::WeightUnit, QStringLiteral("stone"));
    QCOMPARE(SheetExport::tabText(model, 2, {C::PluName, C::WeightUnit, C::PackageType, C::Nutrition}),
             QByteArray("PLU name\tWeight unit\tPackage type\tNutrition\t\n"
                        "Tab here\t4\t4\t0\t\n"
                        "B\t\t0\t0\t\n"));
}

void TestSheetImport::workbookKeepsCodesAsTexts()
{
    TestEnvironment env;
    PluTableModel model;
    model.setCell(0, C::PluName, QStringLiteral("Tea"));
    model.setCell(0, C::Code, QStringLiteral("007"));
    model.setCell(0, C::UnitPrice, QStringLiteral("1.50"));
    model.setCell(0, C::Department, QStringLiteral("12345678901234567"));
    model.setCell(0, C::Tare, QStringLiteral("1e3"));
    const QString path = env.path(QStringLiteral("kinds.xlsx"));
    QString error;
    QVERIFY2(SheetExport::writeWorkbook(path, model, 1,
                                        {C::PluName, C::LFCode, C::Code, C::UnitPrice, C::Department, C::Tare}, &error),
             qPrintable(error));
    QCOMPARE(iotest::dump(read(path)).section(QLatin1Char('\n'), 1),
             QStringLiteral("s:Tea|n:0|s:007|n:1.5|s:12345678901234567|s:1e3"));
}

void TestSheetImport::exportThenImportRoundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("tab-separated .xls") << "list.xls";
    QTest::newRow("workbook .xlsx") << "list.xlsx";
}

void TestSheetImport::exportThenImportRoundTrips()
{
    QFETCH(QString, name);
    TestEnvironment env;
    PluTableModel model;
    const int rows = 200;
    iotest::fillVaried(model, rows);
    const QVector<int> shown = SheetExport::shownColumns();
    QCOMPARE(shown, firstColumns());
    QString error;
    QVERIFY2(SheetExport::write(env.path(name), model, rows, shown, &error), qPrintable(error));
    QStringList problems;
    const TPLUList records = checkedAll(env.path(name), 2, -1, &problems);
    QCOMPARE(problems, QStringList());
    QCOMPARE(records.size(), rows);
    const QVector<PluTableModel::Row> grid = SheetImport::place(records, 1);
    for (int r = 0; r < rows; ++r)
        QCOMPARE(joined(grid.at(r), shown), joined(model.row(r), shown));
}

QTEST_GUILESS_MAIN(TestSheetImport)
#include "TestSheetImport.moc"
