// plu-cli's spreadsheet and foreign text commands: import, export, import-text.
#include "PluCli.h"

#include "core/PluColumns.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "io/CustomTextImport.h"
#include "io/ImportCheck.h"
#include "io/SheetExport.h"
#include "io/SheetImport.h"
#include "io/SheetReader.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The --columns names, in the order of the import's boxes (box k = name k-1).
const char *const kColumnNames[SheetImport::PropertyCount] = {
    "name",    "lfcode",    "code",      "barcode", "price", "unit",  "qty",    "dept",      "tare",        "shelf",
    "package", "pkgweight", "tolerance", "msg1",    "msg2",  "label", "rebate", "nutrition", "ngtolerance",
};

bool parseColumns(const QString &text, SheetImport::Flags *flags, QString *error)
{
    SheetImport::Flags chosen{1};
    for (int k = 1; k <= SheetImport::PropertyCount; ++k)
        chosen << 0;
    const QStringList names = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &raw : names) {
        const QString name = raw.trimmed().toLower();
        int k = 0;
        while (k < SheetImport::PropertyCount && name != QLatin1String(kColumnNames[k]))
            ++k;
        if (k == SheetImport::PropertyCount) {
            *error = PluCli::tr("unknown column \"%1\" (see plu-cli --help)").arg(raw.trimmed());
            return false;
        }
        chosen[k + 1] = 1;
    }
    if (names.isEmpty()) {
        *error = PluCli::tr("--columns names no column");
        return false;
    }
    *flags = chosen;
    return true;
}

// "F-L", "F-" (to the last) or "F"; 0 for an open end.
bool parseRows(const QString &text, int *first, int *last)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*(-\\s*(\\d{0,5}))?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    *first = m.captured(1).toInt();
    *last = m.captured(2).isEmpty() ? *first : m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    return true;
}

// The set the import writes into: an existing OUT with its side data, or a new one.
bool openTarget(const QString &out, PluDocument *doc, bool *exists, QString *error)
{
    *exists = QFileInfo::exists(out);
    if (!*exists)
        return true;
    QString warning;
    if (PluFileSet::load(doc, out, error, &warning) != PluFileSet::LoadResult::Loaded)
        return false;
    if (!warning.isEmpty()) {
        // Rows beyond the grid would be lost by writing the file back.
        *error = warning;
        return false;
    }
    return true;
}

// The PLU rows into OUT. The side files of an existing set are not the import's: they stay
// byte for byte; a new set gets all four files.
bool writeTarget(PluDocument *doc, const QString &out, bool exists, QString *error)
{
    return PluFileSet::save(doc, out, exists ? PluFileSet::SidePaths{} : PluFileSet::sidePathsForSaveAs(out), error);
}

bool nameChosen(const SheetImport::Flags &flags)
{
    return SheetImport::isChosen(flags, 1);
}
} // namespace

void PluCli::printProblems(const QVector<ImportProblem> &problems)
{
    for (const ImportProblem &p : problems)
        printErr(p.line());
}

bool PluCli::isSheetCommand(const QString &command)
{
    return command == QLatin1String("import") || command == QLatin1String("export") ||
           command == QLatin1String("import-text");
}

bool PluCli::checkSheetCommand(const Options &options, bool scaleOptions, QString *error)
{
    const QString &cmd = options.command;
    if (!options.scales.isEmpty() || scaleOptions) {
        *error = tr("%1 talks to no scale and prints no card; --scale, --update, --parts, -o, --type and "
                    "--portrait do not apply")
                     .arg(cmd);
        return false;
    }
    if (options.positional.size() != 2) {
        *error = tr("%1 takes an input and an output file").arg(cmd);
        return false;
    }
    const bool isImport = cmd == QLatin1String("import");
    if (!isImport && (!options.rows.isEmpty() || !options.to.isEmpty() || !options.columns.isEmpty() ||
                      !options.match.isEmpty() || options.addNew)) {
        *error = tr("--rows, --to, --columns, --match and --add-new apply to import only");
        return false;
    }
    if (options.skipBad && cmd == QLatin1String("export")) {
        *error = tr("--skip-bad applies to import and import-text only");
        return false;
    }
    if (!options.match.isEmpty() && options.match.trimmed().toLower() != QLatin1String("lfcode")) {
        *error = tr("--match takes lfcode, not \"%1\"").arg(options.match);
        return false;
    }
    const bool update = !options.match.isEmpty();
    if (options.addNew && !update) {
        *error = tr("--add-new applies to import --match only");
        return false;
    }
    if (update && !options.to.isEmpty()) {
        *error = tr("--to does not apply to import --match: articles are found by their LF code");
        return false;
    }
    int first = 0;
    int last = 0;
    if (!options.rows.isEmpty() && !parseRows(options.rows, &first, &last)) {
        *error = tr("--rows takes F-L, F- or F, not \"%1\"").arg(options.rows);
        return false;
    }
    bool ok = true;
    if (!options.to.isEmpty() && (options.to.toInt(&ok) < 1 || !ok)) {
        *error = tr("--to takes a table row from 1, not \"%1\"").arg(options.to);
        return false;
    }
    SheetImport::Flags flags = SheetImport::allChosen();
    if (!options.columns.isEmpty() && !parseColumns(options.columns, &flags, error))
        return false;
    // A row without a name is no row of the file: it would be written as nothing.
    if (isImport && (!update || options.addNew) && !nameChosen(flags)) {
        *error = update ? tr("--add-new adds articles, which need a name: add name to --columns")
                        : tr("--columns must include name: a row without a name is not kept (to change "
                             "some properties of the articles of a file, use --match lfcode)");
        return false;
    }
    const QString out = options.positional.at(1);
    if (cmd == QLatin1String("export")) {
        const QString suffix = QFileInfo(out).suffix().toLower();
        if (suffix != QLatin1String("xls") && suffix != QLatin1String("xlsx")) {
            *error = tr("\"%1\": name the export .xlsx (a workbook) or .xls (tab-separated text)").arg(out);
            return false;
        }
    } else if (PluFile::kindOf(out) != PluFile::Kind::TabSeparated) {
        *error = tr("\"%1\": a file set is written tab-separated; name it .txp").arg(out);
        return false;
    }
    return true;
}

int PluCli::runSheetCommand(const Options &options)
{
    const QString in = options.positional.at(0);
    if (!QFileInfo(in).isFile()) {
        printErr(tr("plu-cli: \"%1\": no such file").arg(in));
        return Failed;
    }
    if (options.command == QLatin1String("import"))
        return importSheet(options);
    if (options.command == QLatin1String("export"))
        return exportSheet(options);
    return importText(options);
}

int PluCli::importSheet(const Options &options)
{
    const QString in = options.positional.at(0);
    const QString out = options.positional.at(1);
    Sheet sheet;
    SheetError error;
    if (!SheetReader::read(in, &sheet, &error)) {
        printErr(tr("plu-cli: \"%1\": %2").arg(in, error.reason));
        return Failed;
    }
    SheetImport::Flags flags = SheetImport::allChosen();
    QString text;
    if (!options.columns.isEmpty())
        parseColumns(options.columns, &flags, &text);
    const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(sheet);
    int first = SheetImport::proposedFirstRow(rows);
    int last = 0;
    if (!options.rows.isEmpty())
        parseRows(options.rows, &first, &last);
    if (last == 0)
        last = rows.size();
    const int to = options.to.isEmpty() ? 1 : options.to.toInt();
    switch (SheetImport::checkRange(first, last, to, rows.size())) {
    case SheetImport::RangeError::None:
        break;
    case SheetImport::RangeError::BeyondRecords:
        printErr(tr("plu-cli: \"%1\": row %2 asked for, but rows with the %3 cells of an article: %4")
                     .arg(in)
                     .arg(last)
                     .arg(SheetImport::MinCells)
                     .arg(rows.size()));
        return Failed;
    default:
        printErr(tr("plu-cli: \"%1\": the rows %2 to %3 take nothing").arg(in).arg(first).arg(last));
        return Failed;
    }
    PluDocument doc;
    bool exists = false;
    if (!openTarget(out, &doc, &exists, &text)) {
        printFileError(out, text);
        return Failed;
    }
    if (!options.match.isEmpty() && !exists) {
        printErr(tr("plu-cli: \"%1\": no such file set to update").arg(out));
        return Failed;
    }
    ImportCheck check;
    SheetImport::Update update;
    TPLUList records;
    if (!options.match.isEmpty())
        update =
            SheetImport::update(doc.model()->rows(), doc.rowCount(), rows, first, last, flags, options.addNew, &check);
    else
        records = SheetImport::checked(rows, first, last, flags, &check);
    if (!check.problems().isEmpty()) {
        printProblems(check.problems());
        if (!options.skipBad) {
            printErr(tr("plu-cli: \"%1\": nothing was written (problems: %2; --skip-bad leaves those rows out)")
                         .arg(in)
                         .arg(check.problems().size()));
            return Failed;
        }
    }
    if (!options.match.isEmpty()) {
        printProblems(update.unmatched);
        doc.model()->replaceAllRows(update.rows);
        doc.setRowCount(update.rowCount);
    } else {
        if (records.isEmpty()) {
            printErr(tr("plu-cli: \"%1\": no row to import").arg(in));
            return Failed;
        }
        doc.model()->replaceAllRows(SheetImport::place(records, to));
    }
    if (!writeTarget(&doc, out, exists, &text)) {
        printFileError(out, text);
        return Failed;
    }
    if (!options.match.isEmpty())
        printErr(tr("%1: articles of %2 updated: %3, unchanged: %4; rows added: %5, unmatched: %6")
                     .arg(in, out)
                     .arg(update.updated)
                     .arg(update.unchanged)
                     .arg(update.added)
                     .arg(update.unmatched.size()));
    else if (!options.quiet)
        printErr(tr("%1: rows imported into %2: %3").arg(in, out).arg(records.size()));
    return Success;
}

int PluCli::exportSheet(const Options &options)
{
    const QString in = options.positional.at(0);
    const QString out = options.positional.at(1);
    PluDocument doc;
    QString error;
    QString warning;
    if (PluFileSet::load(&doc, in, &error, &warning) != PluFileSet::LoadResult::Loaded) {
        printFileError(in, error);
        return Failed;
    }
    if (!warning.isEmpty())
        printFileError(in, warning);
    if (!SheetExport::write(out, *doc.model(), doc.recomputeRowCount(), SheetExport::shownColumns(), &error)) {
        printErr(tr("plu-cli: %1").arg(error));
        return Failed;
    }
    return Success;
}

int PluCli::importText(const Options &options)
{
    const QString in = options.positional.at(0);
    const QString out = options.positional.at(1);
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly)) {
        printErr(tr("plu-cli: \"%1\": %2").arg(in, file.errorString()));
        return Failed;
    }
    const CustomTextImport::Layout layout = CustomTextImport::Layout::stored();
    if (!layout.fields[CustomTextImport::PluName].taken) {
        printErr(tr("plu-cli: the stored custom import layout takes no PLU name; a row without a name is not kept"));
        return Failed;
    }
    int dropped = 0;
    ImportCheck check;
    const TPLUList records = CustomTextImport::records(file.readAll(), layout, &dropped, &check);
    if (!check.problems().isEmpty()) {
        printProblems(check.problems());
        if (!options.skipBad) {
            printErr(tr("plu-cli: \"%1\": nothing was written (problems: %2; --skip-bad leaves those rows out)")
                         .arg(in)
                         .arg(check.problems().size()));
            return Failed;
        }
    }
    if (records.isEmpty()) {
        printErr(tr("plu-cli: \"%1\": no row to import").arg(in));
        return Failed;
    }
    PluDocument doc;
    bool exists = false;
    QString error;
    if (!openTarget(out, &doc, &exists, &error)) {
        printFileError(out, error);
        return Failed;
    }
    doc.model()->replaceAllRows(SheetImport::place(records, 1));
    if (!writeTarget(&doc, out, exists, &error)) {
        printFileError(out, error);
        return Failed;
    }
    if (dropped > 0)
        printErr(tr("plu-cli: \"%1\": the table holds %2 rows; the last %3 lines were left out")
                     .arg(in)
                     .arg(PluColumns::RowCount)
                     .arg(dropped));
    return Success;
}
