#pragma once

#include <QMetaType>
#include <QVector>
#include <cstdint>

// One period of a discount schedule: start time and the rate (100 minus the discount percent).
// Packed to the 7 bytes the scale knows.
#pragma pack(push, 1)
struct SchedulePeriod
{
    int8_t hour = 0;
    int8_t minute = 0;
    int8_t rate = 100;
    uint8_t reserved[4] = {0, 0, 0, 0};

    bool operator==(const SchedulePeriod &o) const
    {
        return hour == o.hour && minute == o.minute && rate == o.rate && reserved[0] == o.reserved[0] &&
               reserved[1] == o.reserved[1] && reserved[2] == o.reserved[2] && reserved[3] == o.reserved[3];
    }
    bool operator!=(const SchedulePeriod &o) const { return !(*this == o); }
};
#pragma pack(pop)
static_assert(sizeof(SchedulePeriod) == 7, "a schedule period is 7 bytes on the wire");

Q_DECLARE_METATYPE(SchedulePeriod)
