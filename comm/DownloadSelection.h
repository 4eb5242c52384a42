#pragma once

// Which parts "Download PLU" sends. Process-wide, false at start, written by the selection
// dialog's OK and read by the transfer.
struct DownloadSelection
{
    bool plu = false;
    bool hotkey = false;
    bool info = false;
    bool message = false;
    bool schedule = false;
    bool nutrition = false;

    bool any() const { return plu || hotkey || info || message || schedule || nutrition; }
    static DownloadSelection &current();
};
