#pragma once

// The kinds of transfer a worker runs. Upload brings data from the scale, Download sends to it.
enum TransferJob : int
{
    JobNone0 = 0,
    JobNone1 = 1,
    JobUploadPluForHotkeys = 2, // hotkey sheet editor: PLUs (and hotkey functions) from the scale
    JobUpdatePlu = 3,           // send the PLU table without clearing the scale
    JobDownloadPlu = 4,         // send the selected parts
    JobDownloadDepartments = 5,
    JobUploadDepartments = 6,
    JobDownloadNutritionTable = 7,
    JobDownloadHotkeySheet = 8,
    JobUploadPlu = 9, // PLUs, hotkey functions, advertising, messages, schedules from the scale
    JobNone10 = 10,
    JobDownloadAdvertising = 11,
    JobNone12 = 12,
    JobDownloadPackageTypes = 13,
    JobUploadPackageTypes = 14,
};

// Jobs that send something to the scale (and so belong in the send journal).
inline bool sendsToScale(int job)
{
    return job == JobUpdatePlu || job == JobDownloadPlu || job == JobDownloadDepartments ||
           job == JobDownloadNutritionTable || job == JobDownloadHotkeySheet || job == JobDownloadAdvertising ||
           job == JobDownloadPackageTypes;
}

// RS-232 or TCP/IP.
enum LinkType : int
{
    LinkSerial = 0,
    LinkTcp = 1
};
