#include "TestSupport.h"

#include "document/PluTableModel.h"
#include "io/CustomTextImport.h"
#include "io/ImportCheck.h"

#include <QSet>

using C = PluColumns;

namespace {
QByteArray textFile(const QString &name)
{
    return TestEnvironment::readFile(QStringLiteral(PLU_TEST_DATA_DIR "/io/text/") + name);
}

QString group(const char *key)
{
    return QStringLiteral("ZQPLU_ImportPluSet/") + QLatin1String(key);
}

// Hotkey, name, LF code, code, price and unit of each record, as the table shows them.
QStringList shown(const TPLUList &records)
{
    QStringList lines;
    for (const TPLU &p : records) {
        const PluTableModel::Row row = PluTableModel::rowFromPlu(p);
        QStringList cells;
        for (int c : {C::HotKey, C::PluName, C::LFCode, C::Code, C::UnitPrice, C::WeightUnit})
            cells << row[c].toString();
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}
} // namespace

class TestCustomTextImport : public QObject
{
    Q_OBJECT
private slots:
    void importsByStoredLayout_data();
    void importsByStoredLayout();
    void fixedPositions_data();
    void fixedPositions();
    void linesBeyondTheGridAreCounted();
};

void TestCustomTextImport::importsByStoredLayout_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QStringList>("expected");
    // What the import's check says about the same lines (it then leaves those lines out).
    QTest::addColumn<QStringList>("problems");

    // Defaults: comma, name/LF code/code/price taken, x100, unit from the file by "0".."12".
    QTest::newRow("tab, title line, missing fields keep the line before")
        << "tab-title.txt"
        << QVariantMap{{group("CboxPluSep"), 1}, {group("CboxFirstLineIsTitle"), 1}, {group("ChkHotKey"), 1}}
        << QStringList{"1|Apples|101|1001|3.49|kg", "0|Pears|102|1001|3.49|kg"} << QStringList{};
    QTest::newRow("comma, x100 rounds in single precision")
        << "comma.txt" << QVariantMap{} << QStringList{"0|Apples|101|0|1.01|oz", "0|Pears|102|77|12.34|kg"}
        << QStringList{"row 1, Unit Price: 1.005: more decimals than the price scaling takes (2)",
                       "row 2, Weight unit: unknown: no weight unit has this import value"};
    QTest::newRow("x1000 when x100 is off") << "comma.txt" << QVariantMap{{group("ChkDiv100"), 0}}
                                            << QStringList{"0|Apples|101|0|10.05|oz", "0|Pears|102|77|123.40|kg"}
                                            << QStringList{"row 2, Weight unit: unknown: no weight unit has this "
                                                           "import value"};
    QTest::newRow("no scaling") << "comma.txt" << QVariantMap{{group("ChkDiv100"), 0}, {group("ChkDiv1000"), 0}}
                                << QStringList{"0|Apples|101|0|0.01|oz", "0|Pears|102|77|0.12|kg"}
                                << QStringList{
                                       "row 1, Unit Price: 1.005: more decimals than the price scaling takes (0)",
                                       "row 2, Weight unit: unknown: no weight unit has this import value",
                                       "row 2, Unit Price: 12.34: more decimals than the price scaling takes (0)"};
    QTest::newRow("fixed positions start after the P-th character; no length, not taken")
        << "fixed.txt"
        << QVariantMap{{group("CboxPluSep"), 4},
                       {group("CboxLfcode"), "1"},
                       {group("CboxLFCodeLen"), 4},
                       {group("CboxPluNameLen"), 10},
                       {group("CboxPluName"), "5"},
                       {group("CboxUnitPrice"), "15"},
                       {group("CboxUnitPriceLen"), 6},
                       {group("ChkDiv100"), 0},
                       {group("ChkDiv1000"), 0},
                       {group("CboxWeightPos"), "21"},
                       {group("CboxWeightUnitLen"), 2},
                       {QStringLiteral("WeightIDSet/4"), "KG"},
                       {QStringLiteral("WeightIDSet/6"), "LB"}}
        << QStringList{"0|Apples    |101|0|3.49|kg", "0|Pears     |102|0|2.99|lb", "0|Plums|103|0|0.00|kg"}
        << QStringList{};
    QTest::newRow("a fixed unit for every line")
        << "comma.txt" << QVariantMap{{group("ChkFixWeightUnit"), 1}, {group("CboxFixWeightUnit"), 6}}
        << QStringList{"0|Apples|101|0|1.01|lb", "0|Pears|102|77|12.34|lb"}
        << QStringList{"row 1, Unit Price: 1.005: more decimals than the price scaling takes (2)"};
    QTest::newRow("custom separator of two characters")
        << "custom.txt"
        << QVariantMap{{group("CboxPluSep"), 5}, {group("edtCustSep"), "||"},   {group("ChkHotKey"), 1},
                       {group("ChkCode"), 0},    {group("CboxUnitPrice"), "4"}, {group("ChkWeightUnit"), 0}}
        << QStringList{"7|Tea|201|0|1.50|kg", "8|Coffee|Mocha|202|0|2.00|kg"} << QStringList{};
}

void TestCustomTextImport::importsByStoredLayout()
{
    QFETCH(QString, file);
    QFETCH(QVariantMap, settings);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, problems);
    TestEnvironment env(settings);
    const CustomTextImport::Layout layout = CustomTextImport::Layout::stored();
    QCOMPARE(shown(CustomTextImport::records(textFile(file), layout)), expected);
    ImportCheck check;
    const TPLUList kept = CustomTextImport::records(textFile(file), layout, nullptr, &check);
    QStringList lines;
    QSet<int> badRows;
    for (const ImportProblem &p : check.problems()) {
        lines << p.line();
        badRows << p.sourceRow;
    }
    QVERIFY2(lines == problems, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(kept.size(), expected.size() - badRows.size());
}

void TestCustomTextImport::fixedPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("taken"); // "null" when the property is not taken
    QTest::newRow("the text starts after the P-th character") << 1 << 3 << "BCD";
    QTest::newRow("a short line gives what it has") << 6 << 5 << "G";
    QTest::newRow("past the end: empty, but taken") << 8 << 2 << "";
    QTest::newRow("no length: not taken") << 2 << 0 << "null";
    QTest::newRow("position 0: not taken") << 0 << 3 << "null";
}

void TestCustomTextImport::fixedPositions()
{
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(QString, taken);
    CustomTextImport::Layout layout;
    layout.separatorIndex = CustomTextImport::FixedPositions;
    layout.fields[CustomTextImport::PluName] = {true, position, length};
    const QString text = CustomTextImport::take(QStringLiteral("ABCDEFG"), {}, layout, CustomTextImport::PluName);
    QCOMPARE(text.isNull() ? QStringLiteral("null") : text, taken);
}

void TestCustomTextImport::linesBeyondTheGridAreCounted()
{
    TestEnvironment env;
    const QByteArray line = "1,Apples,101\n";
    int dropped = 0;
    const TPLUList records = CustomTextImport::records(line.repeated(PluColumns::RowCount + 3),
                                                       CustomTextImport::Layout::stored(), &dropped);
    QCOMPARE(records.size(), int(PluColumns::RowCount));
    QCOMPARE(dropped, 3);
}

QTEST_GUILESS_MAIN(TestCustomTextImport)
#include "TestCustomTextImport.moc"
