// The recovery copy of a full 20000-row list: what the operator's thread pays for it (coding the
// grid a slice of rows per turn of the event loop), what the copy's thread takes to write it
// (joining the lines, coding the side files and the all-or-nothing set write, flushed to the
// disk), and typing in the grid with and without copies being made behind it.
// Targets: the write well under 100 ms; no turn of the event loop noticeably longer with copies.
#include "bench/BenchDocument.h"
#include "core/AppPaths.h"
#include "core/AtomicFile.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "document/RecoveryCopy.h"
#include "document/RecoveryGrid.h"
#include "table/PluEditCommands.h"
#include "table/PluTableSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

namespace {
struct Figures
{
    double median = 0;
    double p99 = 0;
    double max = 0;
};

Figures figures(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[std::min<int>(v.size() - 1, v.size() * 99 / 100)], v.last()};
}

QString shown(const Figures &f, int decimals)
{
    return QStringLiteral("median %1 ms, p99 %2 ms, max %3 ms")
        .arg(f.median, 0, 'f', decimals)
        .arg(f.p99, 0, 'f', decimals)
        .arg(f.max, 0, 'f', decimals);
}

struct Typing
{
    QVector<double> keys;  // each keystroke through the grid's editor
    QVector<double> turns; // each turn of the event loop between keys: how long a key would wait
};

// Types `count` prices into the grid as the operator's editor does, one every `gapMs`
// milliseconds, the event loop running in between.
Typing type(PluDocument *doc, int count, int firstRow, int gapMs)
{
    Typing typing;
    QElapsedTimer t;
    QElapsedTimer gap;
    for (int i = 0; i < count; ++i) {
        t.start();
        const QModelIndex cell = doc->model()->index((firstRow + i * 37) % PluColumns::RowCount, PluColumns::UnitPrice);
        doc->model()->setData(cell, QString(QString::number(1 + i % 900) + QStringLiteral(".50")));
        typing.keys << t.nsecsElapsed() / 1e6;
        gap.start();
        while (gap.elapsed() < gapMs) {
            t.start();
            QCoreApplication::processEvents();
            typing.turns << t.nsecsElapsed() / 1e6;
        }
    }
    return typing;
}

void line(const QString &what, const QString &figure)
{
    QTextStream(stdout) << what.leftJustified(50) << figure << Qt::endl;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDataDirOverride(dir.path());
    ZQConfig config(AppPaths::settingsFile());
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 15;

    PluDocument doc;
    fillBenchDocument(&doc);
    doc.recomputeRowCount();
    QTableView view;
    PluTableSetup::apply(&view, doc.model());
    PluEditCommands edit(&doc, &view, &view);

    // The operator's thread: the whole grid once (the first copy), in slices.
    const PluTableModel::Row fresh = PluTableModel::newRow();
    QVector<double> whole, slices;
    QVector<QByteArray> lines(PluColumns::RowCount);
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer all;
        all.start();
        for (int first = 0; first < PluColumns::RowCount; first += RecoveryCopy::SliceRows) {
            t.start();
            for (int r = first; r < first + RecoveryCopy::SliceRows && r < PluColumns::RowCount; ++r)
                lines[r] = RecoveryGrid::encodeRow(doc.model()->row(r), fresh);
            slices << t.nsecsElapsed() / 1e6;
        }
        whole << all.nsecsElapsed() / 1e6;
    }
    line(QStringLiteral("Code 20000 rows, operator's thread (first copy)"), shown(figures(whole), 1));
    line(QStringLiteral("  one slice of %1 rows (a turn of the loop)").arg(RecoveryCopy::SliceRows),
         shown(figures(slices), 3));

    // The copy's thread.
    RecoveryCopy::Snapshot snapshot;
    snapshot.lines = lines;
    snapshot.rowCount = doc.rowCount();
    snapshot.messages = doc.messages();
    snapshot.schedules = doc.schedules();
    snapshot.advertising = doc.advertising();
    snapshot.file = QStringLiteral("/shop/list.txp");
    const QString folder = dir.filePath(QStringLiteral("copy"));
    QDir().mkpath(folder);
    QVector<double> code, write;
    for (int i = 0; i < runs; ++i) {
        t.start();
        const QVector<AtomicFile::Member> members = RecoveryCopy::code(folder, snapshot);
        code << t.nsecsElapsed() / 1e6;
        if (!AtomicFile::writeSet(members, nullptr))
            return 1;
        write << t.nsecsElapsed() / 1e6;
    }
    const Figures written = figures(write);
    line(QStringLiteral("Join and code the files, copy's thread"), shown(figures(code), 1));
    line(QStringLiteral("  and write them, 5 files flushed to disk"), shown(written, 1));

    // Typing, a key every 10 ms: first with no copy, then with a copy asked for after every
    // keystroke (the worst case; the editor waits for a pause of three seconds), so that a copy
    // is always being made while the next keys come.
    const int keys = 300;
    const int gapMs = 10;
    const Typing alone = type(&doc, keys, 0, gapMs);
    RecoveryCopy copy(&doc);
    copy.setDelay(0, 0);
    int copies = 0;
    QObject::connect(&copy, &RecoveryCopy::written, [&copies](bool ok) { copies += ok ? 1 : 0; });
    QObject::connect(doc.model(), &PluTableModel::dataChanged, &copy, &RecoveryCopy::schedule);
    const Typing behind = type(&doc, keys, 1, gapMs);
    copy.flush();
    copy.discard();
    copy.flush();
    line(QStringLiteral("Keystroke, no copy"), shown(figures(alone.keys), 3));
    line(QStringLiteral("  turn of the event loop"), shown(figures(alone.turns), 3));
    line(QStringLiteral("Keystroke, copies made behind it (%1 copies)").arg(copies), shown(figures(behind.keys), 3));
    line(QStringLiteral("  turn of the event loop"), shown(figures(behind.turns), 3));
    return written.median < 100.0 ? 0 : 1;
}
