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

QVector<PluVerify::Difference> PluVerify::compare(const TPLUList &sent, const TPLUList &read, bool exact, int limit)
{
    QHash<qint32, int> byLf;
    byLf.reserve(read.size());
    for (int i = 0; i < read.size(); ++i)
        byLf.insert(read.at(i).LFCode, i);
    QVector<Difference> out;
    QHash<qint32, int> sentLf;
    sentLf.reserve(sent.size());
    for (int r = 0; r < sent.size() && out.size() < limit; ++r) {
        const TPLU &s = sent.at(r);
        sentLf.insert(s.LFCode, r);
        const auto it = byLf.constFind(s.LFCode);
        if (it == byLf.constEnd()) {
            out.append({r + 1, PluColumns::caption(PluColumns::LFCode), QString::number(s.LFCode), tr("missing")});
            continue;
        }
        if (sameSentFields(s, read.at(it.value())))
            continue;
        const PluTableModel::Row a = PluTableModel::rowFromPlu(s);
        const PluTableModel::Row b = PluTableModel::rowFromPlu(read.at(it.value()));
        for (PluColumns::Column c : kSentColumns) {
            if (a[c].toString() != b[c].toString()) {
                out.append({r + 1, PluColumns::caption(c), a[c].toString(), b[c].toString()});
                break; // the first difference of a row says enough
            }
        }
    }
    if (exact && out.size() < limit) {
        for (const TPLU &p : read) {
            if (!sentLf.contains(p.LFCode)) {
                out.append({0, PluColumns::caption(PluColumns::LFCode), QString(), QString::number(p.LFCode)});
                if (out.size() >= limit)
                    break;
            }
        }
    }
    return out;
}
