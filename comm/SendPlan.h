#pragma once

#include "core/TPLU.h"

#include <QString>

// What a scale says of its PLU memory: how many PLUs it holds and may hold, and a token that it
// changes whenever that memory changes, whoever changed it (and after a reset).
struct ScaleMemoryState
{
    int capacity = -1;
    int plus = -1; // -1: the scale did not say
    QString token; // empty: the scale keeps none
    bool known() const { return plus >= 0; }
    bool operator==(const ScaleMemoryState &o) const
    {
        return capacity == o.capacity && plus == o.plus && token == o.token;
    }
    // The link library's answer {"Capacity", "Plus", "Token"}; false when it does not read.
    static bool fromJson(const char *json, ScaleMemoryState *out);
};

// "Send changes" to one scale: the history decides what would go, but only the scale can confirm
// that the history still holds. The worker asks the scale before the first frame and sends
// everything, the messages with it, when the scale's memory is not what the history recorded.
struct SendPlan
{
    bool changesOnly = false;
    QString fullReason;        // set when the history alone asks for everything
    ScaleMemoryState recorded; // what the scale said after the last send that ended well
    TPLUList changed;          // what goes when the history holds
};
