#include "document/ScheduleStore.h"

#include "core/TextCodec.h"
#include "core/TextLines.h"

ScheduleStore::ScheduleStore() : m_periods(PeriodCount) {}

void ScheduleStore::clearSchedules()
{
    m_periods.fill(SchedulePeriod());
}

void ScheduleStore::setPeriods(const QVector<SchedulePeriod> &periods)
{
    clearSchedules();
    const int n = qMin(periods.size(), PeriodCount);
    for (int i = 0; i < n; ++i)
        m_periods[i] = periods.at(i);
}

int ScheduleStore::roundedMinute(int minute)
{
    const int rounded = (minute + 9) / 10 * 10;
    return rounded < 60 ? rounded : 0;
}

void ScheduleStore::orderPeriods(SchedulePeriod *fivePeriods)
{
    auto start = [](const SchedulePeriod &p) { return p.hour * 60 + p.minute; };
    for (int k = 0; k + 1 < PeriodsPerMode; ++k) {
        if (start(fivePeriods[k + 1]) < start(fivePeriods[k]))
            fivePeriods[k + 1] = fivePeriods[k];
    }
}

QByteArray ScheduleStore::toRscBytes() const
{
    QString text;
    for (int i = 0; i < PeriodCount; ++i) {
        const SchedulePeriod &p = m_periods[i];
        text += QStringLiteral("M%1,S%2,%3,%4,%5\r\n")
                    .arg(i / PeriodsPerMode)
                    .arg(i % PeriodsPerMode)
                    .arg(p.hour)
                    .arg(p.minute)
                    .arg(p.rate);
    }
    return TextCodec::toLocal8(text);
}

QVector<SchedulePeriod> ScheduleStore::parseRsc(const QByteArray &bytes)
{
    QVector<SchedulePeriod> list;
    const QStringList lines = TextLines::split(TextCodec::fromLocal8(bytes));
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() <= 4)
            continue;
        SchedulePeriod p;
        p.hour = static_cast<int8_t>(f.at(2).trimmed().toInt());
        p.minute = static_cast<int8_t>(f.at(3).trimmed().toInt());
        p.rate = static_cast<int8_t>(f.at(4).trimmed().toInt());
        list << p;
    }
    return list;
}
