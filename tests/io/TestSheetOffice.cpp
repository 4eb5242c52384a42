#include "IoTestSupport.h"
#include "TestSupport.h"

#include "io/SheetExport.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
// RFC 4180 fields of one CSV line (quoted fields may hold separators and doubled quotes).
QStringList csvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field += line.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields << field;
}
} // namespace

// A full grid exported as a workbook opens in LibreOffice Calc with the grid's values. One
// conversion, some seconds: labelled "office".
class TestSheetOffice : public QObject
{
    Q_OBJECT
private slots:
    void fullGridOpensInCalc();
};

void TestSheetOffice::fullGridOpensInCalc()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed; tools/deps.sh installs it");
    TestEnvironment env;
    PluTableModel model;
    const int rows = PluColumns::RowCount;
    iotest::fillVaried(model, rows);
    const QVector<int> columns = SheetExport::shownColumns();
    QString error;
    QVERIFY2(SheetExport::write(env.path(QStringLiteral("grid.xlsx")), model, rows, columns, &error),
             qPrintable(error));

    QProcess office;
    office.setWorkingDirectory(env.path(QString()));
    office.start(soffice,
                 {QStringLiteral("--headless"),
                  QStringLiteral("-env:UserInstallation=file://") + env.path(QStringLiteral("profile")),
                  QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                  QStringLiteral("--outdir"), env.path(QStringLiteral("out")), env.path(QStringLiteral("grid.xlsx"))});
    QVERIFY(office.waitForFinished(240000));
    const QStringList lines = QString::fromUtf8(TestEnvironment::readFile(env.path(QStringLiteral("out/grid.csv"))))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), rows + 1);
    QStringList captions;
    for (int c : columns)
        captions << PluColumns::caption(c);
    QCOMPARE(csvFields(lines.first()), captions);
    for (int r = 0; r < rows; ++r) {
        QStringList expected;
        for (int c : columns)
            expected << SheetExport::field(model, r, c);
        QCOMPARE(csvFields(lines.at(r + 1).trimmed()), expected);
    }
}

QTEST_GUILESS_MAIN(TestSheetOffice)
#include "TestSheetOffice.moc"
