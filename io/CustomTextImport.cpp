#include "io/CustomTextImport.h"

#include "core/PluColumns.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/TextLines.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"
#include "io/ImportCheck.h"
#include "table/PluCellChecker.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {
struct PropertyKeys
{
    ZQConfig::Key taken;
    ZQConfig::Key position;
    ZQConfig::Key length;
};

const PropertyKeys kKeys[CustomTextImport::PropertyCount] = {
    {ZQConfig::ChkHotKey, ZQConfig::CboxHotKey, ZQConfig::CboxHotKeyLen},
    {ZQConfig::ChkPluName, ZQConfig::CboxPluName, ZQConfig::CboxPluNameLen},
    {ZQConfig::ChkLfCode, ZQConfig::CboxLfcode, ZQConfig::CboxLFCodeLen},
    {ZQConfig::ChkCode, ZQConfig::CboxCode, ZQConfig::CboxCodeLen},
    {ZQConfig::ChkBarCode, ZQConfig::CboxBarCode, ZQConfig::CboxBarCodeLen},
    {ZQConfig::ChkUnitPrice, ZQConfig::CboxUnitPrice, ZQConfig::CboxUnitPriceLen},
    {ZQConfig::ChkWeightUnit, ZQConfig::CboxWeightPos, ZQConfig::CboxWeightUnitLen},
    {ZQConfig::ChkDeptMent, ZQConfig::CboxDeptMent, ZQConfig::CboxDeptMentLen},
    {ZQConfig::ChkTare, ZQConfig::CboxTare, ZQConfig::CboxTareLen},
    {ZQConfig::ChkShleftime, ZQConfig::CboxShleftime, ZQConfig::CboxShleftimeLen},
    {ZQConfig::ChkTolerance, ZQConfig::CboxTolerance, ZQConfig::CboxToleranceLen},
};

int integer(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : 0;
}

const int kColumnOf[CustomTextImport::PropertyCount] = {
    PluColumns::HotKey,  PluColumns::PluName,   PluColumns::LFCode,     PluColumns::Code,
    PluColumns::BarCode, PluColumns::UnitPrice, PluColumns::WeightUnit, PluColumns::Department,
    PluColumns::Tare,    PluColumns::ShelfTime, PluColumns::Tolerance,
};

// The price as the scaling reads it: no more decimals than it multiplies away.
bool checkPrice(int line, const QString &text, const CustomTextImport::Layout &layout, ImportCheck *check)
{
    const int kept = layout.times100 ? 2 : layout.times1000 ? 3 : 0;
    const QString t = text.trimmed();
    const int point = t.indexOf(QLatin1Char('.'));
    QString fraction = point < 0 ? QString() : t.mid(point + 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    bool ok = false;
    t.toDouble(&ok);
    if (!ok && !t.isEmpty())
        return check->problem(line, PluColumns::UnitPrice, text, ImportCheck::tr("not a number"));
    if (fraction.size() > kept)
        return check->problem(line, PluColumns::UnitPrice, text,
                              ImportCheck::tr("more decimals than the price scaling takes (%1)").arg(kept));
    const int32_t scaled = CustomTextImport::scaledPrice(text, layout);
    const QString shown = PriceFormat::fromScaled(scaled);
    const QString reason = PluCellChecker::valueProblem(PluColumns::UnitPrice, shown, WeightUnits::DefaultCode);
    return reason.isEmpty() || check->problem(line, PluColumns::UnitPrice, text, reason);
}
} // namespace

CustomTextImport::Layout CustomTextImport::Layout::stored()
{
    Layout l;
    for (int p = 0; p < PropertyCount; ++p) {
        l.fields[p].taken = ZQConfig::flag(kKeys[p].taken);
        l.fields[p].position = ZQConfig::text(kKeys[p].position).trimmed().toInt();
        l.fields[p].length = ZQConfig::number(kKeys[p].length);
    }
    l.separatorIndex = ZQConfig::number(ZQConfig::CboxPluSep);
    if (l.separatorIndex < 0 || l.separatorIndex > CustomSeparator)
        l.separatorIndex = 0;
    l.customSeparator = ZQConfig::text(ZQConfig::EdtCustSep);
    l.firstLineIsTitle = ZQConfig::flag(ZQConfig::CboxFirstLineIsTitle);
    l.times100 = ZQConfig::flag(ZQConfig::ChkDiv100);
    l.times1000 = ZQConfig::flag(ZQConfig::ChkDiv1000);
    l.fixedUnit = ZQConfig::flag(ZQConfig::ChkFixWeightUnit);
    l.fixedUnitCode = ZQConfig::number(ZQConfig::CboxFixWeightUnit);
    l.unitValues = ZQConfig::weightIds();
    return l;
}

QString CustomTextImport::Layout::separator() const
{
    switch (separatorIndex) {
    case 1:
        return QStringLiteral("\t");
    case 2:
        return QStringLiteral(";");
    case 3:
        return QStringLiteral(" ");
    case FixedPositions:
        return QString();
    case CustomSeparator:
        return customSeparator;
    default:
        return QStringLiteral(",");
    }
}

QString CustomTextImport::take(const QString &line, const QStringList &fields, const Layout &layout, Property property)
{
    const Field &f = layout.fields[property];
    if (layout.separatorIndex == FixedPositions) {
        // Offset P, not P - 1: the text starts at the character after the P-th.
        if (f.length <= 0 || f.position <= 0)
            return QString();
        const QString text = line.mid(f.position, f.length);
        return text.isNull() ? QStringLiteral("") : text;
    }
    if (f.position < 1 || f.position > fields.size())
        return QString();
    const QString &text = fields.at(f.position - 1);
    return text.isNull() ? QStringLiteral("") : text;
}

int32_t CustomTextImport::scaledPrice(const QString &text, const Layout &layout)
{
    const float value = text.toFloat();
    const float factor = layout.times100 ? 100.0f : layout.times1000 ? 1000.0f : 1.0f;
    const double scaled = std::trunc(static_cast<double>(value * factor) + 0.5);
    if (!std::isfinite(scaled))
        return 0;
    return static_cast<int32_t>(
        qBound<double>(std::numeric_limits<int32_t>::min(), scaled, std::numeric_limits<int32_t>::max()));
}

int CustomTextImport::unitOf(const QString &line, const QStringList &fields, const Layout &layout)
{
    if (layout.fixedUnit)
        return WeightUnits::isValid(layout.fixedUnitCode) ? layout.fixedUnitCode : WeightUnits::DefaultCode;
    if (!layout.fields[WeightUnit].taken)
        return WeightUnits::DefaultCode;
    const QString text = take(line, fields, layout, WeightUnit);
    for (int i = qMin(layout.unitValues.size(), int(WeightUnits::Count)) - 1; i >= 0; --i) {
        if (text.compare(layout.unitValues.at(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return WeightUnits::DefaultCode;
}

TPLUList CustomTextImport::records(const QByteArray &bytes, const Layout &layout, int *dropped, ImportCheck *check)
{
    QStringList lines = TextLines::split(TextCodec::fromLocal8(bytes));
    const int firstLine = layout.firstLineIsTitle && !lines.isEmpty() ? 2 : 1;
    if (firstLine == 2)
        lines.removeFirst();
    const QString separator = layout.separator();
    const bool fixed = layout.separatorIndex == FixedPositions;
    TPLUList list;
    list.reserve(qMin(lines.size(), int(PluColumns::RowCount)));
    TPLU record;
    int beyond = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        if (list.size() == PluColumns::RowCount) {
            ++beyond;
            continue;
        }
        const int number = firstLine + i;
        // An empty custom separator would split between every character; it keeps the line whole.
        const QStringList fields = fixed                 ? QStringList()
                                   : separator.isEmpty() ? QStringList{line}
                                                         : line.split(separator);
        const int unit = unitOf(line, fields, layout);
        bool good = true;
        if (check && !layout.fixedUnit && layout.fields[WeightUnit].taken) {
            const QString text = take(line, fields, layout, WeightUnit);
            if (!text.trimmed().isEmpty() && !layout.unitValues.contains(text, Qt::CaseInsensitive))
                good = check->problem(number, PluColumns::WeightUnit, text,
                                      ImportCheck::tr("no weight unit has this import value"));
        }
        for (int p = 0; p < PropertyCount; ++p) {
            if (p == WeightUnit || !layout.fields[p].taken)
                continue;
            const QString text = take(line, fields, layout, static_cast<Property>(p));
            if (text.isNull()) {
                if (check && p == PluName && record.pluNameBytes().isEmpty())
                    good = check->problem(number, PluColumns::PluName, QString(),
                                          PluCellChecker::valueProblem(PluColumns::PluName, QString(), unit));
                continue;
            }
            if (check) {
                // Fixed positions pad numbers with zeros ("0101"): padding, not digits of a code.
                QString checked = text;
                if (fixed && p != PluName && p != UnitPrice)
                    checked.remove(QRegularExpression(QStringLiteral("^0+(?=\\d)")));
                const bool ok = p == UnitPrice ? checkPrice(number, text, layout, check)
                                               : check->cell(number, kColumnOf[p], checked, unit);
                if (ok && (p == LFCode || p == HotKey))
                    good = check->unique(number, kColumnOf[p], integer(text)) && good;
                good = ok && good;
            }
            switch (p) {
            case HotKey:
                record.HotKey = integer(text);
                break;
            case PluName:
                record.setPluNameBytes(TextCodec::toLocal8(text));
                break;
            case LFCode:
                record.LFCode = integer(text);
                break;
            case Code:
                record.setCodeBytes(TextCodec::toLocal8(text));
                break;
            case BarCode:
                record.BarCode = integer(text);
                break;
            case UnitPrice:
                record.UnitPrice = scaledPrice(text, layout);
                break;
            case Department:
                record.Deptment = integer(text);
                break;
            case Tare:
                record.Tare = integer(text);
                break;
            case ShelfTime:
                record.ShlefTime = integer(text);
                break;
            case Tolerance:
                record.Tolerance = integer(text);
                break;
            default:
                break;
            }
        }
        record.WeightUnit = unit;
        if (good)
            list.append(record);
    }
    if (dropped)
        *dropped = beyond;
    return list;
}
