#pragma once

#include "document/SchedulePeriod.h"

#include <QByteArray>
#include <QVector>

// The ten discount schedule modes of the document, five periods each, mode-major.
class ScheduleStore
{
public:
    static constexpr int ModeCount = 10;
    static constexpr int PeriodsPerMode = 5;
    static constexpr int PeriodCount = ModeCount * PeriodsPerMode;

    ScheduleStore();

    const QVector<SchedulePeriod> &periods() const { return m_periods; }
    // Resets all periods, then takes whole modes from the list and a partial last mode;
    // elements past the 50th are ignored.
    void setPeriods(const QVector<SchedulePeriod> &periods);
    void clearSchedules();
    SchedulePeriod period(int mode, int index) const { return m_periods[mode * PeriodsPerMode + index]; }
    void setPeriod(int mode, int index, const SchedulePeriod &p) { m_periods[mode * PeriodsPerMode + index] = p; }

    // The start-time rule of the schedule window: minutes round up to the next ten; a result of
    // 60 falls back to the full hour without advancing it (10:55 becomes 10:00).
    static int roundedMinute(int minute);
    // The five periods of one mode in order of their start: a period that starts before the one
    // above it takes that period's values, and the fix carries on downwards.
    static void orderPeriods(SchedulePeriod *fivePeriods);

    // The ".RSC" file: "M<mode>,S<period>,<hour>,<minute>,<rate>" per period, CR LF ends.
    QByteArray toRscBytes() const;
    // The periods an ".RSC" file lists, in file order (lines with fewer than five fields are
    // skipped).
    static QVector<SchedulePeriod> parseRsc(const QByteArray &bytes);

private:
    QVector<SchedulePeriod> m_periods;
};
