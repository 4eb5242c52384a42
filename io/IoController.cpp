#include "io/IoController.h"

#include "comm/SendProblemsDlg.h"
#include "core/PluColumns.h"
#include "core/Prompt.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "io/CustomTextImport.h"
#include "io/ImportCheck.h"
#include "io/ImportExcelDialog.h"
#include "io/SheetExport.h"
#include "io/SheetImport.h"
#include "io/SheetReader.h"
#include "io/ZQDataImportDialog.h"
#include "table/EditorHost.h"
#include "table/PluEditCommands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTableView>

namespace {
const char *const kActions[] = {"actionImport_PLU_from_Excel", "actionCustom_import", "actionExport_to_Excel"};
}

namespace {
// The last named row plus one, as the document counts its rows.
int usedRows(const QVector<PluTableModel::Row> &rows)
{
    for (int r = rows.size() - 1; r >= 0; --r) {
        if (!rows.at(r)[PluColumns::PluName].toString().isEmpty())
            return r + 1;
    }
    return 0;
}
} // namespace

bool IoController::takeGoodRows(const QString &path, const QVector<ImportProblem> &problems)
{
    if (problems.isEmpty())
        return true;
    QVector<SendProblem> lines;
    lines.reserve(problems.size());
    for (const ImportProblem &p : problems)
        lines.append({p.sourceRow - 1, p.column, PluColumns::caption(p.column), p.value, p.reason, p.line()});
    SendProblemsDlg list(lines, m_host->hostWidget());
    list.setWindowTitle(tr("Import"));
    list.offerAction(tr("These cells of \"%1\" cannot be taken as they are (rows as the file counts them). "
                        "Import the good rows and leave these rows out, or cancel and keep the table as it is.")
                         .arg(QFileInfo(path).fileName()),
                     tr("Import the good rows"));
    return list.exec() == QDialog::Accepted;
}

IoController::IoController(EditorHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    for (const char *name : kActions)
        m_host->action(QString::fromLatin1(name))->setEnabled(true);
}

IoController::~IoController() = default;

void IoController::warnUnreadable(const QString &path, const QString &reason)
{
    Prompt::warning(
        m_host->hostWidget(), tr("Warning"),
        tr("\"%1\" cannot be imported: %2.\nThe table is unchanged.").arg(QFileInfo(path).fileName(), reason));
}

bool IoController::readSheet(const QString &path, Sheet *sheet, SheetError *error)
{
    QProgressDialog progress(tr("Reading %1 ...").arg(QFileInfo(path).fileName()), tr("Cancel"), 0, 1000,
                             m_host->hostWidget());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const bool ok = SheetReader::read(path, sheet, error, [&progress](qint64 done, qint64 total) {
        // Without a total (an .xls is read in one go) the bar only shows that work goes on.
        progress.setMaximum(total > 0 ? 1000 : 0);
        progress.setValue(total > 0 ? static_cast<int>(qBound<qint64>(0, done * 1000 / total, 999)) : 0);
        return !progress.wasCanceled();
    });
    progress.close();
    return ok;
}

void IoController::importPluFromExcel()
{
    if (!m_host->maybeSave())
        return;
    QWidget *parent = m_host->hostWidget();
    const QString path =
        Prompt::openFileName(parent, tr("Open Excel"), QString(),
                             tr("Excel Files (*.xls *xlsx)") + QStringLiteral(";;") +
                                 tr("OpenDocument Spreadsheets (*.ods)") + QStringLiteral(";;") + tr("All Files (*)"));
    if (path.isEmpty())
        return;
    Sheet sheet;
    SheetError error;
    if (!readSheet(path, &sheet, &error)) {
        if (error.code != SheetError::Cancelled)
            warnUnreadable(path, error.reason);
        return;
    }
    const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(sheet);
    if (rows.isEmpty()) {
        warnUnreadable(path, tr("no row of its first sheet has the %1 cells of an article").arg(SheetImport::MinCells));
        return;
    }
    if (!m_excelDialog)
        m_excelDialog = new ImportExcelDialog(parent);
    m_excelDialog->setRows(rows, sheet.rows.size() - rows.size());
    if (m_excelDialog->exec() != QDialog::Accepted)
        return;

    PluDocument *doc = m_host->document();
    const ImportExcelDialog &chosen = *m_excelDialog;
    ImportCheck check;
    PluDocument::Content content = doc->content();
    if (chosen.updates()) {
        const SheetImport::Update update =
            SheetImport::update(content.rows, doc->recomputeRowCount(), rows, chosen.firstRow(), chosen.lastRow(),
                                chosen.flags(), chosen.addsNew(), &check);
        if (!takeGoodRows(path, check.problems()))
            return;
        if (update.updated + update.added > 0) {
            content.rows = update.rows;
            content.rowCount = update.rowCount;
            m_host->editCommands()->replaceContent(tr("Update from sheet"), content);
        }
        QString summary = tr("Articles updated: %1, unchanged: %2.\nRows added: %3, without a matching article: %4.")
                              .arg(update.updated)
                              .arg(update.unchanged)
                              .arg(update.added)
                              .arg(update.unmatched.size());
        for (int i = 0; i < update.unmatched.size() && i < 10; ++i)
            summary += QLatin1Char('\n') + update.unmatched.at(i).line();
        if (update.unmatched.size() > 10)
            summary += QLatin1Char('\n') + tr("... and %1 more").arg(update.unmatched.size() - 10);
        Prompt::information(parent, tr("Info"), summary);
        return;
    }
    const TPLUList records = SheetImport::checked(rows, chosen.firstRow(), chosen.lastRow(), chosen.flags(), &check);
    if (!takeGoodRows(path, check.problems()))
        return;
    if (records.isEmpty()) {
        warnUnreadable(path, tr("no row can be imported"));
        return;
    }
    content.rows = SheetImport::place(records, chosen.tableRow());
    content.rowCount = usedRows(content.rows);
    m_host->editCommands()->replaceContent(tr("Import PLU from Excel"), content);
    // The table no longer is the file it came from; Save asks for a name. The imported rows are
    // unsaved work: closing asks, and the recovery copy keeps them.
    doc->setCurrentFile(QString());
}

void IoController::customImport()
{
    ZQDataImportDialog dialog(m_host->hostWidget());
    QString requested;
    connect(&dialog, &ZQDataImportDialog::importTxtFileReq, this,
            [&requested](const QString &path) { requested = path; });
    dialog.exec();
    if (!requested.isEmpty())
        importTxt(requested);
}

void IoController::importTxt()
{
    const QString path = Prompt::openFileName(m_host->hostWidget(), tr("Select File"), QString(),
                                              tr("TXT Files (*.TXT)") + QStringLiteral(";;") + tr("All Files (*)"));
    if (!path.isEmpty())
        importTxt(path);
}

void IoController::importTxt(const QString &path)
{
    if (!m_host->maybeSave())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warnUnreadable(path, file.errorString());
        return;
    }
    const CustomTextImport::Layout layout = CustomTextImport::Layout::stored();
    if (!layout.fields[CustomTextImport::PluName].taken) {
        warnUnreadable(path, tr("the stored layout takes no PLU name, and a row without a name is not kept"));
        return;
    }
    int dropped = 0;
    ImportCheck check;
    const TPLUList records = CustomTextImport::records(file.readAll(), layout, &dropped, &check);
    if (!takeGoodRows(path, check.problems()))
        return;
    if (records.isEmpty()) {
        warnUnreadable(path, tr("no row can be imported"));
        return;
    }

    // The rows are replaced; the side data stay, so that a Save over the set keeps them.
    PluDocument *doc = m_host->document();
    PluDocument::Content content = doc->content();
    content.rows = SheetImport::place(records, 1);
    content.rowCount = records.size();
    m_host->editCommands()->replaceContent(tr("Custom import"), content);
    doc->setCurrentFile(QString()); // unsaved work, as after the spreadsheet import
    if (dropped > 0)
        Prompt::warning(m_host->hostWidget(), tr("Warning"),
                        tr("The table holds %1 rows; the last %2 lines of the file were left out.")
                            .arg(PluColumns::RowCount)
                            .arg(dropped));
}

void IoController::exportToExcel()
{
    QWidget *parent = m_host->hostWidget();
    const QString workbook = tr("Excel Workbook (*.xlsx)");
    QString chosenFilter;
    QString path = Prompt::saveFileName(parent, tr("Export File"), QString(),
                                        tr("Excel Files (*.xls)") + QStringLiteral(";;") + workbook, &chosenFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += chosenFilter == workbook ? QStringLiteral(".xlsx") : QStringLiteral(".xls");
    QVector<int> columns;
    for (int c = 0; c < PluColumns::Count; ++c) {
        if (!m_host->tableView()->isColumnHidden(c))
            columns << c;
    }
    PluDocument *doc = m_host->document();
    QString error;
    if (!SheetExport::write(path, *doc->model(), doc->recomputeRowCount(), columns, &error)) {
        Prompt::warning(parent, tr("Warning"), tr("Create Or Open file Error") + QLatin1Char('\n') + error);
        return;
    }
    Prompt::information(parent, tr("Info"), tr("Export Excel Success"));
}
