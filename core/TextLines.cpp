#include "core/TextLines.h"

#include <algorithm>

namespace {
template <typename S, typename C> QList<S> splitImpl(const S &text, C lf, C cr)
{
    QList<S> lines;
    int start = 0;
    const int n = text.size();
    while (start < n) {
        int end = text.indexOf(lf, start);
        const bool last = end < 0;
        if (last)
            end = n;
        int stop = end;
        if (!last && stop > start && text.at(stop - 1) == cr)
            --stop;
        lines.append(text.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}
} // namespace

QStringList TextLines::split(const QString &text)
{
    return splitImpl<QString, QChar>(text, QLatin1Char('\n'), QLatin1Char('\r'));
}

QList<QByteArray> TextLines::splitBytes(const QByteArray &bytes)
{
    return splitImpl<QByteArray, char>(bytes, '\n', '\r');
}

QString TextLines::joinCrLf(const QStringList &lines)
{
    QString out;
    for (const QString &l : lines) {
        out += l;
        out += QLatin1String("\r\n");
    }
    return out;
}

QString TextLines::oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

bool TextLines::nextCsvRecord(const QString &text, int *pos, QStringList *fields)
{
    const QChar quote = QLatin1Char('"');
    fields->clear();
    QString field;
    bool inQuotes = false;
    bool atFieldStart = true;
    int i = *pos;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c != quote)
                field += c;
            else if (i + 1 < text.size() && text.at(i + 1) == quote)
                field += text.at(++i);
            else
                inQuotes = false;
        } else if (c == QLatin1Char(',')) {
            *fields << field;
            field.clear();
            atFieldStart = true;
            continue;
        } else if (c == QLatin1Char('\n')) {
            break;
        } else if (c == quote && atFieldStart) {
            inQuotes = true;
        } else {
            field += c;
        }
        atFieldStart = false;
    }
    *fields << field;
    *pos = i + 1;
    return !inQuotes;
}

QString TextLines::csvField(const QString &field)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return special.contains(c); }))
        return field;
    QString f = field;
    f.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}
