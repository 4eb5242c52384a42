#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

struct TransferSnapshot;

// One cell (or advertising text) that a transfer would send cut, changed or refused.
struct SendProblem
{
    int row = -1;    // table row from 0; -1 for the advertising texts
    int column = -1; // table column; -1 for the advertising texts
    QString field;   // the column's caption, or which advertising text
    QString value;   // as the operator sees it
    QString rule;    // what is allowed: "0~20", "at most 36 characters", ...
    QString text;    // the finding as a sentence: "Tolerance (%) 30 is outside 0~20"

    // "row 4002: Tolerance (%) 30 is outside 0~20", the row counted from 1 as the grid shows it.
    QString line() const;
};

// Looks at what a job would send before anything is sent, so that a bad row stops the job
// before the scale is cleared, and names the cell. The limits are the cell editors' and the
// per-cell checks' (PluLimits); names and advertising texts are also checked against the code
// page and the byte sizes the scale keeps.
class SendCheck
{
    Q_DECLARE_TR_FUNCTIONS(SendCheck)
public:
    // Checks every record of every part the job sends: "Update PLU" the PLU rows; "Download PLU"
    // the PLU rows, the hotkey and LF code columns, the advertising texts, the messages, the
    // discount schedule and the nutrition (elements and each PLU's values as they travel) as its
    // parts are selected; "Send changes" (changesOnly) the PLU rows and the messages that a full
    // send would take along; the department, package type and element downloads their tables.
    // Stores outside the document that the job needs are read into the snapshot first, so the
    // worker never meets an unreadable one after something was cleared. Problems in row, then
    // column order, then the side parts; none when the job may go ahead.
    static QVector<SendProblem> check(TransferSnapshot &snapshot, int job, bool changesOnly = false);
    // A full PLU send clears the scale's messages with its PLUs: true when the file has messages
    // and the parts chosen leave them out, which the operator is told before the send.
    static bool dropsMessages(const TransferSnapshot &snapshot, int job);
    static QString dropsMessagesText();
    // A PLU send ("Download PLU" with its PLU part, "Update PLU", "Send changes") of a list that
    // holds no PLU row: a full send would clear the scale and put nothing back. Asked about (or
    // refused) first, never sent as a matter of course.
    static bool sendsEmptyList(const TransferSnapshot &snapshot, int job, bool changesOnly = false);
    static QString emptyListQuestion();
};
