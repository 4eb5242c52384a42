#include "document/PluFile.h"

#include "core/PackageTypes.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/TextLines.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"

#include <QFileInfo>

using C = PluColumns;

namespace {
QVariant codeValue(const QString &field)
{
    // An empty code stays empty text; anything else is held as a 64-bit number.
    return field.isEmpty() ? QVariant(QString()) : QVariant(field.trimmed().toLongLong());
}

QString unitOfCode(const QString &field)
{
    bool ok = false;
    const int code = field.trimmed().toInt(&ok);
    return unitName(ok && WeightUnits::isValid(code) ? code : 0);
}

QString packageOfCode(const QString &field)
{
    bool ok = false;
    const int code = field.trimmed().toInt(&ok);
    return PackageTypes::name(ok && code >= 0 && code < PackageTypes::Count ? code : 0);
}

// Field 5 holds the price as a whole number of the smallest money unit.
QString priceOfField(const QString &field)
{
    bool ok = false;
    qint64 scaled = field.trimmed().toLongLong(&ok);
    if (!ok)
        scaled = PriceFormat::roundHalfAway(field.trimmed().toDouble());
    return PriceFormat::fromScaled(scaled);
}

// Amount (Account): the cell holds the scaled integer the record carries, so it is written and
// read unchanged and a round trip never rescales it.
QString amountField(const QString &cell)
{
    bool ok = false;
    const qint64 v = cell.trimmed().toLongLong(&ok);
    return QString::number(ok ? v : PriceFormat::roundHalfAway(cell.trimmed().toDouble()));
}

QVector<PluTableModel::Row> freshGrid()
{
    return QVector<PluTableModel::Row>(PluColumns::RowCount, PluTableModel::newRow());
}

void putTabField(PluTableModel::Row &row, int field, const QString &text)
{
    switch (field) {
    case 2:
        row[C::LFCode] = text.trimmed().toInt();
        break;
    case 3:
        row[C::Code] = codeValue(text);
        break;
    case 5:
        row[C::UnitPrice] = priceOfField(text);
        break;
    case 6:
        row[C::WeightUnit] = unitOfCode(text);
        break;
    case 7:
    case 8:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14:
        row[field + 1] = text.trimmed();
        break;
    case 10:
        row[C::PackageType] = packageOfCode(text);
        break;
    case 15:
        row[C::Account] = text;
        break;
    case 18:
        row[C::QtyUnit] = text;
        break;
    default:
        if (field < PluColumns::Count)
            row[field] = text;
        break;
    }
}
} // namespace

PluFile::Kind PluFile::kindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return Kind::CommaSeparated;
    if (suffix.compare(QLatin1String("txp"), Qt::CaseInsensitive) == 0 ||
        suffix.compare(QLatin1String("txu"), Qt::CaseInsensitive) == 0)
        return Kind::TabSeparated;
    return Kind::Unknown;
}

PluFile::Parsed PluFile::parseTabSeparated(const QByteArray &bytes)
{
    const QList<QByteArray> lines = TextLines::splitBytes(bytes);
    bool utf8 = true;
    for (int i = 0; i < lines.size() && i < 30 && utf8; ++i)
        utf8 = TextCodec::isValidUtf8(lines.at(i));

    Parsed p;
    p.rows = freshGrid();
    for (int r = 0; r < lines.size(); ++r) {
        if (r >= PluColumns::RowCount) {
            p.linesBeyondGrid = lines.size() - r;
            break;
        }
        const QString line = utf8 ? QString::fromUtf8(lines.at(r)) : TextCodec::fromLocal8(lines.at(r));
        const QStringList fields = line.split(QLatin1Char('\t'));
        const int n = qMin(fields.size(), 27);
        for (int f = 0; f < n; ++f)
            putTabField(p.rows[r], f, fields.at(f));
        p.rowCount = r + 1;
    }
    return p;
}

PluFile::Parsed PluFile::parseCommaSeparated(const QByteArray &bytes)
{
    const QStringList lines = TextLines::split(TextCodec::fromLocal8(bytes));
    Parsed p;
    p.rows = freshGrid();
    int row = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList f = lines.at(i).split(QLatin1Char(','));
        if (f.size() < 3)
            continue;
        if (f.at(0).trimmed().toInt() == 0 && f.at(2).trimmed().toInt() == 0)
            break;
        if (row >= PluColumns::RowCount) {
            ++p.linesBeyondGrid;
            continue;
        }
        PluTableModel::Row &cells = p.rows[row];
        for (int c = 0; c < f.size() && c < PluColumns::Count; ++c) {
            const QString &text = f.at(c);
            switch (c) {
            case C::LFCode:
                cells[c] = text.trimmed().toInt();
                break;
            case C::Code:
                cells[c] = codeValue(text);
                break;
            case C::WeightUnit:
                cells[c] = unitOfCode(text);
                break;
            case C::PackageType:
                cells[c] = packageOfCode(text);
                break;
            default:
                cells[c] = text;
                break;
            }
        }
        p.rowCount = ++row;
    }
    return p;
}

QByteArray PluFile::toBytes(const PluTableModel &model, int rowCount)
{
    const bool recomdays = ZQConfig::isShowRecomdays();
    const QString zero = QStringLiteral("0");
    QString out;
    out.reserve(rowCount * 96);
    QString fields[C::Count];
    for (int r = 0; r < rowCount && r < model.rowCount(); ++r) {
        auto cell = [&](int c) { return TextLines::oneLine(model.text(r, c)); };
        fields[0] = cell(C::HotKey);
        fields[1] = cell(C::PluName);
        fields[2] = cell(C::LFCode);
        fields[3] = cell(C::Code);
        fields[4] = cell(C::BarCode);
        fields[5] = QString::number(PriceFormat::toScaled(model.text(r, C::UnitPrice)));
        fields[6] = QString::number(unitCode(model.text(r, C::WeightUnit)));
        fields[7] = cell(C::Department);
        fields[8] = cell(C::Tare);
        fields[9] = cell(C::ShelfTime);
        fields[10] = QString::number(PackageTypes::code(model.text(r, C::PackageType)));
        fields[11] = cell(C::PackageWeight);
        fields[12] = cell(C::Tolerance);
        fields[13] = cell(C::Message1);
        fields[14] = cell(C::Message2);
        fields[15] = amountField(model.text(r, C::Account));
        fields[16] = cell(C::Label);
        fields[17] = cell(C::Rebate);
        fields[18] = cell(C::QtyUnit);
        fields[19] = cell(C::ProDate);
        fields[20] = cell(C::TraceID);
        fields[21] = recomdays ? cell(C::Recomdays) : zero;
        fields[22] = cell(C::Nutrition);
        fields[23] = cell(C::Ice);
        fields[24] = cell(C::PackPrice);
        fields[25] = cell(C::NgTolerance);
        for (int f = 0; f < C::Count; ++f) {
            if (f > 0)
                out += QLatin1Char('\t');
            out += fields[f];
        }
        out += QLatin1String("\r\n");
    }
    return TextCodec::toLocal8(out);
}
