#include "io/Sheet.h"

#include "core/PriceFormat.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <cmath>

QString Sheet::text(const QVariant &cell)
{
    switch (static_cast<QMetaType::Type>(cell.userType())) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::Double: {
        const double d = cell.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<qint64>(d));
        return QString::number(d, 'g', QLocale::FloatingPointShortest);
    }
    case QMetaType::Bool:
        return cell.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QDate:
        return cell.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return cell.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::QTime:
        return cell.toTime().toString(QStringLiteral("HH:mm:ss"));
    default:
        return cell.toString();
    }
}

qint64 Sheet::integer(const QVariant &cell)
{
    switch (static_cast<QMetaType::Type>(cell.userType())) {
    case QMetaType::Double:
        return PriceFormat::roundHalfAway(cell.toDouble());
    case QMetaType::Bool:
        return cell.toBool() ? 1 : 0;
    case QMetaType::QString: {
        const QString t = cell.toString().trimmed();
        bool ok = false;
        const qint64 v = t.toLongLong(&ok);
        if (ok)
            return v;
        const double d = t.toDouble(&ok);
        return ok ? PriceFormat::roundHalfAway(d) : 0;
    }
    default:
        return 0;
    }
}

double Sheet::decimal(const QVariant &cell)
{
    switch (static_cast<QMetaType::Type>(cell.userType())) {
    case QMetaType::Double: {
        const double d = cell.toDouble();
        return std::isfinite(d) ? d : 0.0;
    }
    case QMetaType::Bool:
        return cell.toBool() ? 1.0 : 0.0;
    case QMetaType::QString: {
        bool ok = false;
        const double d = cell.toString().trimmed().toDouble(&ok);
        return ok && std::isfinite(d) ? d : 0.0;
    }
    default:
        return 0.0;
    }
}
