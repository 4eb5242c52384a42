// Times the heavy grid commands on a full 20000-row list and the undo of each.
// Target: every figure under 0.5 s in a release build.
#include "core/PluColumns.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "table/PluColumnSetup.h"
#include "table/PluEditCommands.h"
#include "table/PluTableSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTextStream>
#include <QUndoStack>
#include <functional>

namespace {
constexpr double kTargetMs = 500.0;
int g_failures = 0;

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void report(const QString &what, double ms)
{
    const bool ok = ms < kTargetMs;
    if (!ok)
        ++g_failures;
    QTextStream(stdout) << what.leftJustified(40) << QString::number(ms, 'f', 1).rightJustified(9) << " ms"
                        << (ok ? "" : "  (over target)") << Qt::endl;
}

void fillGrid(PluTableModel *model)
{
    PluTableModel::BulkUpdate bulk(model);
    for (int r = 0; r < PluColumns::RowCount; ++r) {
        // Names in an order unrelated to the rows, so the sort has work to do.
        const int key = (r * 7919) % PluColumns::RowCount;
        model->setCell(r, PluColumns::PluName, QStringLiteral("Article %1").arg(key, 5, 10, QLatin1Char('0')));
        model->setCell(r, PluColumns::LFCode, key + 1);
        model->setCell(r, PluColumns::Code, qlonglong(1000000000LL + key));
    }
}

QString pasteText()
{
    QString text;
    text.reserve(PluColumns::RowCount * PluColumns::Count * 6);
    for (int r = 0; r < PluColumns::RowCount; ++r) {
        for (int c = 0; c < PluColumns::Count; ++c) {
            if (c > 0)
                text += QLatin1Char('\t');
            text += c == PluColumns::PluName ? QStringLiteral("Pasted %1").arg(r) : QString::number(r % 200);
        }
        text += QLatin1Char('\n');
    }
    return text;
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
    new PluColumnSetup(&view, &document); // fits the columns after each replacement, as the window does
    QUndoStack *undo = edit.undoStack();
    PluTableModel *model = document.model();
    fillGrid(model);

    report(QStringLiteral("Sort by Name (20000 rows)"), timeMs([&] { edit.sortBy(PluColumns::PluName); }));
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }));
    report(QStringLiteral("Sort by LF Code (20000 rows)"), timeMs([&] { edit.sortBy(PluColumns::LFCode); }));
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }));

    const QString text = pasteText();
    view.selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    report(QStringLiteral("Paste 20000 x 26 cells"), timeMs([&] { edit.pasteText(text); }));
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }));
    report(QStringLiteral("  redo"), timeMs([&] { undo->redo(); }));
    undo->undo();

    view.selectionModel()->select(
        QItemSelection(model->index(0, PluColumns::LFCode), model->index(PluColumns::RowCount - 1, PluColumns::LFCode)),
        QItemSelectionModel::ClearAndSelect);
    report(QStringLiteral("Generate LF Code (20000 rows)"), timeMs([&] { edit.generateLfCodes(); }));
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }));

    view.selectionModel()->select(model->index(PluColumns::RowCount / 2, 0), QItemSelectionModel::ClearAndSelect);
    view.selectionModel()->setCurrentIndex(model->index(PluColumns::RowCount / 2, 0), QItemSelectionModel::NoUpdate);
    report(QStringLiteral("Delete one row (grid of 20000)"), timeMs([&] { edit.deleteRows(); }));
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }));

    // An upload or an import: the whole table and its side stores as one step.
    PluDocument::Content content = document.content();
    for (int r = 0; r < PluColumns::RowCount; ++r)
        content.rows[r][PluColumns::PluName] = QStringLiteral("From the scale %1").arg(r);
    content.messages.setMessageLines(1, {QStringLiteral("Fresh today")});
    report(QStringLiteral("Replace the table (20000 rows)"),
           timeMs([&] { edit.replaceContent(QStringLiteral("Upload PLU"), content); }));
    report(QStringLiteral("  undo"), timeMs([&] { undo->undo(); }));
    report(QStringLiteral("  redo"), timeMs([&] { undo->redo(); }));

    QTextStream(stdout) << (g_failures == 0 ? "all under " : "some over ") << kTargetMs << " ms" << Qt::endl;
    return g_failures == 0 ? 0 : 1;
}
