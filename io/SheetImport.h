#pragma once

#include "core/TPLU.h"
#include "document/PluTableModel.h"
#include "io/Sheet.h"

#include <QList>
#include <QStringList>

// The spreadsheet import without its dialog: the rows of a sheet become PLU records (cell c of a
// row fills the field of table column c's order), the operator's choice of properties is applied,
// and the chosen range of records is placed in a fresh grid.
class SheetImport
{
public:
    // Rows with fewer cells are not taken; row numbers count only the rows taken.
    static constexpr int MinCells = 19;
    // The boxes of the choice, "PLU name" .. "NgTolerance"; box k is flag k.
    static constexpr int PropertyCount = 19;
    static QStringList propertyNames(); // untranslated, context "ZQheaderwidget"
    // Element 0 stands for no box (the hotkey, always taken); element k (1..19) for box k.
    using Flags = QList<int>;
    static Flags allChosen();

    static TPLU recordOf(const QVector<QVariant> &cells);
    static TPLUList records(const Sheet &sheet);
    // The hotkey always; each chosen property from the record; the others as a new row has them.
    static TPLU chosen(const TPLU &record, const Flags &flags);
    static TPLUList chosen(const TPLUList &records, const Flags &flags);

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
    // A grid of new rows with records first..last from table row `to` on; rows that the grid
    // does not have are left out. The range must have passed checkRange().
    static QVector<PluTableModel::Row> place(const TPLUList &records, int first, int last, int to);
};
