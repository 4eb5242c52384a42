#pragma once

#include "core/CellRule.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QVector>

// One cell that an import would take wrongly, named as the operator finds it in the source.
struct ImportProblem
{
    int sourceRow = 0; // the sheet's own row, or the file's line, from 1
    int column = -1;   // table column
    QString value;     // as the source holds it
    QString reason;

    // "row 12, LF Code: abc: not a whole number".
    QString line() const;
};

// The problems of one import: every cell taken against its column's rule (the grid's cell
// checks), and LF codes and hotkeys that two rows of the import share.
class ImportCheck
{
    Q_DECLARE_TR_FUNCTIONS(ImportCheck)
public:
    ImportCheck();
    // True when the text may stand in the column; else the problem is kept.
    bool cell(int sourceRow, int column, const QString &text, int unitCode);
    // Always false: the problem is kept.
    bool problem(int sourceRow, int column, const QString &value, const QString &reason);
    // A non-zero LF code or hotkey seen in an earlier row of the import is a problem.
    bool unique(int sourceRow, int column, qint64 value);

    const QVector<ImportProblem> &problems() const { return m_problems; }
    // The source rows with a problem.
    bool isBad(int sourceRow) const { return m_badRows.contains(sourceRow); }

private:
    QVector<ImportProblem> m_problems;
    QHash<int, bool> m_badRows;
    QHash<qint64, int> m_seen[2]; // LF codes, hotkeys
    QVector<CellRule> m_rules;    // read once: the settings they follow do not change meanwhile
};
