#include "editors/BarcodeLayout.h"

#include "core/PluColumns.h"
#include "core/PriceFormat.h"
#include "core/WeightUnits.h"
#include "document/PluTableModel.h"
#include "editors/BarcodeTypeTable.h"

#include <QRegularExpression>
#include <cmath>

using Field = BarcodeLayout::Field;

namespace {
// Kilograms per price unit of each weight unit: the gram units price 50 g, 1 g, 10 g, ... at a
// time; piece units are priced per piece (0).
const double kKgPerPriceUnit[WeightUnits::Count] = {
    0.05, 0.001, 0.01, 0.1, 1.0, 1.0 / 35.27399072294044, 1.0 / 2.2046226218487757, 0.5, 0.6, 0, 0, 0, 0,
};

qint64 pow10(int n)
{
    qint64 v = 1;
    for (int i = 0; i < n; ++i)
        v *= 10;
    return v;
}

// The measure a weight field counts in. Metric rows print kilograms in a field with decimals
// (XX.XXX) and grams in one without (XXXXX): the same digits, as tills read them, whichever gram
// unit the row is priced in. Imperial rows print their own unit.
struct Measure
{
    double perKg;
    const char *name;
};

Measure weightMeasure(int unitCode, int decimals)
{
    const double perKg = WeightUnits::perKilogram(unitCode);
    if (perKg == 1000.0 || perKg == 1.0)
        return decimals > 0 ? Measure{1.0, "kg"} : Measure{1000.0, "g"};
    return perKg > 10.0 ? Measure{perKg, "oz"} : Measure{perKg, "lb"};
}

// The department column: a digit count, or a two-digit prefix in one of its notations with an
// optional "+n" of department digits.
void parseDepartment(const QString &text, QVector<Field> *fields)
{
    static const QRegularExpression count(QStringLiteral("^(\\d)$"));
    static const QRegularExpression prefix(QStringLiteral("^\\(?(\\d\\d)\\)?(?:\\(\\d\\)|\\d)?(?:\\+(\\d))?$"));
    if (const QRegularExpressionMatch m = count.match(text); m.hasMatch()) {
        const int n = m.captured(1).toInt();
        fields->append({Field::Prefix, 1, 0, QStringLiteral("2")});
        if (n > 1)
            fields->append({Field::Department, n - 1, 0, QString()});
    } else if (const QRegularExpressionMatch p = prefix.match(text); p.hasMatch()) {
        fields->append({Field::Prefix, 2, 0, p.captured(1)});
        if (!p.captured(2).isEmpty())
            fields->append({Field::Department, p.captured(2).toInt(), 0, QString()});
    }
}

void parseCount(const QString &text, Field::Kind kind, int decimals, QVector<Field> *fields)
{
    const int n = text.toInt();
    if (n > 0)
        fields->append({kind, n, decimals, QString()});
}

void parseWeight(const QString &text, QVector<Field> *fields)
{
    static const QRegularExpression pattern(QStringLiteral("^X*(?:\\.(X*))?\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (m.hasMatch())
        fields->append({Field::Weight, m.captured(2).toInt(), int(m.captured(1).size()), QString()});
}

QString decimalsText(int decimals)
{
    if (decimals == 0)
        return BarcodeLayout::tr("no decimals");
    return decimals == 1 ? BarcodeLayout::tr("1 decimal") : BarcodeLayout::tr("%1 decimals").arg(decimals);
}

QString caption(Field::Kind kind)
{
    switch (kind) {
    case Field::Prefix:
        return BarcodeLayout::tr("prefix");
    case Field::Department:
        return BarcodeLayout::tr("dept");
    case Field::Code:
        return BarcodeLayout::tr("code");
    case Field::LFCode:
        return BarcodeLayout::tr("LF code");
    case Field::Price:
        return BarcodeLayout::tr("price");
    case Field::UnitPrice:
        return BarcodeLayout::tr("unit price");
    case Field::Weight:
        return BarcodeLayout::tr("weight");
    case Field::Discount:
        return BarcodeLayout::tr("discount");
    case Field::Check:
        return BarcodeLayout::tr("check");
    }
    return QString();
}

// The value's last `digits` digits; a value that needs more, or is negative, is a problem that
// keeps the barcode from being drawn: its digits would say something else.
QString fitted(qint64 value, int digits, const QString &what, QStringList *problems, bool *fits)
{
    if (value < 0) {
        problems->append(BarcodeLayout::tr("%1 is negative; the barcode shows 0.").arg(what));
        value = 0;
        *fits = false;
    }
    if (digits < 19 && value >= pow10(digits)) {
        problems->append(BarcodeLayout::tr("%1 needs more digits than the %2 the layout gives.").arg(what).arg(digits));
        value %= pow10(digits);
        *fits = false;
    }
    return QString::number(value).rightJustified(digits, QLatin1Char('0'));
}
} // namespace

BarcodeSample BarcodeSample::fromRow(const PluTableModel &model, int row, double weightKg)
{
    BarcodeSample s;
    s.department = model.text(row, PluColumns::Department).trimmed().toInt();
    s.code = model.text(row, PluColumns::Code).trimmed();
    s.lfCode = model.text(row, PluColumns::LFCode).trimmed().toInt();
    s.unitPrice = PriceFormat::toScaled(model.text(row, PluColumns::UnitPrice));
    s.unitCode = ::unitCode(model.text(row, PluColumns::WeightUnit));
    s.rebate = model.text(row, PluColumns::Rebate).trimmed().toInt();
    s.weightKg = weightKg;
    return s;
}

BarcodeLayout::BarcodeLayout(int type) : m_type(type)
{
    if (!BarcodeTypeTable::hasRow(type))
        return;
    const QString name = BarcodeTypeTable::cell(type, BarcodeTypeTable::Name);
    m_symbol = name == QLatin1String("EAN13")  ? Symbol::Ean13
               : name == QLatin1String("EAN8") ? Symbol::Ean8
                                               : Symbol::Gs1_128;
    auto cell = [type](int column) { return BarcodeTypeTable::cell(type, column); };
    const int priceDecimals = PriceFormat::decimals();
    parseDepartment(cell(BarcodeTypeTable::Department), &m_fields);
    parseCount(cell(BarcodeTypeTable::Code), Field::Code, 0, &m_fields);
    parseCount(cell(BarcodeTypeTable::LFCode), Field::LFCode, 0, &m_fields);
    parseCount(cell(BarcodeTypeTable::Price), Field::Price, priceDecimals, &m_fields);
    parseCount(cell(BarcodeTypeTable::UnitPrice), Field::UnitPrice, priceDecimals, &m_fields);
    parseWeight(cell(BarcodeTypeTable::Weight), &m_fields);
    parseCount(cell(BarcodeTypeTable::Discount), Field::Discount, 0, &m_fields);
    if (cell(BarcodeTypeTable::CheckSum) == QLatin1String("1"))
        m_fields.append({Field::Check, 1, 0, QString()});
}

int BarcodeLayout::length() const
{
    int n = 0;
    for (const Field &f : m_fields)
        n += f.digits;
    return n;
}

int BarcodeLayout::checkDigit(const QString &digits)
{
    int sum = 0;
    bool three = true;
    for (int i = digits.size() - 1; i >= 0; --i) {
        const int d = digits.at(i).digitValue();
        sum += qMax(0, d) * (three ? 3 : 1);
        three = !three;
    }
    return (10 - sum % 10) % 10;
}

QString BarcodeLayout::symbolName(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Ean13:
        return QStringLiteral("EAN-13");
    case Symbol::Ean8:
        return QStringLiteral("EAN-8");
    case Symbol::Gs1_128:
        return QStringLiteral("GS1-128");
    case Symbol::None:
        break;
    }
    return QString();
}

BarcodeLayout::Composed BarcodeLayout::compose(const BarcodeSample &sample) const
{
    Composed out;
    out.symbol = m_symbol;
    if (!isKnown())
        return out;
    bool fits = true;
    const bool pieces = WeightUnits::isPieceUnit(sample.unitCode);
    const double weightKg = qMax(0.0, sample.weightKg);
    for (const Field &f : m_fields) {
        QString text;
        switch (f.kind) {
        case Field::Prefix:
            text = f.fixed;
            break;
        case Field::Department:
            text =
                fitted(sample.department, f.digits, tr("Department %1").arg(sample.department), &out.problems, &fits);
            break;
        case Field::Code: {
            QString code = sample.code;
            code.remove(QRegularExpression(QStringLiteral("[^0-9]")));
            code.remove(QRegularExpression(QStringLiteral("^0+")));
            if (code.size() > f.digits) {
                out.problems.append(
                    tr("Code %1 needs more digits than the %2 the layout gives.").arg(sample.code).arg(f.digits));
                fits = false;
            }
            text = code.right(f.digits).rightJustified(f.digits, QLatin1Char('0'));
            break;
        }
        case Field::LFCode:
            text = fitted(sample.lfCode, f.digits, tr("LF code %1").arg(sample.lfCode), &out.problems, &fits);
            break;
        case Field::Price: {
            const double units =
                pieces || !WeightUnits::isValid(sample.unitCode) ? 1.0 : weightKg / kKgPerPriceUnit[sample.unitCode];
            const qint64 price = PriceFormat::roundHalfAway(double(sample.unitPrice) * units);
            text =
                fitted(price, f.digits, tr("The price %1").arg(PriceFormat::fromScaled(price)), &out.problems, &fits);
            break;
        }
        case Field::UnitPrice:
            text = fitted(sample.unitPrice, f.digits,
                          tr("The unit price %1").arg(PriceFormat::fromScaled(sample.unitPrice)), &out.problems, &fits);
            break;
        case Field::Weight: {
            const Measure measure = weightMeasure(sample.unitCode, f.decimals);
            const double inUnit = weightKg * measure.perKg;
            const qint64 value = PriceFormat::roundHalfAway(inUnit * double(pow10(f.decimals)));
            text = fitted(
                value, f.digits,
                tr("The weight %1 %2").arg(QString::number(inUnit, 'f', f.decimals), QLatin1String(measure.name)),
                &out.problems, &fits);
            break;
        }
        case Field::Discount: {
            const int discount = sample.rebate >= 0 && sample.rebate <= 127 ? sample.rebate : 0;
            text = fitted(discount, f.digits, tr("Discount %1").arg(discount), &out.problems, &fits);
            break;
        }
        case Field::Check:
            text = QString::number(checkDigit(out.digits));
            break;
        }
        out.digits += text;
        out.parts.append({f, text, caption(f.kind)});
    }
    const int wanted = m_symbol == Symbol::Ean13 ? 13 : m_symbol == Symbol::Ean8 ? 8 : 0;
    if (wanted > 0) {
        // EAN symbols end in their check digit; a layout without one must supply it itself.
        const QString body = out.digits.left(wanted - 1);
        const int expected = checkDigit(body);
        out.drawable = out.digits.size() == wanted && out.digits.at(wanted - 1).digitValue() == expected;
        if (out.digits.size() == wanted && !out.drawable) {
            out.problems.append(tr("The last digit %1 is not the check digit %2: tills refuse this barcode.")
                                    .arg(out.digits.at(wanted - 1))
                                    .arg(expected));
        }
    } else {
        out.drawable = out.digits.size() <= 30;
    }
    out.drawable = out.drawable && fits;
    return out;
}

QString BarcodeLayout::Composed::heldDigits() const
{
    return symbol == Symbol::Gs1_128 ? QLatin1String(Gs1Identifier) + digits : digits;
}

QString BarcodeLayout::Composed::symbolData() const
{
    if (symbol == Symbol::Gs1_128)
        return QLatin1Char('[') + QLatin1String(Gs1Identifier) + QLatin1Char(']') + digits;
    return digits;
}

QString BarcodeLayout::tillRule(int unitCode) const
{
    if (!isKnown())
        return QString();
    QStringList terms;
    if (m_symbol == Symbol::Gs1_128)
        terms << QStringLiteral("(%1)").arg(QLatin1String(Gs1Identifier));
    for (const Field &f : m_fields) {
        switch (f.kind) {
        case Field::Prefix:
            terms << f.fixed;
            break;
        case Field::Price:
        case Field::UnitPrice:
            terms << QStringLiteral("%1(%2, %3)").arg(caption(f.kind)).arg(f.digits).arg(decimalsText(f.decimals));
            break;
        case Field::Weight:
            terms << QStringLiteral("%1(%2, %3, %4)")
                         .arg(caption(f.kind))
                         .arg(f.digits)
                         .arg(decimalsText(f.decimals), QLatin1String(weightMeasure(unitCode, f.decimals).name));
            break;
        case Field::Check:
            terms << caption(f.kind);
            break;
        default:
            terms << QStringLiteral("%1(%2)").arg(caption(f.kind)).arg(f.digits);
            break;
        }
    }
    return symbolName(m_symbol) + QStringLiteral(": ") + terms.join(QStringLiteral(" + "));
}
