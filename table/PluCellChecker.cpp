#include "table/PluCellChecker.h"

#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "core/WeightUnits.h"
#include "document/PluTableModel.h"

#include <QHash>
#include <algorithm>

namespace {
// The first two rows (lowest indexes) that hold each value of a column, built on first need.
class FirstRows
{
public:
    FirstRows(const PluTableModel &model, int column, int rowCount)
        : m_model(model), m_column(column), m_rowCount(rowCount)
    {
    }

    // The first row other than `row` whose value equals v, or -1.
    int other(qint64 v, int row)
    {
        if (!m_built)
            build();
        const auto it = m_rows.constFind(v);
        if (it == m_rows.constEnd())
            return -1;
        return it->first != row ? it->first : it->second;
    }

private:
    void build()
    {
        m_built = true;
        for (int r = 0; r < m_rowCount; ++r) {
            auto it = m_rows.find(value(m_model.cell(r, m_column)));
            if (it == m_rows.end())
                m_rows.insert(value(m_model.cell(r, m_column)), {r, -1});
            else if (it->second < 0)
                it->second = r;
        }
    }
    qint64 value(const QVariant &v) const { return m_column == PluColumns::LFCode ? v.toLongLong() : v.toInt(); }

    const PluTableModel &m_model;
    int m_column;
    int m_rowCount;
    bool m_built = false;
    QHash<qint64, QPair<int, int>> m_rows;
};

// The message of the unit's group; false for a unit that is not checked or a weight within its limit.
bool weightLimit(int code, double weight, QString *message)
{
    if (!PluLimits::packageWeightAbove(code, weight))
        return false;
    switch (code) {
    case 4:
    case 10:
        *message = PluCellChecker::tr("The quality must be between 0~15.00");
        break;
    case 5:
    case 11:
        *message = PluCellChecker::tr("The quality must be between 0~529.11");
        break;
    case 6:
    case 12:
        *message = PluCellChecker::tr("The quality must be between 0~33.07");
        break;
    default:
        *message = PluCellChecker::tr("The quality must be between 0~15000.00");
        break;
    }
    return true;
}

int checkedUnit(const QString &unitText)
{
    const int code = WeightUnits::find(unitText);
    // The short piece name some installations use is no name of the unit table: not checked.
    if (code == WeightUnits::PcsKgCode && unitText != QLatin1String("PCS(kg)"))
        return -1;
    return code;
}
} // namespace

QVector<PluCellChecker::Finding> PluCellChecker::check(const PluTableModel &model, QModelIndexList cells, int rowCount)
{
    QVector<Finding> found;
    std::sort(cells.begin(), cells.end(), [](const QModelIndex &a, const QModelIndex &b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    FirstRows lfCodes(model, PluColumns::LFCode, rowCount);
    FirstRows hotkeys(model, PluColumns::HotKey, rowCount);
    const QString critical = QStringLiteral("critical");

    for (const QModelIndex &cell : qAsConst(cells)) {
        const int row = cell.row();
        const QVariant &value = model.cell(row, cell.column());
        switch (cell.column()) {
        case PluColumns::LFCode: {
            const qint64 v = value.toLongLong();
            const int other = v > 0 && rowCount > 0 ? lfCodes.other(v, row) : -1;
            if (other >= 0) {
                found.append({row, cell.column(), true, critical, tr("Row[%1]LFcode repeated!").arg(other + 1)});
                return found;
            }
            break;
        }
        case PluColumns::HotKey: {
            const int v = value.toInt();
            const int other = v > 0 && rowCount > 0 ? hotkeys.other(v, row) : -1;
            if (other >= 0) {
                found.append({row, cell.column(), true, critical, tr("Row[%1]Hotkey repeated!").arg(other + 1)});
                return found;
            }
            break;
        }
        case PluColumns::PackageWeight: {
            QString message;
            const int unit = checkedUnit(model.text(row, PluColumns::WeightUnit));
            if (weightLimit(unit, value.toDouble(), &message))
                found.append({row, cell.column(), false, tr("Warning"), message});
            break;
        }
        case PluColumns::Tolerance:
            if (value.toInt() > PluLimits::columnRule(PluColumns::Tolerance).max)
                found.append({row, cell.column(), false, tr("Warning"), tr("The error range is 0~20")});
            break;
        default:
            break;
        }
    }
    return found;
}
