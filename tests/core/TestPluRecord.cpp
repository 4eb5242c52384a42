#include "TestSupport.h"

#include "core/PackageTypes.h"
#include "core/PriceFormat.h"
#include "document/PluTableModel.h"

using C = PluColumns;

class TestPluRecord : public QObject
{
    Q_OBJECT
private slots:
    void scaledPrices_data();
    void scaledPrices();
    void formattedPrices_data();
    void formattedPrices();
    void nameCutAt72Bytes_data();
    void nameCutAt72Bytes();
    void codeCutAt10BytesAndReadAsNumber();
    void unitAndPackageClamping_data();
    void unitAndPackageClamping();
    void unknownNamesFallBack();
    void pcsWithCertiStatus();
    void recomdaysOff();
    void recordRoundTripsThroughRow();
    void newRowTexts();
    void usedRowCount();
};

void TestPluRecord::scaledPrices_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<qint64>("scaled");
    QTest::newRow("half up") << "0.005" << 2 << qint64(1);
    QTest::newRow("half away negative") << "-0.005" << 2 << qint64(-1);
    QTest::newRow("below half") << "0.0049" << 2 << qint64(0);
    QTest::newRow("plain") << "12.34" << 2 << qint64(1234);
    QTest::newRow("one decimal") << "12.5" << 2 << qint64(1250);
    QTest::newRow("no int part") << ".5" << 2 << qint64(50);
    QTest::newRow("blanks") << " 7 " << 2 << qint64(700);
    QTest::newRow("three decimals") << "1.2345" << 3 << qint64(1235);
    QTest::newRow("no decimals") << "2.5" << 0 << qint64(3);
    QTest::newRow("exponent") << "1e2" << 2 << qint64(10000);
    QTest::newRow("not a number") << "abc" << 2 << qint64(0);
    QTest::newRow("empty") << "" << 2 << qint64(0);
}

void TestPluRecord::scaledPrices()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(qint64, scaled);
    QCOMPARE(PriceFormat::toScaled(text, decimals), scaled);
}

void TestPluRecord::formattedPrices_data()
{
    QTest::addColumn<qint64>("scaled");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("two") << qint64(1234) << 2 << "12.34";
    QTest::newRow("small") << qint64(5) << 2 << "0.05";
    QTest::newRow("negative") << qint64(-5) << 2 << "-0.05";
    QTest::newRow("none") << qint64(42) << 0 << "42";
    QTest::newRow("three") << qint64(1250) << 3 << "1.250";
}

void TestPluRecord::formattedPrices()
{
    QFETCH(qint64, scaled);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(PriceFormat::fromScaled(scaled, decimals), text);
}

void TestPluRecord::nameCutAt72Bytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QString ascii71 = QString(71, QLatin1Char('a'));
    QTest::newRow("short") << "Apples" << QByteArray("Apples");
    QTest::newRow("exactly 72") << QString(72, QLatin1Char('b')) << QByteArray(72, 'b');
    QTest::newRow("80 cut") << QString(80, QLatin1Char('c')) << QByteArray(72, 'c');
    // A two-byte character that starts at byte 72 is cut in half, as bytes.
    QTest::newRow("multibyte cut") << ascii71 + QStringLiteral("\u00e9x") << QByteArray(71, 'a') + QByteArray("\xc3");
}

void TestPluRecord::nameCutAt72Bytes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), QStringLiteral("UTF-8")}});
    PluTableModel model;
    model.setCell(0, C::PluName, name);
    const TPLU plu = model.rowToPlu(0);
    QCOMPARE(plu.pluNameBytes(), bytes);
    QCOMPARE(plu.PluName[72], '\0');
}

void TestPluRecord::codeCutAt10BytesAndReadAsNumber()
{
    TestEnvironment env;
    PluTableModel model;
    model.setCell(0, C::Code, QStringLiteral("123456789012"));
    QCOMPARE(model.rowToPlu(0).codeBytes(), QByteArray("1234567890"));

    TPLU plu;
    plu.setCodeBytes("00123");
    model.pluToRow(plu, 1);
    QCOMPARE(model.cell(1, C::Code).toLongLong(), 123LL);
    QCOMPARE(model.text(1, C::Code), QStringLiteral("123"));
    plu.setCodeBytes("");
    model.pluToRow(plu, 1);
    QCOMPARE(model.text(1, C::Code), QStringLiteral("0"));
}

void TestPluRecord::unitAndPackageClamping_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("package");
    QTest::addColumn<QString>("unitText");
    QTest::addColumn<QString>("tareText");
    QTest::addColumn<QString>("packageText");
    QTest::newRow("unit 13") << 13 << 0 << "kg"
                             << "1.500"
                             << "Normal";
    QTest::newRow("unit -1") << -1 << 0 << "kg"
                             << "1.500"
                             << "Normal";
    // A tare finer than the unit shows is kept as the scale holds it.
    QTest::newRow("g") << 1 << 2 << "g"
                       << "1.5"
                       << "Fixed Price";
    QTest::newRow("oz") << 5 << 5 << "oz"
                        << "1.5"
                        << "PT";
    QTest::newRow("package 6") << 4 << 6 << "kg"
                               << "1.500"
                               << "Normal";
    QTest::newRow("PCS(lb)") << 12 << 4 << "PCS(lb)"
                             << "1.500"
                             << "QR Code";
}

void TestPluRecord::unitAndPackageClamping()
{
    QFETCH(int, unit);
    QFETCH(int, package);
    QFETCH(QString, unitText);
    QFETCH(QString, tareText);
    QFETCH(QString, packageText);
    TestEnvironment env;
    PluTableModel model;
    TPLU plu;
    plu.WeightUnit = unit;
    plu.PackageType = package;
    plu.Tare = 1.5;
    model.pluToRow(plu, 0);
    QCOMPARE(model.text(0, C::WeightUnit), unitText);
    QCOMPARE(model.text(0, C::Tare), tareText);
    QCOMPARE(model.text(0, C::PackageType), packageText);
}

void TestPluRecord::unknownNamesFallBack()
{
    TestEnvironment env;
    PluTableModel model;
    model.setCell(0, C::WeightUnit, QStringLiteral("KG")); // names compare with case
    model.setCell(0, C::PackageType, QStringLiteral("Boxed"));
    model.setCell(0, C::HotKey, QStringLiteral("twelve"));
    model.setCell(0, C::Message2, QStringLiteral("300"));
    const TPLU plu = model.rowToPlu(0);
    QCOMPARE(plu.WeightUnit, 4);
    QCOMPARE(plu.PackageType, 0);
    QCOMPARE(plu.HotKey, 0);
    QCOMPARE(int(plu.Message2), 44); // kept in 8 bits
}

void TestPluRecord::pcsWithCertiStatus()
{
    TestEnvironment env({{QStringLiteral("Function/CertiStatus"), 1}});
    PluTableModel model;
    model.setCell(0, C::WeightUnit, QStringLiteral("PCS"));
    QCOMPARE(model.rowToPlu(0).WeightUnit, 10);
    TPLU plu;
    plu.WeightUnit = 10;
    model.pluToRow(plu, 1);
    QCOMPARE(model.text(1, C::WeightUnit), QStringLiteral("PCS"));
    QCOMPARE(unitCode(QStringLiteral("PCS(kg)")), 4);
}

void TestPluRecord::recomdaysOff()
{
    TestEnvironment env;
    PluTableModel model;
    model.setCell(3, C::Recomdays, QStringLiteral("14"));
    QCOMPARE(model.rowToPlu(3).Recomdays, 0);
}

void TestPluRecord::recordRoundTripsThroughRow()
{
    TestEnvironment env;
    TPLU in;
    in.setPluNameBytes("Bananas");
    in.LFCode = 4011;
    in.setCodeBytes("2200401");
    in.BarCode = 7;
    in.UnitPrice = 199;
    in.WeightUnit = 4;
    in.Deptment = 3;
    in.Tare = 0.015;
    in.ShlefTime = 5;
    in.PackageType = 1;
    in.PackageWeight = 1.25;
    in.Tolerance = 10;
    in.Message1 = 12;
    in.Message2 = 200;
    in.QtyUnit = 9;
    in.LabelId = 3;
    in.Rebate = 131;
    in.Account = 123456;
    in.HotKey = 17;
    in.ProDate = QStringLiteral("2026-12-01");
    in.TraceID = 77;
    in.Nutrition = 1;
    in.Ice = 2.5;
    in.PackPrice = 3.25;
    in.NgTolerance = 4;
    PluTableModel model;
    model.pluToRow(in, 5);
    QCOMPARE(model.cell(5, C::LFCode).type(), QVariant::Int);
    const TPLU out = model.rowToPlu(5);
    QCOMPARE(out.pluNameBytes(), in.pluNameBytes());
    QCOMPARE(out.codeBytes(), in.codeBytes());
    QCOMPARE(out.LFCode, in.LFCode);
    QCOMPARE(out.UnitPrice, in.UnitPrice);
    QCOMPARE(out.Tare, in.Tare);
    QCOMPARE(out.PackageType, in.PackageType);
    QCOMPARE(out.PackageWeight, in.PackageWeight);
    QCOMPARE(int(out.Message2), int(in.Message2));
    QCOMPARE(int(out.Rebate), int(in.Rebate));
    QCOMPARE(out.Account, in.Account); // the amount is never rescaled on its way through
    QCOMPARE(out.HotKey, in.HotKey);
    QCOMPARE(out.ProDate, in.ProDate);
    QCOMPARE(out.Ice, in.Ice);
    QCOMPARE(out.PackPrice, in.PackPrice);
    QCOMPARE(out.NgTolerance, in.NgTolerance);
    QCOMPARE(out.IsLock, false);
}

void TestPluRecord::newRowTexts()
{
    TestEnvironment env;
    PluTableModel model;
    QCOMPARE(model.rowCount(), 20000);
    QCOMPARE(model.columnCount(), 26);
    for (int c = 0; c < C::Count; ++c) {
        const QString expected = c == C::PluName || c == C::Code ? QString()
                                 : c == C::WeightUnit            ? QStringLiteral("kg")
                                 : c == C::PackageType           ? QStringLiteral("Normal")
                                                                 : QStringLiteral("0");
        QCOMPARE(model.text(19999, c), expected);
        QCOMPARE(bool(model.flags(model.index(0, c)) & Qt::ItemIsEditable), !C::isChosen(c));
    }
}

void TestPluRecord::usedRowCount()
{
    TestEnvironment env;
    PluTableModel model;
    QCOMPARE(model.usedRowCount(), 0);
    model.setCell(2, C::PluName, QStringLiteral("x"));
    model.setCell(7, C::UnitPrice, QStringLiteral("3")); // an unnamed row below counts for nothing
    QCOMPARE(model.usedRowCount(), 3);
    model.setCell(19999, C::PluName, QStringLiteral("last"));
    QCOMPARE(model.usedRowCount(), 20000);
}

QTEST_GUILESS_MAIN(TestPluRecord)
#include "TestPluRecord.moc"
