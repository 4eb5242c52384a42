#include "table/PluCellChecker.h"

#include "core/PackageTypes.h"
#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"
#include "document/PluTableModel.h"

#include <QHash>
#include <QTextCodec>
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

// A plain decimal number: sign, digits, a point and decimals. *decimals counts the decimals
// that carry a value (trailing zeros lose nothing).
bool plainNumber(const QString &text, double *value, int *decimals)
{
    const int n = text.size();
    int i = n > 0 && (text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-')) ? 1 : 0;
    const int digitsFrom = i;
    while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
        ++i;
    if (i == digitsFrom)
        return false;
    int lastValue = i; // one past the last decimal that is not a trailing zero
    if (i < n && text.at(i) == QLatin1Char('.')) {
        const int point = i++;
        lastValue = point;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
            if (text.at(i) != QLatin1Char('0'))
                lastValue = i + 1;
            ++i;
        }
        *decimals = lastValue > point ? lastValue - point - 1 : 0;
    } else {
        *decimals = 0;
    }
    if (i != n)
        return false;
    *value = text.toDouble();
    return true;
}

// The column's range as its rule or its own list of values has it.
bool inRange(int column, double value, const CellRule &rule, QString *range)
{
    switch (column) {
    case PluColumns::Label:
        *range = PluLimits::labelRange();
        return PluLimits::isLabel(qint64(value));
    case PluColumns::Rebate:
        *range = PluLimits::rebateRange();
        return PluLimits::isRebate(qint64(value));
    case PluColumns::WeightUnit:
        *range = QStringLiteral("0~%1").arg(WeightUnits::Count - 1);
        return value >= 0 && value < WeightUnits::Count;
    case PluColumns::PackageType:
        *range = QStringLiteral("0~%1").arg(PackageTypes::Count - 1);
        return value >= 0 && value < PackageTypes::Count;
    default:
        break;
    }
    if (rule.kind != CellRule::Integer && rule.kind != CellRule::Decimal) {
        *range = QStringLiteral("0~2147483647");
        return value >= 0 && value <= 2147483647.0;
    }
    *range = rule.rangeText();
    return rule.inRange(value);
}

QString nameProblem(const QString &name, const CellRule &rule)
{
    if (name.trimmed().isEmpty())
        return PluCellChecker::tr("no PLU name (a row without a name is not kept)");
    if (rule.maxLength > 0 && name.size() > rule.maxLength)
        return PluCellChecker::tr("longer than %1 characters").arg(rule.maxLength);
    QTextCodec *codec = TextCodec::codec();
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const int bytes = codec->fromUnicode(name.constData(), name.size(), &state).size();
    if (state.invalidChars > 0)
        return PluCellChecker::tr("has characters that %1 cannot encode").arg(QString::fromLatin1(codec->name()));
    if (bytes > PluLimits::PluNameBytes)
        return PluCellChecker::tr("takes %1 bytes, more than %2").arg(bytes).arg(PluLimits::PluNameBytes);
    return QString();
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

QString PluCellChecker::valueProblem(int column, const QString &value, int unitCode)
{
    return valueProblem(column, value, unitCode, PluLimits::columnRule(column));
}

QString PluCellChecker::valueProblem(int column, const QString &value, int unitCode, const CellRule &rule)
{
    using C = PluColumns;
    if (column == C::PluName)
        return nameProblem(value, rule);
    const QString text = value.trimmed();
    if (text.isEmpty())
        return QString(); // as a new row has it
    if (column == C::WeightUnit && WeightUnits::find(text) >= 0)
        return QString();
    if (column == C::PackageType && PackageTypes::names().contains(text, Qt::CaseInsensitive))
        return QString();
    double number = 0;
    int decimals = 0;
    if (!plainNumber(text, &number, &decimals)) {
        if (column == C::Code)
            return tr("not a code of at most %1 digits").arg(PluLimits::CodeDigits);
        return rule.kind == CellRule::Decimal ? tr("not a number") : tr("not a whole number");
    }
    if ((column == C::Code || column == C::LFCode) && text.size() > 1 && text.startsWith(QLatin1Char('0')))
        return tr("a leading zero that the code cannot keep");
    if (column == C::Code) {
        if (text.size() > PluLimits::CodeDigits || decimals > 0 || !text.at(0).isDigit())
            return tr("not a code of at most %1 digits").arg(PluLimits::CodeDigits);
        return QString();
    }
    // A tare and a package weight keep the column's decimals, finer than their unit shows: the
    // scale holds them as given, and a list read back from it must import as it came.
    const int kept = rule.kind == CellRule::Decimal ? rule.decimals : 0;
    if (decimals > kept)
        return kept == 0 ? tr("not a whole number") : tr("more than %1 decimals").arg(kept);
    QString range;
    if (!inRange(column, number, rule, &range)) {
        if (column == C::Tolerance)
            return tr("The error range is 0~20");
        return tr("outside %1").arg(range);
    }
    QString message;
    if (column == C::PackageWeight && weightLimit(unitCode, number, &message))
        return message;
    return QString();
}
