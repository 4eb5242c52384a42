#pragma once

#include "document/PluTableModel.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The grid of a recovery copy, cell for cell: the PLU file would bring an edited table back only
// as a save and a reopening would (a new row's empty price as 0.00, characters the code page
// lacks as "?", a code 007 as 7); a restored table must be the one the operator left. UTF-8
// text, a header line, then one line per row up to the last row that differs from a new row:
// 26 TAB-separated cells, each "=" (as a new row has it), "i" or "l" and a whole number (the LF
// code and code kinds), or "s" and the text with backslash, TAB, CR and LF escaped.
class RecoveryGrid
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryGrid)
public:
    static QByteArray encode(const QVector<PluTableModel::Row> &rows);
    // The same in two steps, so that a grid can be coded a few rows at a time and only its changed
    // rows again: the line of one row (fresh: a new row, PluTableModel::newRow()), then the
    // grid from the lines of its rows.
    static QByteArray encodeRow(const PluTableModel::Row &row, const PluTableModel::Row &fresh);
    static QByteArray join(const QVector<QByteArray> &lines);
    // The rows written (fewer than the grid's); false with *error when the bytes are no grid.
    static bool decode(const QByteArray &bytes, QVector<PluTableModel::Row> *rows, QString *error);
};
