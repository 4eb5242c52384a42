#pragma once

#include "core/CellRule.h"

#include <QCoreApplication>
#include <QModelIndexList>
#include <QString>
#include <QVector>

class PluTableModel;

// The rules a cell editor alone cannot enforce: unique hotkeys and LF codes, the package weight
// limit of the row's unit and the tolerance limit. Finds the faults; the caller tells the
// operator and sets each faulty cell back to 0.
class PluCellChecker
{
    Q_DECLARE_TR_FUNCTIONS(PluCellChecker)
public:
    struct Finding
    {
        int row = -1;
        int column = -1;
        bool critical = false; // duplicates are critical, limits are warnings
        QString title;
        QString text;
    };

    // Checks the cells in row, then column order against rows 0..rowCount-1. A duplicate ends
    // the checking, so it is always the last finding.
    static QVector<Finding> check(const PluTableModel &model, QModelIndexList cells, int rowCount);

    // Why a value from outside (an import) cannot stand in a cell of `column` as it is, or an
    // empty text: what the column's editor accepts (a whole number, or a number with no more
    // decimals than the cell keeps, within the column's range; a code or LF code without leading
    // zeros that it would lose; a name of the editor's length that the code page carries) and
    // the limits the checks above keep (package weight by unit, tolerance). A weight unit or
    // package type may be given by its code or its name. unitCode is the row's weight unit,
    // whose decimals a tare and a package weight keep.
    static QString valueProblem(int column, const QString &text, int unitCode);
    // The same with the column's rule read once by the caller (an import checks many cells).
    static QString valueProblem(int column, const QString &text, int unitCode, const CellRule &rule);
};
