#include "comm/PluVerify.h"

#include "core/PluColumns.h"
#include "document/PluTableModel.h"

#include <QHash>

namespace {
// The columns the scale receives; the others stay on the PC.
const PluColumns::Column kSentColumns[] = {
    PluColumns::PluName,   PluColumns::LFCode,     PluColumns::Code,        PluColumns::BarCode,
    PluColumns::UnitPrice, PluColumns::WeightUnit, PluColumns::QtyUnit,     PluColumns::Department,
    PluColumns::Tare,      PluColumns::ShelfTime,  PluColumns::PackageType, PluColumns::PackageWeight,
    PluColumns::Tolerance, PluColumns::Message1,   PluColumns::Message2,    PluColumns::Label,
    PluColumns::Rebate,    PluColumns::Ice,
};
// Most PLUs come back as sent: compare the fields first and format only those that differ.
bool sameSentFields(const TPLU &a, const TPLU &b)
{
    return a.LFCode == b.LFCode && a.BarCode == b.BarCode && a.UnitPrice == b.UnitPrice &&
           a.WeightUnit == b.WeightUnit && a.QtyUnit == b.QtyUnit && a.Deptment == b.Deptment && a.Tare == b.Tare &&
           a.ShlefTime == b.ShlefTime && a.PackageType == b.PackageType && a.PackageWeight == b.PackageWeight &&
           a.Tolerance == b.Tolerance && a.Message1 == b.Message1 && a.Message2 == b.Message2 &&
           a.LabelId == b.LabelId && a.Rebate == b.Rebate && a.Ice == b.Ice && qstrcmp(a.PluName, b.PluName) == 0 &&
           qstrcmp(a.Code, b.Code) == 0;
}
} // namespace

QString PluVerify::Difference::text() const
{
    if (row == 0)
        return tr("LF code %1 is on the scale but was not sent").arg(read);
    return tr("row %1, %2: sent \"%3\", read \"%4\"").arg(row).arg(column, sent, read);
}

PluVerify::Index PluVerify::index(const TPLUList &sent)
{
    Index byLf;
    byLf.reserve(sent.size());
    for (int r = 0; r < sent.size(); ++r)
        byLf.insert(sent.at(r).LFCode, r);
    return byLf;
}

PluVerify::Stream::Stream(const TPLUList &sent, const Index &index, bool exact, int limit)
    : m_sent(sent), m_index(index), m_exact(exact), m_limit(limit), m_seen(sent.size())
{
}

void PluVerify::Stream::keep(const Difference &d)
{
    if (m_byRow.size() >= m_limit) {
        if (d.row >= m_byRow.lastKey())
            return;
        m_byRow.erase(std::prev(m_byRow.end()));
    }
    m_byRow.insert(d.row, d);
}

void PluVerify::Stream::add(const TPLU &read)
{
    ++m_count;
    const auto it = m_index.constFind(read.LFCode);
    if (it == m_index.constEnd()) {
        if (m_exact && m_extra.size() < m_limit)
            m_extra.append({0, PluColumns::caption(PluColumns::LFCode), QString(), QString::number(read.LFCode)});
        return;
    }
    const int r = it.value();
    m_seen.setBit(r);
    const TPLU &sent = m_sent.at(r);
    if (sameSentFields(sent, read))
        return;
    const PluTableModel::Row a = PluTableModel::rowFromPlu(sent);
    const PluTableModel::Row b = PluTableModel::rowFromPlu(read);
    for (PluColumns::Column c : kSentColumns) {
        if (a[c].toString() != b[c].toString()) {
            keep({r + 1, PluColumns::caption(c), a[c].toString(), b[c].toString()});
            return; // the first difference of a row says enough
        }
    }
}

QVector<PluVerify::Difference> PluVerify::Stream::finish()
{
    for (int r = 0; r < m_sent.size(); ++r) {
        if (!m_seen.testBit(r))
            keep({r + 1, PluColumns::caption(PluColumns::LFCode), QString::number(m_sent.at(r).LFCode), tr("missing")});
    }
    QVector<Difference> out = m_byRow.values().toVector();
    for (const Difference &d : qAsConst(m_extra)) {
        if (out.size() >= m_limit)
            break;
        out.append(d);
    }
    return out;
}
