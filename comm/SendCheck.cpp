#include "comm/SendCheck.h"

#include "comm/NutritionRecords.h"
#include "comm/TransferJob.h"
#include "comm/TransferSnapshot.h"
#include "core/PackageTypes.h"
#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"
#include "document/ScheduleStore.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
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

// A value of a side record within the scale's range; the record names itself in `field`.
void inRange(Checker &c, int row, int column, const QString &field, double value, double low, double high)
{
    if (value >= low && value <= high) // also false for NaN
        return;
    const QString range = QStringLiteral("%1~%2").arg(low).arg(high);
    const QString shown = QString::number(value, 'g', 10);
    c.add(row, column, field, shown, range, SendCheck::tr("%1 %2 is outside %3").arg(field, shown, range));
}

void checkMessages(Checker &c, const QStringList &messages)
{
    for (int i = 0; i < messages.size(); ++i) {
        const QString field = SendCheck::tr("Message %1").arg(i + 1);
        // Its lines that hold text, on one line of the list.
        QString shown = messages.at(i).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).join(QLatin1String(" / "));
        if (shown.size() > 60)
            shown = shown.left(59) + QChar(0x2026);
        c.textFits(-1, -1, field, messages.at(i), shown, 0, PluLimits::MessageBytes);
    }
}

void checkSchedule(Checker &c, const QVector<SchedulePeriod> &periods)
{
    for (int i = 0; i < periods.size(); ++i) {
        const SchedulePeriod &p = periods.at(i);
        // Named as the ".RSC" file names the line: mode and period from 0.
        const QString line =
            QStringLiteral("M%1,S%2").arg(i / ScheduleStore::PeriodsPerMode).arg(i % ScheduleStore::PeriodsPerMode);
        inRange(c, -1, -1, SendCheck::tr("Discount schedule %1: Hour").arg(line), p.hour, 0, 23);
        inRange(c, -1, -1, SendCheck::tr("Discount schedule %1: Minute").arg(line), quint8(p.minute), 0, 59);
        inRange(c, -1, -1, SendCheck::tr("Discount schedule %1: Discount").arg(line), quint8(p.rate), 0, 100);
    }
}

void checkDepartments(Checker &c, const TransferSnapshot &s)
{
    if (!s.departmentsError.isEmpty()) {
        c.add(-1, -1, SendCheck::tr("Departments"), QString(), QString(), s.departmentsError);
        return;
    }
    if (s.departments.size() > PluLimits::Departments)
        c.add(-1, -1, SendCheck::tr("Departments"), QString::number(s.departments.size()),
              QString::number(PluLimits::Departments),
              SendCheck::tr("%1 departments are more than the %2 a scale keeps")
                  .arg(s.departments.size())
                  .arg(PluLimits::Departments));
    QSet<qint32> seen;
    for (const DepartmentRecord &d : s.departments) {
        const QString field = SendCheck::tr("Department %1").arg(d.number);
        inRange(c, -1, -1, field, d.number, 0, 99);
        if (seen.contains(d.number))
            c.add(-1, -1, field, QString::number(d.number), SendCheck::tr("unique"),
                  SendCheck::tr("%1 is in the table twice").arg(field));
        seen.insert(d.number);
        // The name travels as text: its bytes must read in the code page.
        const QString name = d.nameText();
        if (TextCodec::toLocal8(name) != d.name.left(d.name.indexOf('\0') < 0 ? d.name.size() : d.name.indexOf('\0')))
            c.add(-1, -1, field, name,
                  SendCheck::tr("characters of %1").arg(QString::fromLatin1(TextCodec::codec()->name())),
                  SendCheck::tr("%1: the name has bytes that %2 cannot read")
                      .arg(field, QString::fromLatin1(TextCodec::codec()->name())));
        inRange(c, -1, -1, SendCheck::tr("%1: CGST").arg(field), d.cgst, 0, 100);
        inRange(c, -1, -1, SendCheck::tr("%1: SGST").arg(field), d.sgst, 0, 100);
    }
}

void checkPackTypes(Checker &c, const TransferSnapshot &s)
{
    if (!s.hasPackTypes)
        return;
    if (s.packTypes.size() > PluLimits::PackTypes)
        c.add(-1, -1, SendCheck::tr("Package types"), QString::number(s.packTypes.size()),
              QString::number(PluLimits::PackTypes),
              SendCheck::tr("%1 package types are more than the %2 a scale keeps")
                  .arg(s.packTypes.size())
                  .arg(PluLimits::PackTypes));
    for (int i = 0; i < s.packTypes.size(); ++i)
        c.textFits(-1, -1, SendCheck::tr("Package type %1").arg(i + 1), s.packTypes.at(i), s.packTypes.at(i), 0,
                   PluLimits::PackTypeBytes);
}

void checkElements(Checker &c, const QVector<NutritionElementFile::Row> &rows)
{
    for (int e = 0; e < rows.size(); ++e) {
        const NutritionElementFile::Row &row = rows.at(e);
        const QString field = SendCheck::tr("Nutrition element %1").arg(e + 1);
        c.textFits(-1, -1, field, row.name, row.name, 0, PluLimits::ElementNameBytes);
        if (!row.unit.isEmpty() && NutritionElementFile::transferUnitCode(row.unit) == 0)
            c.add(-1, -1, field, row.unit, NutritionElementFile::unitNames().join(QLatin1String(", ")),
                  SendCheck::tr("%1: the unit \"%2\" is none of %3")
                      .arg(field, row.unit, NutritionElementFile::unitNames().join(QLatin1String(", "))));
    }
}

// Every per-PLU value as it will travel: its content times the unit factor of its element.
void checkNutrition(Checker &c, const TransferSnapshot &s)
{
    if (!s.hasNutritionFile)
        return;
    if (!s.nutritionError.isEmpty()) {
        c.add(-1, -1, SendCheck::tr("Nutrition"), QString(), QString(), s.nutritionError);
        return;
    }
    checkElements(c, s.nutritionFileRows);
    const QVector<NutritionElement> elements = NutritionRecords::transferElements(s.nutritionFileRows);
    if (!s.nutritionValuesError.isEmpty()) {
        c.add(-1, -1, SendCheck::tr("Nutrition"), QString(), QString(), s.nutritionValuesError);
        return;
    }
    int marked = 0, firstMarked = -1;
    for (int r = 0; r < s.plus.size(); ++r) {
        const TPLU &plu = s.plus.at(r);
        if (plu.Nutrition == 0)
            continue;
        ++marked;
        if (firstMarked < 0)
            firstMarked = r;
        const QString lf = QString::number(plu.LFCode);
        for (const NutritionValue &v : s.nutritionValues.value(lf)) {
            if (v.itemId < 1 || v.itemId > NutritionElementFile::ElementCount)
                continue;
            const int e = v.itemId - 1;
            const int factor = e < elements.size() ? NutritionElementFile::unitFactor(elements.at(e).unit) : 1;
            const QString name = e < s.nutritionFileRows.size() ? s.nutritionFileRows.at(e).name : QString();
            const QString field = SendCheck::tr("LF code %1, element %2 (%3)").arg(lf).arg(v.itemId).arg(name);
            const double sent = v.content * factor;
            if (!(sent >= 0 && sent <= PluLimits::NutritionValueMax)) {
                const QString shown = QString::number(v.content, 'g', 10);
                const QString rule = QStringLiteral("0~%1").arg(PluLimits::NutritionValueMax);
                c.add(r, C::Nutrition, field, shown, rule,
                      factor == 1 ? SendCheck::tr("%1: %2 is outside %3").arg(field, shown, rule)
                                  : SendCheck::tr("%1: %2 is sent as %3, outside %4")
                                        .arg(field, shown, QString::number(sent, 'g', 10), rule));
            }
            inRange(c, r, C::Nutrition, SendCheck::tr("%1: NRV %").arg(field), v.nrv, 0,
                    PluLimits::NutritionPercentMax);
        }
    }
    if (marked > 0 && s.nutritionValuesMissing)
        c.add(firstMarked, C::Nutrition, SendCheck::tr("Nutrition"), QString(), QString(),
              SendCheck::tr("%n row(s) are marked with nutrition, but the file's nutrition values are missing", nullptr,
                            marked));
}
} // namespace

QString SendProblem::line() const
{
    return row < 0 ? text : SendCheck::tr("row %1: %2").arg(row + 1).arg(text);
}

QVector<SendProblem> SendCheck::check(TransferSnapshot &snapshot, int job, bool changesOnly)
{
    const DownloadSelection &parts = snapshot.selection;
    const bool download = job == JobDownloadPlu && snapshot.hasDocument;
    const bool plus = job == JobUpdatePlu || (download && parts.plu);
    const bool hotkeys = download && parts.hotkey;
    const bool advertising = (download && parts.info) || (job == JobDownloadAdvertising && snapshot.hasDocument);
    // "Send changes" may find the scale changed and send everything: the messages go with it.
    const bool messages = (download && parts.message) || (changesOnly && snapshot.hasDocument);
    const bool nutrition = download && parts.nutrition;

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
    if (messages)
        checkMessages(c, snapshot.messages);
    if (download && parts.schedule)
        checkSchedule(c, snapshot.periods);
    if (nutrition) {
        snapshot.readNutritionValues();
        checkNutrition(c, snapshot);
    }
    if (job == JobDownloadNutritionTable) {
        QVector<NutritionElementFile::Row> rows;
        for (const NutritionElement &e : snapshot.nutritionElements)
            rows.append({NutritionElementFile::recordName(e),
                         e.unit >= 1 && e.unit <= 4 ? NutritionElementFile::unitNames().at(e.unit - 1) : QString()});
        checkElements(c, rows);
    }
    if (job == JobDownloadDepartments)
        checkDepartments(c, snapshot);
    if (job == JobDownloadPackageTypes)
        checkPackTypes(c, snapshot);
    return c.problems;
}

bool SendCheck::dropsMessages(const TransferSnapshot &snapshot, int job)
{
    if (job != JobDownloadPlu || !snapshot.hasDocument || !snapshot.selection.plu || snapshot.selection.message)
        return false;
    for (const QString &m : snapshot.messages) {
        if (!m.trimmed().isEmpty())
            return true;
    }
    return false;
}

QString SendCheck::dropsMessagesText()
{
    return tr("Sending the PLUs clears the scale's messages, and the file's messages are not among the parts "
              "chosen: the scale will hold no messages.");
}

bool SendCheck::sendsEmptyList(const TransferSnapshot &snapshot, int job, bool changesOnly)
{
    if (!snapshot.hasDocument || !snapshot.plus.isEmpty())
        return false;
    return changesOnly || job == JobUpdatePlu || (job == JobDownloadPlu && snapshot.selection.plu);
}

QString SendCheck::emptyListQuestion()
{
    return tr("The list is empty: sending it removes every PLU from the scale. Send anyway?");
}
