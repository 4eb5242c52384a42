#pragma once

#include "core/TPLU.h"
#include "document/PluTableModel.h"
#include "io/ImportCheck.h"
#include "io/Sheet.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

// The spreadsheet import without its dialog: the rows of a sheet become PLU records (cell c of a
// row fills the field of table column c's order), each taken cell checked as the grid checks it,
// and the chosen range placed in a fresh grid, or merged into the articles of a file by their
// LF codes (the daily price update).
class SheetImport
{
    Q_DECLARE_TR_FUNCTIONS(SheetImport)

public:
    // Rows with fewer cells are not taken; row numbers count only the rows taken.
    static constexpr int MinCells = 19;
    // The boxes of the choice, "PLU name" .. "NgTolerance"; box k is flag k.
    static constexpr int PropertyCount = 19;
    static QStringList propertyNames(); // untranslated, context "ZQheaderwidget"
    // Element 0 stands for no box (the hotkey, always taken); element k (1..19) for box k.
    using Flags = QList<int>;
    static Flags allChosen();
    static bool isChosen(const Flags &flags, int box) { return box < flags.size() && flags.at(box) != 0; }
    // The table column box k governs; -1 for "NgTolerance", which governs none.
    static int columnOfBox(int box);

    // A row of the sheet that can hold an article: its own row number (from 1) and cells.
    struct SourceRow
    {
        int number = 0;
        QVector<QVariant> cells;
    };
    // The rows with the cells of an article; empty rows are left out.
    static QVector<SourceRow> articleRows(const Sheet &sheet);
    // A row of the export's captions (in English or as translated).
    static bool isCaptionRow(const QVector<QVariant> &cells);
    // The first row to take: after a caption row that comes first, else 1.
    static int proposedFirstRow(const QVector<SourceRow> &rows);

    static TPLU recordOf(const QVector<QVariant> &cells);
    // The hotkey always; each chosen property from the record; the others as a new row has them.
    static TPLU chosen(const TPLU &record, const Flags &flags);

    // Rows first..last (counted from 1 in `rows`) checked and converted: the chosen cells of
    // each, a name for every row, unique LF codes and hotkeys. Rows with a problem are left
    // out of the result; the problems are in *check.
    static TPLUList checked(const QVector<SourceRow> &rows, int first, int last, const Flags &flags,
                            ImportCheck *check);

    enum class RangeError
    {
        None,
        NoFirstRow,     // first row 0
        FirstAfterLast, // first row after the last
        BeyondRecords,  // last row beyond the records read
        NoTableRow,     // "PLU Manager row" 0
    };
    // first and last count the records from 1; to is the first table row, from 1.
    static RangeError checkRange(int first, int last, int to, int recordCount);
    // A grid of new rows with the records from table row `to` (from 1) on; rows that the grid
    // does not have are left out.
    static QVector<PluTableModel::Row> place(const TPLUList &records, int to);

    // The daily price update: each row of the sheet whose LF code an article of `grid` (rows
    // 0..rowCount-1) has gives that article the chosen properties; everything else of the
    // article stays. Rows with no match are listed, and added after the last article when
    // addNew (with the chosen properties; they need a name). Rows with a problem change nothing.
    struct Update
    {
        QVector<PluTableModel::Row> rows;
        int rowCount = 0;
        int updated = 0;
        int unchanged = 0;
        int added = 0;
        QVector<ImportProblem> unmatched; // rows of the sheet not added
    };
    static Update update(const QVector<PluTableModel::Row> &grid, int rowCount, const QVector<SourceRow> &rows,
                         int first, int last, const Flags &flags, bool addNew, ImportCheck *check);
};
