// Spreadsheet import and export of a full 20000-row grid (median of 5 runs, or of the count given): export to .xlsx and
// to tab-separated .xls, import of a 20000-row .xlsx and .xls saved by LibreOffice Calc (made once with soffice and
// kept in bench/sheets-data of the build folder) with every cell checked, the price update of 20000 articles from a
// 20000-row sheet by LF code, and the peak memory of the whole run.
#include "IoTestSupport.h"

#include "core/AppPaths.h"
#include "core/PriceFormat.h"
#include "core/ZQConfig.h"
#include "document/PluTableModel.h"
#include "io/ImportCheck.h"
#include "io/SheetExport.h"
#include "io/SheetImport.h"
#include "io/SheetReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {
// This process's and its finished helpers' (the .xls reader) processor time.
double cpuMs()
{
    double ms = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        ms += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    return ms;
}

// Median wall time and median processor time of the runs, "W ms (cpu C ms)". The processor
// time is what the work costs on an idle machine (it runs on one thread); the wall time grows
// with whatever else the machine does.
QString timed(int runs, const std::function<bool()> &work)
{
    QVector<double> wall;
    QVector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const double c = cpuMs();
        if (!work())
            return QStringLiteral("failed");
        cpu << cpuMs() - c;
        wall << t.nsecsElapsed() / 1e6;
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return QStringLiteral("%1 ms (cpu %2 ms)").arg(wall.at(runs / 2), 0, 'f', 0).arg(cpu.at(runs / 2), 0, 'f', 0);
}

long peakMb(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss / 1024;
}

// LibreOffice's own save of a workbook, as .xls or .xlsx; made once and kept.
QString calcSaved(const QString &source, const QString &format, const QString &cacheDir)
{
    const QString out = cacheDir + QStringLiteral("/grid.") + format;
    if (QFileInfo::exists(out))
        return out;
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        return QString();
    QTemporaryDir work;
    QProcess office;
    office.start(soffice, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + work.path(),
                           QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), work.path(), source});
    office.waitForFinished(600000);
    const QString made = work.filePath(QStringLiteral("grid.") + format);
    QDir().mkpath(cacheDir);
    return QFile::copy(made, out) ? out : QString();
}

bool readRows(const QString &path, QVector<SheetImport::SourceRow> *rows)
{
    Sheet sheet;
    SheetError error;
    if (!SheetReader::read(path, &sheet, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error.reason));
        return false;
    }
    *rows = SheetImport::articleRows(sheet);
    return true;
}

// Read, every cell checked, placed in a grid.
bool import(const QString &path)
{
    QVector<SheetImport::SourceRow> rows;
    if (!readRows(path, &rows))
        return false;
    ImportCheck check;
    const TPLUList records =
        SheetImport::checked(rows, SheetImport::proposedFirstRow(rows), rows.size(), SheetImport::allChosen(), &check);
    for (int i = 0; i < check.problems().size() && i < 3; ++i)
        std::fprintf(stderr, "%s\n", qPrintable(check.problems().at(i).line()));
    return check.problems().isEmpty() && records.size() == PluColumns::RowCount &&
           SheetImport::place(records, 1).size() == PluColumns::RowCount;
}

// The daily job: the prices of every article from a sheet, matched by LF code.
bool updatePrices(const QString &path, const PluTableModel &model)
{
    QVector<SheetImport::SourceRow> rows;
    if (!readRows(path, &rows))
        return false;
    SheetImport::Flags flags{0};
    for (int k = 1; k <= SheetImport::PropertyCount; ++k)
        flags << (k == 5 ? 1 : 0);
    ImportCheck check;
    const SheetImport::Update update =
        SheetImport::update(model.rows(), PluColumns::RowCount, rows, 2, rows.size(), flags, false, &check);
    return check.problems().isEmpty() && update.updated == PluColumns::RowCount;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDataDirOverride(dir.path());
    ZQConfig config(AppPaths::settingsFile());
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const QString cache = QCoreApplication::applicationDirPath() + QStringLiteral("/sheets-data/unique-hotkeys");

    PluTableModel model;
    const int rows = PluColumns::RowCount;
    iotest::fillVaried(model, rows);
    // Hotkeys are unique in a grid the checks pass.
    for (int r = 224; r < rows; ++r)
        model.setCell(r, PluColumns::HotKey, QStringLiteral("0"));
    const QVector<int> columns = SheetExport::shownColumns();
    const QString xlsx = dir.filePath(QStringLiteral("grid.xlsx"));
    const QString xls = dir.filePath(QStringLiteral("grid.xls"));
    QString error;
    std::printf("export 20000 rows to .xlsx: %s\n",
                qPrintable(timed(runs, [&] { return SheetExport::write(xlsx, model, rows, columns, &error); })));
    std::printf("export 20000 rows to tab-separated .xls: %s\n",
                qPrintable(timed(runs, [&] { return SheetExport::write(xls, model, rows, columns, &error); })));

    for (const QString &format : {QStringLiteral("xlsx"), QStringLiteral("xls")}) {
        const QString saved = calcSaved(xlsx, format, cache);
        if (saved.isEmpty()) {
            std::printf("import .%s: no LibreOffice to make the file, skipped\n", qPrintable(format));
            continue;
        }
        std::printf("import 20000-row .%s saved by Calc (%lld KB), every cell checked: %s\n", qPrintable(format),
                    QFileInfo(saved).size() / 1024, qPrintable(timed(runs, [&] { return import(saved); })));
        QVector<SheetImport::SourceRow> read;
        std::printf("  of which reading the file: %s\n",
                    qPrintable(timed(runs, [&] { return readRows(saved, &read); })));
    }
    std::printf("import our own tab-separated .xls, every cell checked: %s\n",
                qPrintable(timed(runs, [&] { return import(xls); })));

    // New prices for every article, as the head office sends them.
    PluTableModel prices;
    for (int r = 0; r < rows; ++r) {
        prices.setRow(r, model.row(r));
        prices.setCell(r, PluColumns::UnitPrice,
                       PriceFormat::fromScaled(PriceFormat::toScaled(model.text(r, PluColumns::UnitPrice)) + 1));
    }
    const QString priceSheet = dir.filePath(QStringLiteral("prices.xlsx"));
    if (!SheetExport::write(priceSheet, prices, rows, columns, &error))
        std::printf("price sheet: %s\n", qPrintable(error));
    std::printf("update the prices of 20000 articles from a 20000-row .xlsx by LF code: %s\n",
                qPrintable(timed(runs, [&] { return updatePrices(priceSheet, model); })));
    std::printf("peak memory of the run: %ld MB; of the .xls reader process: %ld MB\n", peakMb(RUSAGE_SELF),
                peakMb(RUSAGE_CHILDREN));
    return 0;
}
