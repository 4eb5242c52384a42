#include "document/PluTableModel.h"

#include "core/PackageTypes.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"

#include <algorithm>
#include <cmath>
#include <limits>

using C = PluColumns;

namespace {
int number(const QVariant &v)
{
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : 0;
}

double decimal(const QVariant &v)
{
    return v.toString().trimmed().toDouble();
}

int32_t clampInt32(qint64 v)
{
    return static_cast<int32_t>(
        qBound<qint64>(std::numeric_limits<int32_t>::min(), v, std::numeric_limits<int32_t>::max()));
}
} // namespace

PluTableModel::PluTableModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_rows.fill(newRow(), PluColumns::RowCount);
}

int PluTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int PluTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : PluColumns::Count;
}

QVariant PluTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const QVariant &v = m_rows[index.row()][index.column()];
    // Numbers are shown as plain digits: a locale's group separators would turn a code into
    // something else.
    if (role == Qt::DisplayRole)
        return v.toString();
    if (role == Qt::EditRole)
        return v;
    return {};
}

bool PluTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    if (m_editHandler) {
        if (!m_editHandler(index, value))
            return false;
    } else {
        m_rows[index.row()][index.column()] = value;
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    }
    emit cellsEdited(index, index);
    return true;
}

Qt::ItemFlags PluTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
    if (!PluColumns::isChosen(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant PluTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole)
            return PluColumns::caption(section);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::DisplayRole)
        return section + 1;
    return {};
}

void PluTableModel::touched(int firstRow, int lastRow)
{
    if (m_bulkDepth > 0) {
        m_dirtyFirst = m_dirtyFirst < 0 ? firstRow : qMin(m_dirtyFirst, firstRow);
        m_dirtyLast = qMax(m_dirtyLast, lastRow);
        return;
    }
    emit dataChanged(index(firstRow, 0), index(lastRow, PluColumns::Count - 1), {Qt::DisplayRole, Qt::EditRole});
}

void PluTableModel::setCell(int row, int column, const QVariant &value)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= PluColumns::Count)
        return;
    m_rows[row][column] = value;
    if (m_bulkDepth > 0)
        touched(row, row);
    else
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole, Qt::EditRole});
}

void PluTableModel::setRow(int row, const Row &cells)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = cells;
    touched(row, row);
}

PluTableModel::Row PluTableModel::newRow()
{
    Row r;
    for (int c = 0; c < PluColumns::Count; ++c)
        r[c] = PluColumns::newRowText(c);
    return r;
}

int PluTableModel::usedRowCount() const
{
    for (int r = m_rows.size() - 1; r >= 0; --r) {
        if (!m_rows[r][C::PluName].toString().isEmpty())
            return r + 1;
    }
    return 0;
}

void PluTableModel::resetRow(int row)
{
    setRow(row, newRow());
}

void PluTableModel::resetRows(int count)
{
    const int n = count <= 0 ? m_rows.size() : qMin(count, m_rows.size());
    const Row fresh = newRow();
    for (int r = 0; r < n; ++r)
        m_rows[r] = fresh;
    if (n > 0)
        touched(0, n - 1);
}

TPLU PluTableModel::rowToPlu(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return TPLU();
    return pluFromRow(m_rows[row]);
}

TPLU PluTableModel::pluFromRow(const Row &r)
{
    TPLU p;
    p.HotKey = number(r[C::HotKey]);
    p.setPluNameBytes(TextCodec::toLocal8(r[C::PluName].toString()));
    p.LFCode = number(r[C::LFCode]);
    p.setCodeBytes(TextCodec::toLocal8(r[C::Code].toString()));
    p.BarCode = number(r[C::BarCode]);
    p.UnitPrice = clampInt32(PriceFormat::toScaled(r[C::UnitPrice].toString()));
    p.WeightUnit = unitCode(r[C::WeightUnit].toString());
    p.QtyUnit = static_cast<uint8_t>(number(r[C::QtyUnit]));
    p.Deptment = number(r[C::Department]);
    p.Tare = decimal(r[C::Tare]);
    p.ShlefTime = number(r[C::ShelfTime]);
    p.PackageType = PackageTypes::code(r[C::PackageType].toString());
    p.PackageWeight = decimal(r[C::PackageWeight]);
    p.Tolerance = number(r[C::Tolerance]);
    p.Message1 = number(r[C::Message1]);
    p.Message2 = static_cast<uint8_t>(number(r[C::Message2]));
    p.LabelId = static_cast<uint8_t>(number(r[C::Label]));
    p.Rebate = static_cast<uint8_t>(number(r[C::Rebate]));
    // The Account cell holds the amount as the scaled integer the record carries, on every
    // path (record, file, table), so nothing rescales it on the way through. A decimal text
    // that came in through paste or import is rounded to the nearest integer.
    bool ok = false;
    const QString account = r[C::Account].toString().trimmed();
    p.Account = account.toInt(&ok);
    if (!ok)
        p.Account = clampInt32(PriceFormat::roundHalfAway(account.toDouble()));
    p.ProDate = r[C::ProDate].toString();
    p.TraceID = number(r[C::TraceID]);
    p.Recomdays = ZQConfig::isShowRecomdays() ? number(r[C::Recomdays]) : 0;
    p.Nutrition = number(r[C::Nutrition]);
    p.Ice = decimal(r[C::Ice]);
    p.PackPrice = decimal(r[C::PackPrice]);
    p.NgTolerance = number(r[C::NgTolerance]);
    return p;
}

void PluTableModel::pluToRow(const TPLU &plu, int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = rowFromPlu(plu);
    touched(row, row);
}

namespace {
// A weight with its unit's decimals, or as many more as it needs: a scale may hold a tare finer
// than its unit shows, and reading it back must not round it away.
QString weightText(double value, int decimals)
{
    constexpr int kMostDecimals = 6;
    for (int d = decimals; d < kMostDecimals; ++d) {
        const QString text = QString::number(value, 'f', d);
        // Within a hair: 35 * 0.005 is a bit more than 0.175, and 0.175 is what it means.
        if (std::abs(text.toDouble() - value) <= 1e-9 * std::max(1.0, std::abs(value)))
            return text;
    }
    return QString::number(value, 'f', kMostDecimals);
}
} // namespace

PluTableModel::Row PluTableModel::rowFromPlu(const TPLU &plu)
{
    Row r;
    const int unit = WeightUnits::isValid(plu.WeightUnit) ? plu.WeightUnit : WeightUnits::DefaultCode;
    const int unitDecimals = WeightUnits::decimals(unit);
    const int priceDecimals = PriceFormat::decimals();
    r[C::HotKey] = QString::number(plu.HotKey);
    r[C::PluName] = TextCodec::fromLocal8Whole(plu.pluNameBytes());
    r[C::LFCode] = static_cast<int>(plu.LFCode);
    r[C::Code] = TextCodec::fromLocal8(plu.codeBytes()).toLongLong();
    r[C::BarCode] = QString::number(plu.BarCode);
    r[C::UnitPrice] = PriceFormat::fromScaled(plu.UnitPrice);
    r[C::WeightUnit] = unitName(unit);
    r[C::QtyUnit] = QString::number(plu.QtyUnit);
    r[C::Department] = QString::number(plu.Deptment);
    r[C::Tare] = weightText(plu.Tare, unitDecimals);
    r[C::ShelfTime] = QString::number(plu.ShlefTime);
    r[C::PackageType] =
        PackageTypes::name(plu.PackageType >= 0 && plu.PackageType < PackageTypes::Count ? plu.PackageType : 0);
    r[C::PackageWeight] = weightText(plu.PackageWeight, unitDecimals);
    r[C::Tolerance] = QString::number(plu.Tolerance);
    r[C::Message1] = QString::number(plu.Message1);
    r[C::Message2] = QString::number(plu.Message2);
    r[C::Label] = QString::number(plu.LabelId);
    r[C::Rebate] = QString::number(plu.Rebate);
    r[C::Account] = QString::number(plu.Account);
    r[C::ProDate] = plu.ProDate;
    r[C::TraceID] = QString::number(plu.TraceID);
    r[C::Recomdays] = QString::number(plu.Recomdays);
    r[C::Nutrition] = QString::number(plu.Nutrition);
    r[C::Ice] = QString::number(plu.Ice, 'f', priceDecimals);
    r[C::PackPrice] = QString::number(plu.PackPrice, 'f', priceDecimals);
    r[C::NgTolerance] = QString::number(plu.NgTolerance);
    return r;
}

void PluTableModel::insertNewRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows.insert(row, newRow());
    m_rows.removeLast();
    touched(row, m_rows.size() - 1);
}

void PluTableModel::removeAndAppend(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows.remove(row);
    m_rows.append(newRow());
    touched(row, m_rows.size() - 1);
}

void PluTableModel::replaceAllRows(const QVector<Row> &rows)
{
    Q_ASSERT(rows.size() == PluColumns::RowCount);
    m_rows = rows;
    touched(0, m_rows.size() - 1);
}

PluTableModel::BulkUpdate::BulkUpdate(PluTableModel *model) : m_model(model)
{
    ++m_model->m_bulkDepth;
}

PluTableModel::BulkUpdate::~BulkUpdate()
{
    if (--m_model->m_bulkDepth == 0 && m_model->m_dirtyFirst >= 0) {
        const int first = m_model->m_dirtyFirst;
        const int last = m_model->m_dirtyLast;
        m_model->m_dirtyFirst = m_model->m_dirtyLast = -1;
        emit m_model->dataChanged(m_model->index(first, 0), m_model->index(last, PluColumns::Count - 1),
                                  {Qt::DisplayRole, Qt::EditRole});
    }
}
