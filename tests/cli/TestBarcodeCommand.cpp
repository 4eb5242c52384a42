#include "TestSupport.h"

#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QProcess>
#include <QStandardPaths>

using C = PluColumns;

namespace {
QString run(const QString &program, const QStringList &args, int *exitCode)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
    }
    *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}
} // namespace

// plu-cli barcode: the digits of a row's barcode on stdout, the drawn barcode in a PNG image.
class TestBarcodeCommand : public QObject
{
    Q_OBJECT
private slots:
    void barcode_data();
    void barcode();
};

void TestBarcodeCommand::barcode_data()
{
    QTest::addColumn<QStringList>("args"); // after "barcode FILE"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("digits");
    QTest::newRow("row 2 at 456 g, drawn")
        << QStringList{"--row", "2", "--weight", "0.456", "-o", "out.png"} << 0 << "2312345005700";
    QTest::newRow("default weight, digits only") << QStringList{"--row", "2"} << 0 << "2312345012500";
    QTest::newRow("a price the layout cannot hold: no digits, no image")
        << QStringList{"--row", "2", "--weight", "99", "-o", "out.png"} << 1 << "";
    QTest::newRow("GS1-128 with its identifier; a schedule has no discount digits")
        << QStringList{"--row", "4", "-o", "out.png"} << 0 << "90212341234560100000";
    QTest::newRow("the highest discount does not fit two digits") << QStringList{"--row", "3"} << 1 << "";
    QTest::newRow("a row without a PLU") << QStringList{"--row", "5"} << 1 << "";
    QTest::newRow("a type the scale decides") << QStringList{"--row", "1"} << 1 << "";
    QTest::newRow("no row") << QStringList{"--weight", "1"} << 2 << "";
    QTest::newRow("row past the grid") << QStringList{"--row", "20001"} << 2 << "";
    QTest::newRow("image not PNG") << QStringList{"--row", "2", "-o", "out.jpg"} << 2 << "";
}

void TestBarcodeCommand::barcode()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, digits);
    TestEnvironment env({{QStringLiteral("Setting/CodePage"), QString()}}); // writes the settings file
    PluDocument doc;
    PluTableModel *model = doc.model();
    model->setCell(0, C::PluName, QStringLiteral("Loose tea"));
    model->setCell(0, C::BarCode, QStringLiteral("20"));
    model->setCell(1, C::PluName, QStringLiteral("Cheese"));
    model->setCell(1, C::Department, QStringLiteral("3"));
    model->setCell(1, C::Code, qlonglong(12345));
    model->setCell(1, C::UnitPrice, QStringLiteral("12.50"));
    model->setCell(1, C::BarCode, QStringLiteral("2"));
    // Type 36: GS1-128, flag 2, code(4), LF code(6), weight XX.XXX(5), discount(2).
    for (int row : {2, 3}) {
        model->setCell(row, C::PluName, QStringLiteral("Ham"));
        model->setCell(row, C::Code, qlonglong(1234));
        model->setCell(row, C::LFCode, 123456);
        model->setCell(row, C::BarCode, QStringLiteral("36"));
        model->setCell(row, C::Rebate, row == 2 ? QStringLiteral("127") : QStringLiteral("129"));
    }
    const QString file = env.path(QStringLiteral("shop.Txp"));
    QString error;
    QVERIFY2(PluFileSet::save(&doc, file, PluFileSet::sidePathsForSaveAs(file), &error), qPrintable(error));
    for (QString &a : args) {
        if (a.startsWith(QLatin1String("out.")))
            a = env.path(a);
    }

    int code = -1;
    const QString out =
        run(QStringLiteral(PLU_BIN_DIR "/plu-cli"),
            QStringList{QStringLiteral("barcode"), file, QStringLiteral("--config"), env.settingsPath()} + args, &code);
    QCOMPARE(code, exitCode);
    QCOMPARE(out.trimmed(), digits);
    const int o = args.indexOf(QStringLiteral("-o"));
    if (exitCode != 0 || o < 0) {
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("out.png"))));
        return;
    }
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    QVERIFY2(!zbarimg.isEmpty(), "zbarimg (zbar-tools) is installed by tools/deps.sh");
    const QString decoded = run(zbarimg, {QStringLiteral("-q"), args.at(o + 1)}, &code);
    // zbar shows GS1-128 with the identifier's FNC1 as a leading group separator.
    QCOMPARE(decoded.trimmed().remove(QChar(0x1d)),
             (digits.startsWith(QLatin1String("90")) ? QStringLiteral("CODE-128:") : QStringLiteral("EAN-13:")) +
                 digits);
}

QTEST_GUILESS_MAIN(TestBarcodeCommand)
#include "TestBarcodeCommand.moc"
