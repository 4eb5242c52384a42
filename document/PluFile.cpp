#include "document/PluFile.h"

#include "core/PackageTypes.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/TextLines.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"

#include <QFileInfo>
#include <QTextCodec>

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
    return PackageTypes::name(ok ? code : 0); // a code outside the table names type 0
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

bool PluFile::readLines(const QByteArray &bytes, QTextCodec *codec, const QString &fileName, QStringList *lines,
                        QString *error)
{
    const QList<QByteArray> raw = TextLines::splitBytes(bytes);
    if (!codec)
        codec = TextCodec::codec();
    // Binary files and UTF-16 text hold NUL bytes; no file of this program does.
    for (int i = 0; i < raw.size(); ++i) {
        if (raw.at(i).contains('\0')) {
            if (error)
                *error = tr("\"%1\" is not a PLU file: line %2 holds a NUL byte.").arg(fileName).arg(i + 1);
            return false;
        }
    }
    int badLine = 0;
    if (!TextCodec::decodeLines(codec, raw, lines, &badLine)) {
        if (error) {
            const ZQConfig *config = ZQConfig::instance();
            const QString settings = config ? QFileInfo(config->fileName()).fileName() : QStringLiteral("SYSTEM.CFG");
            *error = tr("Line %1 of \"%2\" is not valid %3 text. If the file was written in another code page, "
                        "set CodePage in [Setting] of %4 to it.")
                         .arg(badLine)
                         .arg(fileName, QString::fromLatin1(codec->name()), settings);
        }
        return false;
    }
    return true;
}

namespace {
void parseTabSeparated(const QStringList &lines, PluFile::Parsed *p)
{
    const int n = qMin(lines.size(), PluColumns::RowCount);
    p->rows.fill(PluTableModel::newRow(), n);
    p->linesBeyondGrid = lines.size() - n;
    for (int r = 0; r < n; ++r) {
        const QStringList fields = lines.at(r).split(QLatin1Char('\t'));
        const int count = qMin(fields.size(), 27);
        for (int f = 0; f < count; ++f)
            putTabField(p->rows[r], f, fields.at(f));
    }
}

// Spreadsheet programs quote a field that holds a comma or a quote and double the quotes inside.
// A line without quotes splits at every comma, as it always did.
QStringList splitCommaLine(const QString &line)
{
    if (!line.contains(QLatin1Char('"')))
        return line.split(QLatin1Char(','));
    QStringList fields;
    int pos = 0;
    TextLines::nextCsvRecord(line, &pos, &fields); // lines hold no LF; an open quote runs to the end
    return fields;
}

void parseCommaSeparated(const QStringList &lines, PluFile::Parsed *p)
{
    const PluTableModel::Row fresh = PluTableModel::newRow();
    for (const QString &line : lines) {
        const QStringList f = splitCommaLine(line);
        if (f.size() < 3)
            continue;
        if (f.at(0).trimmed().toInt() == 0 && f.at(2).trimmed().toInt() == 0)
            break;
        if (p->rows.size() >= PluColumns::RowCount) {
            ++p->linesBeyondGrid;
            continue;
        }
        PluTableModel::Row cells = fresh;
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
        p->rows.append(cells);
    }
}
} // namespace

bool PluFile::read(Kind kind, const QByteArray &bytes, const QString &fileName, Parsed *out, QString *error)
{
    *out = Parsed();
    QTextCodec *codec = TextCodec::codec();
    // Our own files may be UTF-8 whatever the code page; a file that is not wholly UTF-8 is
    // read in the code page, so a name late in the file is not decoded differently.
    if (kind == Kind::TabSeparated && TextCodec::isValidUtf8(bytes))
        codec = QTextCodec::codecForMib(106);
    QStringList lines;
    if (!readLines(bytes, codec, fileName, &lines, error))
        return false;
    if (kind == Kind::CommaSeparated)
        parseCommaSeparated(lines, out);
    else
        parseTabSeparated(lines, out);
    return true;
}

QByteArray PluFile::toBytes(const QVector<PluTableModel::Row> &rows, int rowCount)
{
    const bool recomdays = ZQConfig::isShowRecomdays();
    const QString zero = QStringLiteral("0");
    QString out;
    out.reserve(rowCount * 96);
    QString fields[C::Count];
    for (int r = 0; r < rowCount && r < rows.size(); ++r) {
        const PluTableModel::Row &row = rows.at(r);
        auto text = [&row](int c) { return row[c].toString(); };
        auto cell = [&](int c) { return TextLines::oneLine(text(c)); };
        fields[0] = cell(C::HotKey);
        fields[1] = cell(C::PluName);
        fields[2] = cell(C::LFCode);
        fields[3] = cell(C::Code);
        fields[4] = cell(C::BarCode);
        fields[5] = QString::number(PriceFormat::toScaled(text(C::UnitPrice)));
        fields[6] = QString::number(unitCode(text(C::WeightUnit)));
        fields[7] = cell(C::Department);
        fields[8] = cell(C::Tare);
        fields[9] = cell(C::ShelfTime);
        fields[10] = QString::number(PackageTypes::code(text(C::PackageType)));
        fields[11] = cell(C::PackageWeight);
        fields[12] = cell(C::Tolerance);
        fields[13] = cell(C::Message1);
        fields[14] = cell(C::Message2);
        fields[15] = amountField(text(C::Account));
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
