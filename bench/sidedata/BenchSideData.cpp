// Times the barcode picker's heavy paths on a full 20000-row list.
// Targets: "Bulk change weight Plu" and its undo under 0.3 s each; 1000 barcode previews under 1 s.
#include "core/PluColumns.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "editors/BarcodeLayout.h"
#include "editors/BarcodePainter.h"
#include "table/PluEditCommands.h"
#include "table/PluTableSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTableView>
#include <QTextStream>
#include <QUndoStack>
#include <functional>

namespace {
int g_failures = 0;

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void report(const QString &what, double ms, double targetMs)
{
    const bool ok = ms < targetMs;
    if (!ok)
        ++g_failures;
    QTextStream(stdout) << what.leftJustified(48) << QString::number(ms, 'f', 1).rightJustified(9) << " ms"
                        << QStringLiteral("  (target %1 ms)").arg(targetMs) << (ok ? "" : "  OVER") << Qt::endl;
}

// Every row named; three in four weighed.
void fillGrid(PluTableModel *model)
{
    PluTableModel::BulkUpdate bulk(model);
    for (int r = 0; r < PluColumns::RowCount; ++r) {
        model->setCell(r, PluColumns::PluName, QStringLiteral("Article %1").arg(r));
        model->setCell(r, PluColumns::LFCode, r + 1);
        model->setCell(r, PluColumns::Code, qlonglong(10000 + r));
        model->setCell(r, PluColumns::UnitPrice,
                       QStringLiteral("%1.%2").arg(r % 90 + 1).arg(r % 100, 2, 10, QLatin1Char('0')));
        model->setCell(r, PluColumns::WeightUnit, r % 4 == 3 ? QStringLiteral("PCS(kg)") : QStringLiteral("kg"));
    }
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PluDocument document;
    QTableView view;
    PluTableSetup::apply(&view, document.model());
    view.resize(1000, 700);
    view.show();
    PluEditCommands edit(&document, &view, &view);
    QUndoStack *undo = edit.undoStack();
    PluTableModel *model = document.model();
    fillGrid(model);

    report(QStringLiteral("Barcode type to all weighed PLUs (20000 rows)"),
           timeMs([&] { edit.updateBarcodeType(1, QStringLiteral("7")); }), 300);
    auto typed = [model] {
        int n = 0;
        for (int r = 0; r < PluColumns::RowCount; ++r)
            n += model->text(r, PluColumns::BarCode) == QLatin1String("7") ? 1 : 0;
        return n;
    };
    const int changed = typed();
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }), 300);
    const int left = typed();
    report(QStringLiteral("  redo"), timeMs([&] { undo->redo(); }), 300);
    QTextStream(stdout) << changed << " rows took the type, " << left << " kept it after undo" << Qt::endl;

    // The picker's preview: compose the row's digits and draw them, for 1000 rows and types.
    QImage image(420, 200, QImage::Format_RGB32);
    const QVector<int> types{2, 7, 30, 52, 66, 12, 95, 98};
    int drawn = 0;
    report(QStringLiteral("1000 barcode previews (420 x 200)"), timeMs([&] {
               for (int i = 0; i < 1000; ++i) {
                   const BarcodeLayout layout(types.at(i % types.size()));
                   const BarcodeLayout::Composed c = layout.compose(BarcodeSample::fromRow(*model, i * 17, 0.456));
                   QPainter painter(&image);
                   drawn += BarcodePainter::paint(&painter, QRectF(image.rect()), c) ? 1 : 0;
               }
           }),
           1000);
    QTextStream(stdout) << drawn << " of 1000 previews drew a symbol" << Qt::endl;
    QTextStream(stdout) << (g_failures == 0 ? "all under target" : "some over target") << Qt::endl;
    return g_failures == 0 ? 0 : 1;
}
