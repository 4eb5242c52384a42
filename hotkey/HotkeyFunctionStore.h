#pragma once

#include "hotkey/HotkeyFunctions.h"

// Where the function keys of the sheet are kept between runs: the local database's table of
// hotkey functions, one (key number, key value) row per function layer.
class HotkeyFunctionStore
{
public:
    virtual ~HotkeyFunctionStore() = default;
    // Every row, in the table's order.
    virtual HotkeyFunctionRows hotkeyFunctions() const = 0;
    // Deletes every row, then inserts these in order.
    virtual bool replaceHotkeyFunctions(const HotkeyFunctionRows &rows) = 0;
    // Why the last replacement failed.
    virtual QString lastError() const { return QString(); }
};

// A store kept in memory, for tests, and for a run whose local database cannot be opened.
class MemoryHotkeyFunctionStore : public HotkeyFunctionStore
{
public:
    HotkeyFunctionRows hotkeyFunctions() const override { return m_rows; }
    bool replaceHotkeyFunctions(const HotkeyFunctionRows &rows) override
    {
        m_rows = rows;
        return true;
    }

private:
    HotkeyFunctionRows m_rows;
};
