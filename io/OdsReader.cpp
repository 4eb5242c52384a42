#include "io/OdsReader.h"

#include "io/SheetBuilder.h"
#include "io/ZipPackage.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTime>
#include <QXmlStreamReader>

namespace {
bool is(const QStringRef &name, const char *expected)
{
    return name == QLatin1String(expected);
}

// Attributes by their local name: the format's are all in a namespace ("office:value").
QStringRef attribute(const QXmlStreamAttributes &attributes, const char *name)
{
    for (const QXmlStreamAttribute &a : attributes) {
        if (a.name() == QLatin1String(name))
            return a.value();
    }
    return QStringRef();
}

// "PT10H30M00S" -> 10:30:00
QVariant durationTime(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral("^-?P(?:\\d+D)?T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:\\.\\d+)?)S)?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return text;
    const int h = m.captured(1).toInt();
    const int min = m.captured(2).toInt();
    const double sec = m.captured(3).toDouble();
    const QTime t = QTime(0, 0).addMSecs(qRound64((h * 3600.0 + min * 60.0 + sec) * 1000.0) % 86400000);
    return t;
}

QVariant isoDate(const QString &text)
{
    const QDateTime dt = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    if (dt.isValid())
        return dt.time() == QTime(0, 0) ? QVariant(dt.date()) : QVariant(dt);
    const QDate d = QDate::fromString(text.trimmed(), Qt::ISODate);
    return d.isValid() ? QVariant(d) : QVariant(text);
}

// The paragraphs of a cell, joined by line feeds; spaces, tabs and line breaks as written.
// The reader stands on the cell's start element and ends on its end element.
QString readCellText(QXmlStreamReader &xml)
{
    QString text;
    int paragraphs = 0;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            // Past the bound nothing more is kept: a few bytes of "text:s" stand for a thousand
            // blanks, and a cell of them must not fill the memory.
            if (is(name, "annotation") || is(name, "table") || text.size() > Sheet::MaxTextLength) {
                xml.skipCurrentElement();
                continue;
            }
            ++depth;
            if (is(name, "p") || is(name, "h")) {
                if (paragraphs++ > 0)
                    text += QLatin1Char('\n');
            } else if (is(name, "s")) {
                bool ok = false;
                const int c = attribute(xml.attributes(), "c").toInt(&ok);
                text += QString(ok ? qBound(1, c, 1000) : 1, QLatin1Char(' '));
            } else if (is(name, "tab")) {
                text += QLatin1Char('\t');
            } else if (is(name, "line-break")) {
                text += QLatin1Char('\n');
            }
        } else if (xml.isEndElement()) {
            --depth;
        } else if (xml.isCharacters() && text.size() <= Sheet::MaxTextLength) {
            text += xml.text();
        }
    }
    text.truncate(Sheet::MaxTextLength);
    return text;
}

// The value of a cell whose start element the reader stands on; the reader ends on its end.
QVariant readCell(QXmlStreamReader &xml)
{
    const QXmlStreamAttributes a = xml.attributes();
    const QStringRef type = attribute(a, "value-type");
    QVariant value;
    if (type == QLatin1String("float") || type == QLatin1String("percentage") || type == QLatin1String("currency")) {
        bool ok = false;
        const double d = attribute(a, "value").toDouble(&ok);
        if (ok)
            value = d;
    } else if (type == QLatin1String("date")) {
        value = isoDate(attribute(a, "date-value").toString());
    } else if (type == QLatin1String("time")) {
        value = durationTime(attribute(a, "time-value").toString());
    } else if (type == QLatin1String("boolean")) {
        const QStringRef b = attribute(a, "boolean-value");
        value = b == QLatin1String("true") || b == QLatin1String("1");
    } else if (type == QLatin1String("string") && !attribute(a, "string-value").isNull()) {
        value = attribute(a, "string-value").toString().left(Sheet::MaxTextLength);
    }
    if (type == QLatin1String("string") && !value.isValid())
        value = readCellText(xml);
    else
        xml.skipCurrentElement();
    return value;
}

int repeatCount(const QXmlStreamReader &xml, const char *name)
{
    bool ok = false;
    const int n = attribute(xml.attributes(), name).toInt(&ok);
    return ok && n > 0 ? n : 1;
}

bool isEncrypted(ZipPackage &zip, SheetError *error)
{
    const QString manifest = QStringLiteral("META-INF/manifest.xml");
    QByteArray bytes;
    if (!zip.contains(manifest) || !zip.readMember(manifest, 4 * 1024 * 1024, &bytes, error))
        return false;
    return bytes.contains("encryption-data");
}
} // namespace

bool OdsReader::read(QIODevice *device, Sheet *sheet, SheetError *error, const SheetProgress &progress)
{
    ZipPackage zip(device);
    if (!zip.open(error))
        return false;
    if (isEncrypted(zip, error))
        return error->set(SheetError::PasswordProtected, OdsReader::tr("the workbook is password-protected"));
    const QString part = QStringLiteral("content.xml");
    QIODevice *content = zip.openMember(part, error);
    if (!content)
        return false;
    const qint64 total = zip.memberSize();

    SheetBuilder builder;
    QXmlStreamReader xml(content);
    bool inTable = false;
    bool tableSeen = false;
    int row = 0;
    int cells = 0;
    bool tooLarge = false;
    bool cancelled = false;
    while (!xml.atEnd() && !tooLarge && !cancelled) {
        xml.readNext();
        if (xml.isEndElement() && inTable && is(xml.name(), "table"))
            break; // the first table is all we read
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (!inTable) {
            if (is(name, "table")) {
                inTable = true;
                tableSeen = true;
            }
            continue;
        }
        if (is(name, "table-column") || is(name, "shapes") || is(name, "named-expressions")) {
            xml.skipCurrentElement();
            continue;
        }
        if (!is(name, "table-row"))
            continue; // header rows, row groups: their rows follow
        const int rowRepeat = repeatCount(xml, "number-rows-repeated");
        QVector<QVariant> values;
        int column = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && is(xml.name(), "table-row"))
                break;
            if (!xml.isStartElement())
                continue;
            const QStringRef cellName = xml.name();
            if (!is(cellName, "table-cell") && !is(cellName, "covered-table-cell")) {
                xml.skipCurrentElement();
                continue;
            }
            const int cellRepeat = repeatCount(xml, "number-columns-repeated");
            const QVariant value = readCell(xml);
            if (value.isValid()) {
                // Repeats past the last column we keep are left out, as wide rows are.
                const int last = qMin<qint64>(qint64(column) + cellRepeat, Sheet::MaxColumns);
                if (values.size() < last)
                    values.resize(last);
                for (int c = column; c < last; ++c)
                    values[c] = value;
            }
            column = static_cast<int>(qMin<qint64>(qint64(column) + cellRepeat, 1 << 24));
        }
        bool hasValue = false;
        for (const QVariant &v : qAsConst(values))
            hasValue = hasValue || v.isValid();
        // Empty rows, however often repeated (a sheet's tail usually is), only move on.
        if (hasValue) {
            if (qint64(row) + rowRepeat > Sheet::MaxRows) {
                tooLarge = true;
                break;
            }
            for (int r = row; r < row + rowRepeat; ++r) {
                for (int c = 0; c < values.size(); ++c)
                    builder.set(r, c, values.at(c));
            }
        }
        row = static_cast<int>(qMin<qint64>(qint64(row) + rowRepeat, 1 << 30));
        cells += values.size() * (hasValue ? rowRepeat : 1);
        if (progress && cells > 0x3fff) {
            cells = 0;
            cancelled = !progress(zip.memberDone(), total);
        }
    }
    const bool zipOk = zip.finishMember(error);
    if (cancelled)
        return error->set(SheetError::Cancelled, OdsReader::tr("cancelled"));
    if (tooLarge)
        return error->set(SheetError::TooLarge, OdsReader::tr("the sheet has more than %1 rows").arg(Sheet::MaxRows));
    if (!zipOk)
        return false;
    if (xml.hasError())
        return error->set(SheetError::Damaged, OdsReader::tr("the part \"%1\" is damaged (%2, line %3)")
                                                   .arg(part, xml.errorString())
                                                   .arg(xml.lineNumber()));
    if (!tableSeen)
        return error->set(SheetError::NoWorksheet, OdsReader::tr("the workbook has no worksheet"));
    *sheet = builder.take();
    return true;
}
