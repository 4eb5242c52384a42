#pragma once

#include "document/PluTableModel.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The main PLU file: the tab-separated format this program writes (also read under the TXU
// suffix) and the comma-separated lists it reads.
class PluFile
{
public:
    enum class Kind
    {
        Unknown,
        TabSeparated,
        CommaSeparated
    };
    // By suffix, without regard to case: "csv", "txp" and "txu".
    static Kind kindOf(const QString &path);

    struct Parsed
    {
        QVector<PluTableModel::Row> rows; // always the full grid
        int rowCount = 0;                 // rows that the file filled
        int linesBeyondGrid = 0;          // lines that found no row
    };
    // Tab-separated: UTF-8 when the first 30 lines are valid UTF-8, else the local code page.
    static Parsed parseTabSeparated(const QByteArray &bytes);
    // Comma-separated, local code page. Stops at a line whose fields 0 and 2 both read as 0;
    // lines with fewer than three fields are skipped.
    static Parsed parseCommaSeparated(const QByteArray &bytes);

    // The 26-field lines of rows 0..rowCount-1, CR LF ends, local code page.
    static QByteArray toBytes(const PluTableModel &model, int rowCount);
};
