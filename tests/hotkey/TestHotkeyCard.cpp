#include "TestSupport.h"

#include "hotkey/HotkeyCellPainter.h"
#include <QFontMetricsF>
#include <QPainter>

#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "hotkey/HotkeyCard.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/HotkeySheetTypes.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {
constexpr double kMmPerPoint = 25.4 / 72;

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Left and top of every word pdftotext finds, by word, in points.
QHash<QString, QPointF> wordPositions(const QString &pdf)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QHash<QString, QPointF> words;
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.insert(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return words;
}

QString keyName(int key)
{
    return QStringLiteral("K%1").arg(key, 3, 10, QLatin1Char('0'));
}
} // namespace

class TestHotkeyCard : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    void pdfOf112Keys_data();
    void pdfOf112Keys();
    void cardMustFitThePage();
    void namesFitTheirKeys_data();
    void namesFitTheirKeys();
    void commandLine_data();
    void commandLine();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestHotkeyCard::pdfOf112Keys_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<bool>("printer");
    QTest::newRow("PDF writer at 300 dpi") << 300 << false;
    QTest::newRow("printer at 600 dpi") << 600 << true;
}

// The card's text stays searchable text, its pictures keep their pixels, and its keys keep
// their pitch in millimetres whatever the resolution.
void TestHotkeyCard::pdfOf112Keys()
{
    QFETCH(int, resolution);
    QFETCH(bool, printer);
    HotkeySheet sheet;
    TPLUList plus;
    for (int k = 1; k <= 112; ++k) {
        TPLU p;
        p.setPluNameBytes(keyName(k).toLatin1());
        p.LFCode = k;
        p.HotKey = k;
        plus << p;
    }
    sheet.fill(0, plus, {});
    ItemData chinese = sheet.item(111);
    chinese.name1 = QStringLiteral("苹果");
    sheet.setItem(111, chinese);
    QImage photo(300, 200, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    sheet.setPicture({110}, photo);

    const QString path = m_env->path(QStringLiteral("card.pdf"));
    QString error;
    if (printer) {
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(path);
        device.setResolution(resolution);
        device.setPageSize(QPageSize(QPageSize::A4));
        device.setPageOrientation(QPageLayout::Landscape);
        QVERIFY2(HotkeyCard::paint(&device, sheet.keys(), 0, &error), qPrintable(error));
    } else {
        QVERIFY2(HotkeyCard::writePdf(path, sheet.keys(), 0, QPageLayout::Landscape, &error, resolution),
                 qPrintable(error));
    }

    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12][.0-9]* x 595[.0-9]* pts \\(A4\\)"))),
             qPrintable(info));
    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    QVERIFY2(images.contains(QRegularExpression(QStringLiteral("\\n\\s*1\\s+0\\s+image\\s+300\\s+200 "))),
             qPrintable(images));

    const QHash<QString, QPointF> words = wordPositions(path);
    for (int k = 1; k <= 110; ++k)
        QVERIFY2(words.contains(keyName(k)), qPrintable(keyName(k)));
    QVERIFY(words.contains(QStringLiteral("苹果")));
    const HotkeySheetGeometry &g = HotkeySheetTypes::geometry(0);
    // Key 2 is right of key 1, key 15 starts the second row.
    const double pitchX = (words.value(keyName(2)).x() - words.value(keyName(1)).x()) * kMmPerPoint;
    const double pitchY = (words.value(keyName(15)).y() - words.value(keyName(1)).y()) * kMmPerPoint;
    QVERIFY2(qAbs(pitchX - g.pitchMmX) < 0.2, qPrintable(QString::number(pitchX)));
    QVERIFY2(qAbs(pitchY - g.pitchMmY) < 0.2, qPrintable(QString::number(pitchY)));
    const double across = (words.value(keyName(14)).x() - words.value(keyName(1)).x()) * kMmPerPoint;
    QVERIFY2(qAbs(across - 13 * g.pitchMmX) < 0.2, qPrintable(QString::number(across)));
}

void TestHotkeyCard::cardMustFitThePage()
{
    HotkeySheet sheet;
    sheet.newSheet(0);
    QString error;
    QVERIFY(HotkeyCard::pdf(sheet.keys(), 0, QPageLayout::Portrait, 300, &error).isEmpty());
    QVERIFY(error.contains(QStringLiteral("does not fit")));
    sheet.newSheet(4);
    QVERIFY(!HotkeyCard::pdf(sheet.keys(), 4, QPageLayout::Portrait, 300, &error).isEmpty());
}

void TestHotkeyCard::commandLine_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("words"); // on the card, or in the error
    QTest::newRow("PLU file, second layer")
        << "shop.txp" << QStringList{"--type", "4"} << 0 << QStringList{"Apples", "梨子"};
    QTest::newRow("sheet, portrait") << "card.Hotk" << QStringList{"--type", "1", "--portrait"} << 0
                                     << QStringList{"Plums"};
    QTest::newRow("type 0 does not fit portrait")
        << "shop.txp" << QStringList{"--type", "0", "--portrait"} << 1 << QStringList{"does not fit"};
    QTest::newRow("damaged sheet") << "damaged.Hotk" << QStringList{"--type", "1"} << 1 << QStringList{"damaged"};
    QTest::newRow("type 5") << "shop.txp" << QStringList{"--type", "5"} << 2 << QStringList{"--type"};
}

// The card without a window, from a PLU file laid out by its hotkeys or from a sheet.
void TestHotkeyCard::commandLine()
{
    QFETCH(QString, source);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, words);
    PluDocument doc;
    TPLU apples, pears;
    apples.setPluNameBytes("Apples");
    apples.HotKey = 1;
    pears.setPluNameBytes(QStringLiteral("梨子").toUtf8());
    pears.HotKey = 41; // key 1, second layer of a 40-key sheet
    doc.model()->pluToRow(apples, 0);
    doc.model()->pluToRow(pears, 1);
    const QString shop = m_env->path(QStringLiteral("shop.txp"));
    QString error;
    QVERIFY2(PluFileSet::save(&doc, shop, PluFileSet::sidePathsForSaveAs(shop), &error), qPrintable(error));
    HotkeySheet sheet;
    sheet.newSheet(1);
    ItemData plums = sheet.item(3);
    plums.name1 = QStringLiteral("Plums");
    sheet.setItem(3, plums);
    QVERIFY(HotkeySheetFile::write(m_env->path(QStringLiteral("card.Hotk")), sheet.keys(), &error));
    QVERIFY(TestEnvironment::writeFile(m_env->path(QStringLiteral("damaged.Hotk")), QByteArray("\0\0\0\x07"
                                                                                               "abc",
                                                                                               7)));

    if (!QFile::exists(m_env->settingsPath()))
        QVERIFY(TestEnvironment::writeFile(m_env->settingsPath(), "[PLU]\r\n"));
    const QString pdf = m_env->path(QStringLiteral("out.pdf"));
    QProcess cli;
    cli.start(QStringLiteral(PLU_BIN_DIR "/plu-cli"), QStringList{QStringLiteral("hotkey-sheet"), m_env->path(source)}
                                                          << options << QStringLiteral("-o") << pdf
                                                          << QStringLiteral("--config") << m_env->settingsPath());
    QVERIFY(cli.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), exitCode);
    const QString text = exitCode == 0 ? run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}) : err;
    for (const QString &word : words)
        QVERIFY2(text.contains(word), qPrintable(text));
    QCOMPARE(QFile::exists(pdf), exitCode == 0);
}

void TestHotkeyCard::namesFitTheirKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<bool>("smaller");
    QTest::newRow("a short name keeps its type") << "Tea" << QSize(60, 30) << false;
    QTest::newRow("two words in a low line") << "Apple 14" << QSize(45, 10) << true;
    QTest::newRow("a long name wraps") << "Smoked ham with herbs" << QSize(50, 40) << true;
}

void TestHotkeyCard::namesFitTheirKeys()
{
    QFETCH(QString, name);
    QFETCH(QSize, room);
    QFETCH(bool, smaller);
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QFont font;
    font.setPointSizeF(9);
    const QRect rect(QPoint(10, 10), room);
    const HotkeyCellPainter::Fit fit = HotkeyCellPainter::fitText(font, rect, name, &painter);
    // Every character is drawn, within the key.
    QCOMPARE(fit.text, name);
    const QRectF used = QFontMetricsF(fit.font, &image).boundingRect(QRectF(QPointF(), room), fit.flags, fit.text);
    QVERIFY2(used.width() <= room.width() && used.height() <= room.height(), qPrintable(name));
    const QFont base = HotkeyCellPainter::fontFor(font, &painter);
    QCOMPARE(fit.font.pointSizeF() < base.pointSizeF(), smaller);
}

QTEST_MAIN(TestHotkeyCard)
#include "TestHotkeyCard.moc"
