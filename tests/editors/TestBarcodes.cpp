#include "TestSupport.h"

#include "core/PriceFormat.h"
#include "editors/BarcodeLayout.h"
#include "editors/BarcodePainter.h"
#include "editors/BarcodeTypeTable.h"

#include <QProcess>
#include <QStandardPaths>

using Symbol = BarcodeLayout::Symbol;
Q_DECLARE_METATYPE(BarcodeSample)

namespace {
// Department 3, LF code 678, 15 % discount; the digits below were worked out by hand.
BarcodeSample sample(const QString &code, const QString &unit, const QString &unitPrice, double kg)
{
    BarcodeSample s;
    s.department = 3;
    s.code = code;
    s.lfCode = 678;
    s.unitPrice = PriceFormat::toScaled(unitPrice, 2);
    s.unitCode = ::unitCode(unit);
    s.rebate = 15;
    s.weightKg = kg;
    return s;
}

QString partsText(const BarcodeLayout::Composed &c)
{
    QStringList parts;
    for (const BarcodeLayout::Part &p : c.parts)
        parts << p.digits;
    return parts.join(QLatin1Char('|'));
}
} // namespace

class TestBarcodes : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    void everyRowFillsItsSymbol();
    void digits_data();
    void digits();
    void problems_data();
    void problems();
    void renderedImageDecodes_data();
    void renderedImageDecodes();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestBarcodes::everyRowFillsItsSymbol()
{
    QList<int> unknown;
    for (int type = 0; type <= BarcodeTypeTable::MaxType; ++type) {
        const BarcodeLayout layout(type);
        if (!layout.isKnown()) {
            unknown << type;
            continue;
        }
        const int wanted = layout.symbol() == Symbol::Ean13 ? 13 : layout.symbol() == Symbol::Ean8 ? 8 : 0;
        if (wanted)
            QVERIFY2(layout.length() == wanted, qPrintable(QString::number(type)));
        else
            QVERIFY2(layout.length() >= 13 && layout.length() <= 30, qPrintable(QString::number(type)));
    }
    QCOMPARE(unknown, QList<int>({20, 58, 76, 86, 89, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));
}

void TestBarcodes::digits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<BarcodeSample>("in");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("parts");
    QTest::addColumn<QString>("rule");
    const BarcodeSample kg = sample("12345", "kg", "12.50", 0.456);
    QTest::newRow("EAN-13 price") << 2 << kg << "2312345005700"
                                  << "2|3|12345|00570|0"
                                  << "EAN-13: 2 + dept(1) + code(5) + price(5, 2 decimals) + check";
    QTest::newRow("EAN-13 weight") << 7 << kg << "2312345004567"
                                   << "2|3|12345|00456|7"
                                   << "EAN-13: 2 + dept(1) + code(5) + weight(5, 3 decimals, kg) + check";
    // A row priced per gram prints the same weight digits as one priced per kilogram.
    QTest::newRow("EAN-13 weight, priced per g") << 7 << sample("12345", "g", "1", 0.456) << "2312345004567"
                                                 << "2|3|12345|00456|7"
                                                 << "EAN-13: 2 + dept(1) + code(5) + weight(5, 3 decimals, kg) + check";
    QTest::newRow("EAN-13 prefix, priced per 100 g") << 12 << sample("12345", "100g", "2.35", 0.456) << "2212345010721"
                                                     << "22|12345|01072|1"
                                                     << "EAN-13: 22 + code(5) + price(5, 2 decimals) + check";
    QTest::newRow("EAN-13 weight in oz") << 8 << sample("12345", "oz", "1", 0.456) << "2312345001610"
                                         << "2|3|12345|00161|0"
                                         << "EAN-13: 2 + dept(1) + code(5) + weight(5, 1 decimal, oz) + check";
    QTest::newRow("EAN-13 one piece") << 2 << sample("12345", "PCS(kg)", "12.50", 0.456) << "2312345012500"
                                      << "2|3|12345|01250|0"
                                      << "EAN-13: 2 + dept(1) + code(5) + price(5, 2 decimals) + check";
    BarcodeSample department0 = kg;
    department0.department = 0;
    QTest::newRow("EAN-8, department 0") << 52 << department0 << "20123451"
                                         << "2|0|12345|1"
                                         << "EAN-8: 2 + dept(1) + code(5) + check";
    QTest::newRow("GS1-128 price and weight")
        << 30 << kg << "201234500570004560"
        << "2|012345|00570|00456|0"
        << "GS1-128: (90) + 2 + code(6) + price(5, 2 decimals) + weight(5, 3 decimals, kg) + check";
    QTest::newRow("GS1-128 LF code and discount")
        << 66 << sample("2345", "kg", "12.50", 0.456) << "223450067800456158"
        << "2|2345|00678|00456|15|8"
        << "GS1-128: (90) + 2 + code(4) + LF code(5) + weight(5, 3 decimals, kg) + discount(2) + check";
}

void TestBarcodes::digits()
{
    QFETCH(int, type);
    QFETCH(BarcodeSample, in);
    QFETCH(QString, digits);
    QFETCH(QString, parts);
    QFETCH(QString, rule);
    const BarcodeLayout layout(type);
    const BarcodeLayout::Composed c = layout.compose(in);
    QCOMPARE(c.digits, digits);
    QCOMPARE(partsText(c), parts);
    QVERIFY2(c.problems.isEmpty(), qPrintable(c.problems.join(QLatin1Char('\n'))));
    QVERIFY(c.drawable);
    QCOMPARE(layout.tillRule(in.unitCode), rule);
}

void TestBarcodes::problems_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("department");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("drawable");
    QTest::addColumn<QString>("problem");
    // A value cut to its field would make the barcode say something else: not drawn.
    QTest::newRow("code too long keeps its last digits, not drawn")
        << 2 << "1234567" << 3 << "2334567005702" << false << "Code 1234567";
    QTest::newRow("department needs two digits, not drawn")
        << 52 << "12345" << 12 << "22123459" << false << "Department 12";
    QTest::newRow("EAN-8 code carrying its check digit") << 53 << "12345670" << 3 << "12345670" << true << "";
    QTest::newRow("EAN-8 code with a wrong last digit")
        << 53 << "12345678" << 3 << "12345678" << false << "not the check digit 0";
    QTest::newRow("a type the table leaves open") << 20 << "12345" << 3 << "" << false << "";
    QTest::newRow("a type without a row") << 105 << "12345" << 3 << "" << false << "";
}

void TestBarcodes::problems()
{
    QFETCH(int, type);
    QFETCH(QString, code);
    QFETCH(int, department);
    QFETCH(QString, digits);
    QFETCH(bool, drawable);
    QFETCH(QString, problem);
    BarcodeSample in = sample(code, "kg", "12.50", 0.456);
    in.department = department;
    const BarcodeLayout::Composed c = BarcodeLayout(type).compose(in);
    QCOMPARE(c.digits, digits);
    QCOMPARE(c.drawable, drawable);
    if (problem.isEmpty())
        QVERIFY(c.problems.isEmpty());
    else
        QVERIFY2(c.problems.join(QLatin1Char('\n')).contains(problem), qPrintable(c.problems.join(QLatin1Char('\n'))));
    QString error;
    QCOMPARE(BarcodePainter::render(c, QSize(300, 160), &error).isNull(), false);
    QCOMPARE(error.isEmpty(), drawable);
}

void TestBarcodes::renderedImageDecodes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("EAN-13 price") << 2 << QSize(420, 220) << "EAN-13:2312345005700";
    QTest::newRow("EAN-13 weight") << 7 << QSize(260, 160) << "EAN-13:2312345004567";
    QTest::newRow("EAN-8") << 52 << QSize(300, 180) << "EAN-8:23123458";
    QTest::newRow("GS1-128") << 30 << QSize(640, 200) << "CODE-128:90201234500570004560";
}

void TestBarcodes::renderedImageDecodes()
{
    QFETCH(int, type);
    QFETCH(QSize, size);
    QFETCH(QString, decoded);
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    QVERIFY2(!zbarimg.isEmpty(), "zbarimg (zbar-tools) is installed by tools/deps.sh");
    const BarcodeLayout::Composed c = BarcodeLayout(type).compose(sample("12345", "kg", "12.50", 0.456));
    const QString png = m_env->path(QStringLiteral("code.png"));
    QVERIFY(BarcodePainter::render(c, size).save(png));
    QProcess zbar;
    zbar.start(zbarimg, {QStringLiteral("-q"), png});
    QVERIFY(zbar.waitForFinished(30000));
    QCOMPARE(QString::fromLatin1(zbar.readAllStandardOutput()).trimmed(), decoded);
}

QTEST_MAIN(TestBarcodes)
#include "TestBarcodes.moc"
