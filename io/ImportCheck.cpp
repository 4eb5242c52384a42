#include "io/ImportCheck.h"

#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "table/PluCellChecker.h"

QString ImportProblem::line() const
{
    return ImportCheck::tr("row %1, %2: %3: %4").arg(sourceRow).arg(PluColumns::caption(column), value, reason);
}

ImportCheck::ImportCheck()
{
    for (int c = 0; c < PluColumns::Count; ++c)
        m_rules.append(PluLimits::columnRule(c));
}

bool ImportCheck::cell(int sourceRow, int column, const QString &text, int unitCode)
{
    const QString reason = PluCellChecker::valueProblem(column, text, unitCode, m_rules.at(column));
    return reason.isEmpty() || problem(sourceRow, column, text, reason);
}

bool ImportCheck::problem(int sourceRow, int column, const QString &value, const QString &reason)
{
    m_problems.append({sourceRow, column, value, reason});
    m_badRows.insert(sourceRow, true);
    return false;
}

bool ImportCheck::unique(int sourceRow, int column, qint64 value)
{
    if (value == 0)
        return true;
    QHash<qint64, int> &seen = m_seen[column == PluColumns::LFCode ? 0 : 1];
    const auto it = seen.constFind(value);
    if (it == seen.constEnd()) {
        seen.insert(value, sourceRow);
        return true;
    }
    return problem(sourceRow, column, QString::number(value), tr("also in row %1").arg(*it));
}
