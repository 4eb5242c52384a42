// Hotkey cards and sheets: every sheet type rendered to PDF, and a 112-key sheet with pictures
// saved and opened. Targets: each PDF under 0.3 s, open and save under 0.1 s.
#include "core/AppPaths.h"
#include "core/ZQConfig.h"
#include "hotkey/HotkeyCard.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/HotkeySheetTypes.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Every key named (Latin and Chinese), both layers with prices on every other key.
void fill(HotkeySheet &sheet, int type)
{
    const int n = HotkeySheetTypes::geometry(type).keys;
    TPLUList plus;
    for (int h = 1; h <= 2 * n; ++h) {
        TPLU p;
        p.setPluNameBytes((h % 3 ? QStringLiteral("Article %1").arg(h) : QStringLiteral("苹果 %1").arg(h)).toUtf8());
        p.LFCode = 1000 + h;
        p.HotKey = h;
        p.UnitPrice = 99 * h;
        plus << p;
    }
    sheet.fill(type, plus, {});
    for (int row = 0; row < n; row += 2)
        sheet.togglePrice({row});
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDataDirOverride(dir.path());
    ZQConfig config(AppPaths::settingsFile());
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 9;

    for (int type = 0; type < HotkeySheetTypes::Count; ++type) {
        HotkeySheet sheet;
        fill(sheet, type);
        const QVector<HotkeyKey> keys = sheet.keys();
        QVector<double> times;
        QByteArray pdf;
        for (int i = 0; i < runs; ++i) {
            QString error;
            QElapsedTimer t;
            t.start();
            pdf = HotkeyCard::pdf(keys, type, QPageLayout::Landscape, HotkeyCard::PdfResolution, &error);
            times << t.nsecsElapsed() / 1e6;
            if (pdf.isEmpty())
                return 1;
        }
        std::printf("type %d (%s, %d keys): PDF median %.1f ms (min %.1f), %d bytes\n", type,
                    HotkeySheetTypes::geometry(type).label, HotkeySheetTypes::geometry(type).keys, median(times),
                    *std::min_element(times.begin(), times.end()), int(pdf.size()));
    }

    HotkeySheet sheet;
    fill(sheet, 0);
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    QElapsedTimer t;
    t.start();
    for (int row = 0; row < sheet.keyCount(); row += 4) {
        picture.setPixel(row, 0, qRgb(row, 0, 0)); // a picture of its own for every key
        const QImage own = picture.copy();
        HotkeySheetFile::preparePicture(own); // as the editor's picture import does
        sheet.setPicture({row}, own);
    }
    const double import = t.nsecsElapsed() / 1e6;
    const QString path = dir.filePath(QStringLiteral("bench.Hotk"));
    QString error;
    t.restart();
    if (!HotkeySheetFile::write(path, sheet.keys(), &error))
        return 1;
    const double firstSave = t.nsecsElapsed() / 1e6;
    QVector<double> open, save;
    for (int i = 0; i < runs; ++i) {
        QVector<HotkeyKey> keys;
        t.restart();
        if (HotkeySheetFile::read(path, 112, &keys, &error) != HotkeySheetFile::Result::Ok)
            return 1;
        HotkeySheet opened;
        opened.newSheet(0);
        opened.setKeys(keys);
        open << t.nsecsElapsed() / 1e6;
        t.restart();
        if (!HotkeySheetFile::write(path, opened.keys(), &error))
            return 1;
        save << t.nsecsElapsed() / 1e6;
    }
    std::printf("112-key sheet with 28 pictures of 300 x 200 (%lld bytes): pictures imported in %.1f ms, first "
                "save %.1f ms; open median %.1f ms (min %.1f), save after open median %.1f ms (min %.1f)\n",
                QFileInfo(path).size(), import, firstSave, median(open), *std::min_element(open.begin(), open.end()),
                median(save), *std::min_element(save.begin(), save.end()));
    return 0;
}
