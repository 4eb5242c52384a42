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
    // "Update PLU" checks the PLU rows; "Download PLU" the PLU rows, the hotkey and LF code
    // columns and the advertising texts as its parts are selected; "Download AD" the
    // advertising texts. Problems in row, then column order; none when the job may go ahead.
    static QVector<SendProblem> check(const TransferSnapshot &snapshot, int job);
};
