#include "io/XlsxReader.h"

#include "io/SheetBuilder.h"
#include "io/ZipPackage.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QXmlStreamReader>
#include <cmath>

namespace {
constexpr qint64 kSmallPart = 16 * 1024 * 1024; // workbook, relationships, styles
constexpr qint64 kSharedStrings = 64 * 1024 * 1024;

bool is(const QStringRef &name, const char *expected)
{
    return name == QLatin1String(expected);
}

bool xmlFailed(const QXmlStreamReader &xml, const QString &part, SheetError *error)
{
    if (!xml.hasError())
        return false;
    error->set(
        SheetError::Damaged,
        XlsxReader::tr("the part \"%1\" is damaged (%2, line %3)").arg(part, xml.errorString()).arg(xml.lineNumber()));
    return true;
}

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; the package itself (empty) -> "_rels/.rels"
QString relsOf(const QString &part)
{
    const int slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QLatin1String("_rels/") + part.mid(slash + 1) + QLatin1String(".rels");
}

QString resolve(const QString &fromPart, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target.mid(1));
    const int slash = fromPart.lastIndexOf(QLatin1Char('/'));
    return QDir::cleanPath(fromPart.left(slash + 1) + target);
}

struct Relationship
{
    QString type;
    QString target;
};

// Relationship id -> type and resolved target. A missing relationships part is an empty map.
bool readRelationships(ZipPackage &zip, const QString &part, QHash<QString, Relationship> *rels, SheetError *error)
{
    const QString name = relsOf(part);
    if (!zip.contains(name))
        return true;
    QByteArray bytes;
    if (!zip.readMember(name, kSmallPart, &bytes, error))
        return false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || !is(xml.name(), "Relationship"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (a.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        rels->insert(
            a.value(QLatin1String("Id")).toString(),
            {a.value(QLatin1String("Type")).toString(), resolve(part, a.value(QLatin1String("Target")).toString())});
    }
    return !xmlFailed(xml, name, error);
}

QString targetOfType(const QHash<QString, Relationship> &rels, const char *suffix)
{
    for (const Relationship &r : rels) {
        if (r.type.endsWith(QLatin1String(suffix)))
            return r.target;
    }
    return QString();
}

// Built-in number formats that show dates or times.
bool isDateFormatId(int id)
{
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
}

// A custom format shows a date or time when, outside quoted text, escapes and bracketed parts
// (colours, conditions, locales), it has a day, month, year, hour or second code. Elapsed time
// ("[h]", "[mm]") counts as time.
bool isDateFormatCode(const QString &code)
{
    static const QString dateCodes = QStringLiteral("dDmMyYhHsS");
    static const QString elapsedCodes = QStringLiteral("hHmMsS");
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('"')) {
            const int end = code.indexOf(QLatin1Char('"'), i + 1);
            i = end < 0 ? code.size() : end;
        } else if (c == QLatin1Char('[')) {
            const int end = code.indexOf(QLatin1Char(']'), i + 1);
            const QStringRef inside = code.midRef(i + 1, (end < 0 ? code.size() : end) - i - 1);
            bool elapsed = !inside.isEmpty();
            for (const QChar e : inside)
                elapsed = elapsed && elapsedCodes.contains(e);
            if (elapsed)
                return true;
            i = end < 0 ? code.size() : end;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i; // the next character is literal (or padding)
        } else if (dateCodes.contains(c)) {
            return true;
        }
    }
    return false;
}

// For every cell style: whether its numbers are dates.
bool readDateStyles(ZipPackage &zip, const QString &part, QVector<bool> *dateStyles, SheetError *error)
{
    if (part.isEmpty() || !zip.contains(part))
        return true;
    QByteArray bytes;
    if (!zip.readMember(part, kSmallPart, &bytes, error))
        return false;
    QHash<int, bool> custom;
    bool inCellXfs = false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (is(name, "numFmt")) {
                const QXmlStreamAttributes a = xml.attributes();
                custom.insert(a.value(QLatin1String("numFmtId")).toInt(),
                              isDateFormatCode(a.value(QLatin1String("formatCode")).toString()));
            } else if (is(name, "cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && is(name, "xf")) {
                const int id = xml.attributes().value(QLatin1String("numFmtId")).toInt();
                dateStyles->append(custom.contains(id) ? custom.value(id) : isDateFormatId(id));
            }
        } else if (xml.isEndElement() && is(xml.name(), "cellXfs")) {
            inCellXfs = false;
        }
    }
    return !xmlFailed(xml, part, error);
}

// The text of an <si> or <is> element: its <t> pieces, rich-text runs included, phonetic
// guides left out. The reader stands on the start element and ends on its end element.
QString readRichText(QXmlStreamReader &xml)
{
    QString text;
    int phonetic = 0;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (is(xml.name(), "rPh")) {
                ++phonetic;
            } else if (is(xml.name(), "t") && phonetic == 0) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth;
            }
        } else if (xml.isEndElement()) {
            --depth;
            if (is(xml.name(), "rPh"))
                --phonetic;
        }
    }
    if (text.size() > Sheet::MaxTextLength)
        text.truncate(Sheet::MaxTextLength);
    return text;
}

bool readSharedStrings(ZipPackage &zip, const QString &part, QStringList *strings, SheetError *error)
{
    if (part.isEmpty() || !zip.contains(part))
        return true;
    QIODevice *device = zip.openMember(part, error, kSharedStrings);
    if (!device)
        return false;
    QXmlStreamReader xml(device);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && is(xml.name(), "si"))
            strings->append(readRichText(xml));
    }
    if (!zip.finishMember(error))
        return false;
    return !xmlFailed(xml, part, error);
}

// "AB12" -> column 27, row 11 (from 0); false when it is no cell reference.
bool parseReference(const QStringRef &ref, int *row, int *column)
{
    int i = 0;
    int c = 0;
    const int n = ref.size();
    while (i < n && ref.at(i).isLetter()) {
        c = c * 26 + (ref.at(i).toUpper().unicode() - 'A' + 1);
        if (c > 1 << 20)
            return false;
        ++i;
    }
    if (i == 0 || i == n)
        return false;
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    if (!ok || r < 1)
        return false;
    *row = r - 1;
    *column = c - 1;
    return true;
}

QVariant dateOfSerial(double serial, bool date1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.0) // up to 9999-12-31
        return serial;
    const double days = std::floor(serial);
    const qint64 ms = qRound64((serial - days) * 86400000.0);
    QDate date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(static_cast<qint64>(days));
    else // the 1900 system counts a 29 February 1900 that never was
        date = QDate(1899, 12, days < 61 ? 31 : 30).addDays(static_cast<qint64>(days));
    if (ms == 0)
        return date;
    if (days == 0 && !date1904)
        return QTime(0, 0).addMSecs(static_cast<int>(ms));
    return QDateTime(date, QTime(0, 0).addMSecs(static_cast<int>(ms)));
}

QVariant isoDate(const QString &text)
{
    const QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid())
        return text;
    return dt.time() == QTime(0, 0) ? QVariant(dt.date()) : QVariant(dt);
}

struct Workbook
{
    QString sheetPart;
    QString sharedStringsPart;
    QString stylesPart;
    bool date1904 = false;
};

bool readWorkbook(ZipPackage &zip, Workbook *book, SheetError *error)
{
    QHash<QString, Relationship> packageRels;
    if (!readRelationships(zip, QString(), &packageRels, error))
        return false;
    QString part = targetOfType(packageRels, "/officeDocument");
    if (part.isEmpty())
        part = QStringLiteral("xl/workbook.xml");
    if (!zip.contains(part))
        return error->set(SheetError::NotASpreadsheet, XlsxReader::tr("the zip archive holds no workbook"));
    QHash<QString, Relationship> rels;
    if (!readRelationships(zip, part, &rels, error))
        return false;
    QByteArray bytes;
    if (!zip.readMember(part, kSmallPart, &bytes, error))
        return false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (is(xml.name(), "workbookPr")) {
            const QStringRef v = xml.attributes().value(QLatin1String("date1904"));
            book->date1904 = v == QLatin1String("1") || v == QLatin1String("true");
        } else if (is(xml.name(), "sheet") && book->sheetPart.isEmpty()) {
            // The relationship id is the one attribute named "id" in a namespace.
            const QXmlStreamAttributes attributes = xml.attributes();
            for (const QXmlStreamAttribute &a : attributes) {
                if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty()) {
                    const Relationship r = rels.value(a.value().toString());
                    if (r.type.endsWith(QLatin1String("/worksheet")))
                        book->sheetPart = r.target;
                }
            }
        }
    }
    if (xmlFailed(xml, part, error))
        return false;
    if (book->sheetPart.isEmpty() || !zip.contains(book->sheetPart))
        return error->set(SheetError::NoWorksheet, XlsxReader::tr("the workbook has no worksheet"));
    book->sharedStringsPart = targetOfType(rels, "/sharedStrings");
    book->stylesPart = targetOfType(rels, "/styles");
    return true;
}

QVariant cellValue(const QStringRef &type, const QString &v, bool hasV, const QString &inlineText, bool hasInline,
                   int style, const QVector<bool> &dateStyles, const QStringList &shared, bool date1904, bool *ok)
{
    *ok = true;
    if (type == QLatin1String("inlineStr"))
        return hasInline ? QVariant(inlineText) : QVariant();
    if (!hasV)
        return QVariant();
    if (type == QLatin1String("s")) {
        bool isNumber = false;
        const int index = v.toInt(&isNumber); // blanks around are ignored
        if (!isNumber || index < 0 || index >= shared.size()) {
            *ok = false;
            return QVariant();
        }
        return shared.at(index);
    }
    if (type == QLatin1String("str") || type == QLatin1String("e"))
        return v.left(Sheet::MaxTextLength);
    if (type == QLatin1String("b"))
        return v.trimmed() == QLatin1String("1") || v.trimmed() == QLatin1String("true");
    if (type == QLatin1String("d"))
        return isoDate(v.trimmed());
    bool isNumber = false;
    const double d = v.toDouble(&isNumber);
    if (!isNumber)
        return v.left(Sheet::MaxTextLength);
    if (style >= 0 && style < dateStyles.size() && dateStyles.at(style))
        return dateOfSerial(d, date1904);
    return d;
}
} // namespace

bool XlsxReader::read(QIODevice *device, Sheet *sheet, SheetError *error, const SheetProgress &progress)
{
    ZipPackage zip(device);
    if (!zip.open(error))
        return false;
    Workbook book;
    QVector<bool> dateStyles;
    QStringList shared;
    if (!readWorkbook(zip, &book, error) || !readDateStyles(zip, book.stylesPart, &dateStyles, error) ||
        !readSharedStrings(zip, book.sharedStringsPart, &shared, error))
        return false;

    QIODevice *part = zip.openMember(book.sheetPart, error);
    if (!part)
        return false;
    const qint64 total = zip.memberSize();
    SheetBuilder builder;
    QXmlStreamReader xml(part);
    int row = -1;
    int column = -1;
    int cells = 0;
    bool tooLarge = false;
    bool badCell = false;
    bool cancelled = false;
    while (!xml.atEnd() && !tooLarge && !badCell && !cancelled) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (is(name, "row")) {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row = ok && r >= 1 ? r - 1 : row + 1;
            column = -1;
            tooLarge = row >= Sheet::MaxRows;
        } else if (is(name, "c")) {
            const QXmlStreamAttributes a = xml.attributes();
            int r = row;
            int c = column + 1;
            if (!parseReference(a.value(QLatin1String("r")), &r, &c)) {
                r = qMax(row, 0);
                c = column + 1;
            }
            row = r;
            column = c;
            const QStringRef type = a.value(QLatin1String("t"));
            bool styleOk = false;
            int style = a.value(QLatin1String("s")).toInt(&styleOk);
            if (!styleOk)
                style = -1;
            QString v;
            QString inlineText;
            bool hasV = false;
            bool hasInline = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && is(xml.name(), "c"))
                    break;
                if (!xml.isStartElement())
                    continue;
                if (is(xml.name(), "v")) {
                    v = xml.readElementText();
                    hasV = true;
                } else if (is(xml.name(), "is")) {
                    inlineText = readRichText(xml);
                    hasInline = true;
                } else {
                    xml.skipCurrentElement();
                }
            }
            bool ok = true;
            const QVariant value =
                cellValue(type, v, hasV, inlineText, hasInline, style, dateStyles, shared, book.date1904, &ok);
            badCell = !ok;
            tooLarge = !builder.set(r, c, value);
            if (progress && (++cells & 0x3fff) == 0)
                cancelled = !progress(zip.memberDone(), total);
        } else if (is(name, "mergeCells") || is(name, "conditionalFormatting") || is(name, "extLst")) {
            xml.skipCurrentElement();
        }
    }
    const bool zipOk = zip.finishMember(error);
    if (cancelled)
        return error->set(SheetError::Cancelled, XlsxReader::tr("cancelled"));
    if (tooLarge)
        return error->set(SheetError::TooLarge, XlsxReader::tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
    if (!zipOk)
        return false;
    if (badCell)
        return error->set(SheetError::Damaged, XlsxReader::tr("a cell refers to a shared text that does not exist"));
    if (xmlFailed(xml, book.sheetPart, error))
        return false;
    *sheet = builder.take();
    return true;
}
