#include "core/TextLines.h"

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
