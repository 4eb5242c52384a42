#include "core/PriceFormat.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {
int g_decimals = 2;

qint64 pow10(int n)
{
    qint64 v = 1;
    for (int i = 0; i < n; ++i)
        v *= 10;
    return v;
}
} // namespace

int PriceFormat::decimals()
{
    return g_decimals;
}

void PriceFormat::setDecimals(int decimals)
{
    g_decimals = qBound(0, decimals, 9);
}

qint64 PriceFormat::scale()
{
    return pow10(g_decimals);
}

qint64 PriceFormat::roundHalfAway(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double r = std::round(value); // std::round rounds halves away from zero
    if (r >= static_cast<double>(std::numeric_limits<qint64>::max()))
        return std::numeric_limits<qint64>::max();
    if (r <= static_cast<double>(std::numeric_limits<qint64>::min()))
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(r);
}

qint64 PriceFormat::toScaled(const QString &text, int decimals, bool *ok)
{
    static const QRegularExpression plain(QStringLiteral("^\\s*([+-]?)(\\d*)(?:\\.(\\d*))?\\s*$"));
    decimals = qBound(0, decimals, 9);
    const QRegularExpressionMatch m = plain.match(text);
    if (m.hasMatch() && (!m.captured(2).isEmpty() || !m.captured(3).isEmpty()) && m.captured(2).size() <= 15) {
        const bool negative = m.captured(1) == QLatin1String("-");
        const QString intPart = m.captured(2);
        QString frac = m.captured(3);
        const bool roundUp = frac.size() > decimals && frac.at(decimals) >= QLatin1Char('5');
        frac = frac.left(decimals).leftJustified(decimals, QLatin1Char('0'));
        qint64 v = intPart.isEmpty() ? 0 : intPart.toLongLong();
        v = v * pow10(decimals) + (frac.isEmpty() ? 0 : frac.toLongLong());
        if (roundUp)
            ++v;
        if (ok)
            *ok = true;
        return negative ? -v : v;
    }
    // Exponent forms and other spellings the digit path does not take.
    bool parsed = false;
    const double d = text.trimmed().toDouble(&parsed);
    if (ok)
        *ok = parsed;
    return parsed ? roundHalfAway(d * static_cast<double>(pow10(decimals))) : 0;
}

QString PriceFormat::fromScaled(qint64 value, int decimals)
{
    decimals = qBound(0, decimals, 9);
    const bool negative = value < 0;
    const quint64 abs = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    const quint64 p = static_cast<quint64>(pow10(decimals));
    QString s = QString::number(abs / p);
    if (decimals > 0)
        s += QLatin1Char('.') + QString::number(abs % p).rightJustified(decimals, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + s : s;
}
