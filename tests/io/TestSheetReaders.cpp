#include "IoTestSupport.h"
#include "TestSupport.h"

#include "io/SheetReader.h"

#include <QDate>
#include <QRegularExpression>
#include <quazip.h>
#include <quazipfile.h>

namespace {
QString data(const char *name)
{
    return QStringLiteral(PLU_TEST_DATA_DIR "/io/") + QLatin1String(name);
}

bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &members)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const auto &m : members) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(m.first)) || file.write(m.second) != m.second.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QByteArray sheetXml(const QByteArray &rows)
{
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" + rows +
           "</sheetData></worksheet>";
}

// A minimal workbook around one sheet (and, when given, shared texts).
QList<QPair<QString, QByteArray>> xlsxParts(const QByteArray &sheet, const QByteArray &shared = QByteArray())
{
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    QByteArray rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"r1\" Type=\"" +
                      rel + "worksheet\" Target=\"s.xml\"/>";
    if (!shared.isEmpty())
        rels += "<Relationship Id=\"r2\" Type=\"" + rel + "sharedStrings\" Target=\"t.xml\"/>";
    rels += "</Relationships>";
    QList<QPair<QString, QByteArray>> parts{
        {QStringLiteral("[Content_Types].xml"), "<Types/>"},
        {QStringLiteral("xl/workbook.xml"),
         "<workbook xmlns:r=\"" + rel.chopped(1) + "\"><sheets><sheet name=\"a\" r:id=\"r1\"/></sheets></workbook>"},
        {QStringLiteral("xl/_rels/workbook.xml.rels"), rels},
        {QStringLiteral("xl/s.xml"), sheet}};
    if (!shared.isEmpty())
        parts.append({QStringLiteral("xl/t.xml"), shared});
    return parts;
}

QList<QPair<QString, QByteArray>> odsParts(const QByteArray &rows)
{
    return {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
            {QStringLiteral("content.xml"),
             "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
             "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
             "<table:table>" +
                 rows + "</table:table></office:spreadsheet></office:body></office:document-content>"}};
}
} // namespace

class TestSheetReaders : public QObject
{
    Q_OBJECT
private slots:
    void readsFirstSheet_data();
    void readsFirstSheet();
    void refusesWithReason_data();
    void refusesWithReason();
    void progressCanCancel();
};

void TestSheetReaders::readsFirstSheet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    const QString sample = QStringLiteral("s:Name||n:12.5|n:25|d:2024-03-01|n:1|n:7|n:7|n:7\n"
                                          "s:Äpfel 苹果||n:-0.005|s:xÄpfel 苹果|s:007||||\n"
                                          "||||||||\n"
                                          "s:same||n:3||||||\n"
                                          "s:same||n:3||||||");
    QTest::newRow("xlsx") << data("sample.xlsx") << sample;
    QTest::newRow("ods") << data("sample.ods") << sample;
    // Calc stores no text results of formulas in .xls files, only 0.
    QTest::newRow("xls") << data("sample.xls")
                         << QString(sample).replace(QStringLiteral("s:xÄpfel 苹果"), QStringLiteral("n:0"));
    // Dates of the 1904 system; number formats with colours, quoted text and elapsed time.
    QTest::newRow("xlsx inline strings, number formats") << data("inline-strings.xlsx")
                                                         << QStringLiteral("s:Inline rich|b:1|s:#DIV/0!\n"
                                                                           "s: 007 ||d:2024-03-01\n"
                                                                           "n:45352|n:45352|d:2028-03-02\n"
                                                                           "t:1904-01-02 12:00:00|d:1904-01-01|");
    // SheetJS keeps a small workbook in the container's mini stream, under a root of its own name.
    QTest::newRow("small xls in the mini stream")
        << data("prices-small.xls")
        << QStringLiteral(
               "s:Hotkey|s:PLU name|s:LF Code|s:Code|s:Barcode type|s:Unit Price|s:Weight unit|"
               "s:Quantity type|s:Department|s:Tare|s:Shelf time|s:Package type|s:Package Weight|"
               "s:Tolerance (%)|s:Message 1|s:Message 2|s:Label|s:Discount/Schedule|s:Nutrition\n"
               "n:0|s:Apples (new name)|n:101|n:0|n:0|n:3.99|n:4|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|"
               "n:0\n"
               "n:0|s:Pears|n:102|n:0|n:0|n:2.99|n:4|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0\n"
               "n:0|s:Quinces|n:999|n:0|n:0|n:1.25|n:4|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0|n:0");
    QTest::newRow("own tab-separated export")
        << data("export.xls")
        << QStringLiteral("s:Hotkey|s:PLU name|s:LF Code|s:Code|s:Barcode type|s:Unit Price|s:Weight unit|"
                          "s:Quantity type|s:Department|s:Tare|s:Shelf time|s:Package type|s:Package Weight|"
                          "s:Tolerance (%)|s:Message 1|s:Message 2|s:Label|s:Discount/Schedule|s:Nutrition\n"
                          "s:1|s:Apples|s:101|s:1001|s:2|s:3.49|s:4|s:0|s:1|s:0.010|s:5|s:0|s:0.250|s:2|s:1|s:0|"
                          "s:1|s:0|s:0\n"
                          "s:checked by Anna\n"
                          "s:2|s:Pears|s:102|s:007|s:2|s:2.99|s:1|s:0|s:1|s:5|s:7|s:1|s:500|s:0|s:3|s:0|s:0|"
                          "s:129|s:1");
}

void TestSheetReaders::readsFirstSheet()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    TestEnvironment env;
    Sheet sheet;
    SheetError error;
    QVERIFY2(SheetReader::read(file, &sheet, &error), qPrintable(error.reason));
    QCOMPARE(iotest::dump(sheet), expected);
}

void TestSheetReaders::refusesWithReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::newRow("damaged workbook") << "damaged.xlsx" << int(SheetError::Damaged);
    QTest::newRow("xls that FreeXL misreads") << "freexl-overread.xls" << int(SheetError::Damaged);
    QTest::newRow("missing") << "missing.xlsx" << int(SheetError::CannotOpen);
    QTest::newRow("empty") << "empty.xls" << int(SheetError::NotASpreadsheet);
    QTest::newRow("picture") << "picture.xlsx" << int(SheetError::NotASpreadsheet);
    QTest::newRow("text without tabs") << "notes.xls" << int(SheetError::NotASpreadsheet);
    QTest::newRow("zip without workbook") << "archive.xlsx" << int(SheetError::NotASpreadsheet);
    QTest::newRow("encrypted package") << "locked.xlsx" << int(SheetError::PasswordProtected);
    QTest::newRow("row one million") << "tall.xlsx" << int(SheetError::TooLarge);
    QTest::newRow("unpacks beyond bound") << "bomb.xlsx" << int(SheetError::TooLarge);
    QTest::newRow("shared text missing") << "dangling.xlsx" << int(SheetError::Damaged);
    QTest::newRow("ods repeated past bound") << "repeated.ods" << int(SheetError::TooLarge);
    // Its sheet list lies in the part cut off.
    QTest::newRow("small xls cut short") << "cut.xls" << int(SheetError::NoWorksheet);
}

void TestSheetReaders::refusesWithReason()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    TestEnvironment env;
    QString path = env.path(name);
    QByteArray compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    compound += QByteArray(1024, '\0');
    for (const char c : QByteArray("EncryptedPackage"))
        compound.append(c).append('\0');
    if (name == QLatin1String("damaged.xlsx") || name == QLatin1String("freexl-overread.xls"))
        path = data(name.toLatin1().constData());
    else if (name == QLatin1String("cut.xls"))
        QVERIFY(TestEnvironment::writeFile(path, TestEnvironment::readFile(data("prices-small.xls")).left(2560)));
    else if (name == QLatin1String("empty.xls"))
        QVERIFY(TestEnvironment::writeFile(path, QByteArray()));
    else if (name == QLatin1String("picture.xlsx"))
        QVERIFY(TestEnvironment::writeFile(path, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    else if (name == QLatin1String("notes.xls"))
        QVERIFY(TestEnvironment::writeFile(path, "Shopping list\nmilk, bread\n"));
    else if (name == QLatin1String("archive.xlsx"))
        QVERIFY(writeZip(path, {{QStringLiteral("readme.txt"), "hello"}}));
    else if (name == QLatin1String("locked.xlsx"))
        QVERIFY(TestEnvironment::writeFile(path, compound));
    else if (name == QLatin1String("tall.xlsx"))
        QVERIFY(writeZip(path, xlsxParts(sheetXml("<row r=\"1000000\"><c r=\"A1000000\"><v>1</v></c></row>"))));
    else if (name == QLatin1String("bomb.xlsx"))
        QVERIFY(writeZip(path, xlsxParts(sheetXml("<row><c t=\"s\"><v>0</v></c></row>"),
                                         "<sst><si><t>" + QByteArray(65 << 20, 'a') + "</t></si></sst>")));
    else if (name == QLatin1String("dangling.xlsx"))
        QVERIFY(
            writeZip(path, xlsxParts(sheetXml("<row><c t=\"s\"><v>3</v></c></row>"), "<sst><si><t>a</t></si></sst>")));
    else if (name == QLatin1String("repeated.ods"))
        QVERIFY(writeZip(path, odsParts("<table:table-row table:number-rows-repeated=\"1000000\"><table:table-cell "
                                        "office:value-type=\"float\" office:value=\"1\"/></table:table-row>")));
    Sheet sheet;
    SheetError error;
    QVERIFY(!SheetReader::read(path, &sheet, &error));
    QCOMPARE(int(error.code), code);
    // Words for the operator, never a library's number.
    QVERIFY2(!error.reason.isEmpty() && !error.reason.contains(QRegularExpression(QStringLiteral("\\d\\)$"))),
             qPrintable(error.reason));
}

void TestSheetReaders::progressCanCancel()
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("long.xls"));
    QByteArray text;
    for (int i = 0; i < 10000; ++i)
        text += "1\tname\t" + QByteArray::number(i) + "\t\n";
    QVERIFY(TestEnvironment::writeFile(path, text));
    int calls = 0;
    Sheet sheet;
    SheetError error;
    QVERIFY(!SheetReader::read(path, &sheet, &error, [&calls](qint64, qint64) { return ++calls < 2; }));
    QCOMPARE(int(error.code), int(SheetError::Cancelled));
    QVERIFY(sheet.rows.isEmpty());
}

QTEST_GUILESS_MAIN(TestSheetReaders)
#include "TestSheetReaders.moc"
