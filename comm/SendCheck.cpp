#include "comm/SendCheck.h"

#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "core/PackageTypes.h"
#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"

#include <QHash>
#include <QRegularExpression>
#include <QTextCodec>
#include <array>
#include <cmath>

using C = PluColumns;

namespace {
class Checker
{
public:
    QVector<SendProblem> problems;
    // Read once: the settings they depend on do not change during a check.
    std::array<CellRule, C::Count> rules;
    std::array<QString, C::Count> ranges;
    std::array<QString, C::Count> captions;
    QRegularExpression codePattern;
    // A new row's unit and a cleared row's package type also name the defaults.
    QString newRowUnit = C::newRowText(C::WeightUnit);
    QStringList packageNames = PackageTypes::names() << C::clearText(C::PackageType);

    Checker()
    {
        for (int column = 0; column < C::Count; ++column) {
            rules[column] = PluLimits::columnRule(column);
            ranges[column] = rules[column].rangeText();
            captions[column] = C::caption(column);
        }
        codePattern.setPattern(QRegularExpression::anchoredPattern(rules[C::Code].pattern));
    }

    void add(int row, int column, const QString &field, const QString &value, const QString &rule, const QString &text)
    {
        problems.append({row, column, field, value, rule, text});
    }

    void add(int row, int column, const QString &value, const QString &rule, const QString &text)
    {
        add(row, column, captions[column], value, rule, text);
    }

    // A whole number within the column's rule, or a problem. An empty cell is sent as 0.
    bool integer(int row, int column, const QString &text, qint64 *value)
    {
        const CellRule &rule = rules[column];
        if (!whole(row, column, text, ranges[column], value))
            return false;
        if (*value >= qint64(rule.min) && *value <= qint64(rule.max))
            return true;
        outside(row, column, text, ranges[column]);
        return false;
    }

    bool decimal(int row, int column, const QString &text, double *value)
    {
        if (!number(row, column, text, ranges[column], value))
            return false;
        if (rules[column].inRange(*value))
            return true;
        outside(row, column, text, ranges[column]);
        return false;
    }

    bool whole(int row, int column, const QString &text, const QString &range, qint64 *value)
    {
        bool ok = true;
        *value = text.isEmpty() ? 0 : text.toLongLong(&ok);
        if (!ok)
            add(row, column, text, range,
                SendCheck::tr("%1 \"%2\" is not a whole number in %3").arg(captions[column], text, range));
        return ok;
    }

    bool number(int row, int column, const QString &text, const QString &range, double *value)
    {
        bool ok = true;
        *value = text.isEmpty() ? 0.0 : text.toDouble(&ok);
        if (ok && std::isfinite(*value))
            return true;
        add(row, column, text, range,
            SendCheck::tr("%1 \"%2\" is not a number in %3").arg(captions[column], text, range));
        return false;
    }

    void outside(int row, int column, const QString &text, const QString &range)
    {
        add(row, column, text, range, SendCheck::tr("%1 %2 is outside %3").arg(captions[column], text, range));
    }

    // A text as the code page carries it: every character must have bytes there, a name must keep
    // to the editor's number of characters (maxChars 0: no limit), and the bytes must fit.
    void textFits(int row, int column, const QString &field, const QString &text, const QString &shown, int maxChars,
                  int maxBytes)
    {
        QTextCodec *codec = TextCodec::codec();
        // Without IgnoreHeader, a converter state makes the UTF-8 codec put a byte order mark first.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const int bytes = codec->fromUnicode(text.constData(), text.size(), &state).size();
        const QString page = QString::fromLatin1(codec->name());
        if (state.invalidChars > 0) {
            QString missing;
            for (const uint cp : text.toUcs4()) {
                const QString one = QString::fromUcs4(&cp, 1);
                if (!codec->canEncode(one) && !missing.contains(one))
                    missing += one;
            }
            add(row, column, field, shown, SendCheck::tr("characters of %1").arg(page),
                SendCheck::tr("%1 \"%2\" has characters that %3 cannot encode: %4").arg(field, shown, page, missing));
        } else if (maxChars > 0 && text.size() > maxChars) {
            add(row, column, field, shown, SendCheck::tr("at most %1 characters").arg(maxChars),
                SendCheck::tr("%1 \"%2\" is longer than %3 characters").arg(field, shown).arg(maxChars));
        } else if (bytes > maxBytes) {
            add(row, column, field, shown, SendCheck::tr("at most %1 bytes in %2").arg(maxBytes).arg(page),
                SendCheck::tr("%1 \"%2\" takes %3 bytes in %4, more than %5")
                    .arg(field, shown)
                    .arg(bytes)
                    .arg(page)
                    .arg(maxBytes));
        }
    }

    void code(int row, const QString &text)
    {
        if (codePattern.match(text).hasMatch())
            return;
        const QString rule = SendCheck::tr("at most %1 digits").arg(PluLimits::CodeDigits);
        add(row, C::Code, text, rule, SendCheck::tr("%1 \"%2\" is not %3").arg(captions[C::Code], text, rule));
    }

    // A chosen cell whose text names nothing in its list: the record would carry the default.
    void chosenName(int row, int column, const QString &text, bool known, const QString &rule, const QString &sentAs)
    {
        if (!known)
            add(row, column, text, rule,
                SendCheck::tr("%1 \"%2\" is not %3; it would be sent as \"%4\"")
                    .arg(captions[column], text, rule, sentAs));
    }

    // The first row of each value; a later row with the same non-zero value is reported.
    void unique(int row, int column, const QString &text, qint64 value, QHash<qint64, int> *seen)
    {
        if (value == 0)
            return;
        const auto it = seen->constFind(value);
        if (it == seen->constEnd()) {
            seen->insert(value, row);
            return;
        }
        add(row, column, text, SendCheck::tr("unique"),
            SendCheck::tr("%1 %2 is also in row %3").arg(captions[column], text).arg(*it + 1));
    }
};

QString cellText(const QVariant &cell)
{
    return cell.toString().trimmed();
}

void checkPluRow(Checker &c, int row, const PluTableModel::Row &cells, QHash<qint64, int> *lfCodes)
{
    auto text = [&cells](int column) { return cellText(cells[column]); };
    qint64 n = 0;
    double d = 0;
    const QString name = cells[C::PluName].toString();
    c.textFits(row, C::PluName, c.captions[C::PluName], name, name, c.rules[C::PluName].maxLength,
               PluLimits::PluNameBytes);
    if (c.integer(row, C::LFCode, text(C::LFCode), &n))
        c.unique(row, C::LFCode, text(C::LFCode), n, lfCodes);
    c.code(row, text(C::Code));
    c.integer(row, C::BarCode, text(C::BarCode), &n);

    // The record carries the price rounded to the price decimals.
    const QString price = text(C::UnitPrice);
    if (c.number(row, C::UnitPrice, price, c.ranges[C::UnitPrice], &d)) {
        const qint64 scaled = PriceFormat::toScaled(price);
        if (scaled < 0 || scaled > std::llround(c.rules[C::UnitPrice].max * double(PriceFormat::scale())))
            c.outside(row, C::UnitPrice, price, c.ranges[C::UnitPrice]);
    }

    const QString unit = cells[C::WeightUnit].toString();
    const bool unitKnown = WeightUnits::find(unit) >= 0 || unit == c.newRowUnit;
    c.chosenName(row, C::WeightUnit, unit, unitKnown, SendCheck::tr("a weight unit"), unitName(unitCode(unit)));
    for (int column : {C::QtyUnit, C::Department})
        c.integer(row, column, text(column), &n);
    c.decimal(row, C::Tare, text(C::Tare), &d);
    c.integer(row, C::ShelfTime, text(C::ShelfTime), &n);

    const QString package = cells[C::PackageType].toString();
    const bool packageKnown = c.packageNames.contains(package);
    c.chosenName(row, C::PackageType, package, packageKnown, SendCheck::tr("a package type"), PackageTypes::name(0));

    const QString weight = text(C::PackageWeight);
    const int unitInRecord = unitCode(unit);
    if (c.decimal(row, C::PackageWeight, weight, &d) && PluLimits::packageWeightAbove(unitInRecord, d)) {
        const QString range = PluLimits::packageWeightRange(unitInRecord);
        c.add(row, C::PackageWeight, weight, range,
              SendCheck::tr("%1 %2 is outside %3 for %4")
                  .arg(c.captions[C::PackageWeight], weight, range, unitName(unitInRecord)));
    }
    for (int column : {C::Tolerance, C::Message1, C::Message2})
        c.integer(row, column, text(column), &n);
    if (c.whole(row, C::Label, text(C::Label), PluLimits::labelRange(), &n) && !PluLimits::isLabel(n))
        c.outside(row, C::Label, text(C::Label), PluLimits::labelRange());
    if (c.whole(row, C::Rebate, text(C::Rebate), PluLimits::rebateRange(), &n) && !PluLimits::isRebate(n))
        c.outside(row, C::Rebate, text(C::Rebate), PluLimits::rebateRange());
    c.decimal(row, C::Ice, text(C::Ice), &d);
}

void checkAdvertising(Checker &c, const QString &field, const QString &text)
{
    // The tail's lines are joined by CR LF; one line reads better in a list.
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    c.textFits(-1, -1, field, text, shown, 0, PluLimits::AdvertisingBytes);
}
} // namespace

QString SendProblem::line() const
{
    return row < 0 ? text : SendCheck::tr("row %1: %2").arg(row + 1).arg(text);
}

QVector<SendProblem> SendCheck::check(const TransferSnapshot &snapshot, int job)
{
    const DownloadSelection &parts = snapshot.selection;
    const bool download = job == JobDownloadPlu && snapshot.hasDocument;
    const bool plus = job == JobUpdatePlu || (download && parts.plu);
    const bool hotkeys = download && parts.hotkey;
    const bool advertising = (download && parts.info) || (job == JobDownloadAdvertising && snapshot.hasDocument);

    Checker c;
    QHash<qint64, int> lfCodes;
    QHash<qint64, int> hotkeyRows;
    const int rows = qMin(snapshot.plus.size(), snapshot.cells.size());
    for (int r = 0; r < rows && (plus || hotkeys); ++r) {
        const PluTableModel::Row &cells = snapshot.cells.at(r);
        qint64 n = 0;
        if (hotkeys && c.integer(r, C::HotKey, cellText(cells[C::HotKey]), &n))
            c.unique(r, C::HotKey, cellText(cells[C::HotKey]), n, &hotkeyRows);
        if (plus)
            checkPluRow(c, r, cells, &lfCodes);
        else // the hotkey table carries the LF codes
            c.integer(r, C::LFCode, cellText(cells[C::LFCode]), &n);
    }
    if (advertising) {
        checkAdvertising(c, tr("Advertising head"), snapshot.adHead);
        checkAdvertising(c, tr("Advertising tail"), snapshot.adTail);
    }
    return c.problems;
}
