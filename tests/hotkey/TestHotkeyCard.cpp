#include "TestSupport.h"

#include "hotkey/HotkeyCard.h"
#include "hotkey/HotkeySheet.h"
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

QTEST_MAIN(TestHotkeyCard)
#include "TestHotkeyCard.moc"
