#pragma once

#include "document/PluTableModel.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class QTextCodec;

// The main PLU file: the tab-separated format this program writes (also read under the TXU
// suffix) and the comma-separated lists it reads.
class PluFile
{
    Q_DECLARE_TR_FUNCTIONS(PluFile)
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
        QVector<PluTableModel::Row> rows; // the rows the file filled, from row 0
        int linesBeyondGrid = 0;          // lines that found no row
    };
    // Reads a main file of the given kind. False, with *error naming the file (fileName) and
    // the line, when the bytes are not a text file (a NUL byte) or a line does not decode.
    // Tab-separated: UTF-8 when every line is valid UTF-8, else the local code page.
    // Comma-separated: the local code page; stops at a line whose fields 0 and 2 both read as
    // 0; lines with fewer than three fields are skipped; quoted fields are read as spreadsheet
    // programs write them.
    static bool read(Kind kind, const QByteArray &bytes, const QString &fileName, Parsed *out, QString *error);

    // The lines of a text file of the set, decoded with codec (null: the local code page); the
    // same checks and messages as read().
    static bool readLines(const QByteArray &bytes, QTextCodec *codec, const QString &fileName, QStringList *lines,
                          QString *error);

    // The 26-field lines of rows 0..rowCount-1, CR LF ends, local code page.
    static QByteArray toBytes(const QVector<PluTableModel::Row> &rows, int rowCount);
    static QByteArray toBytes(const PluTableModel &model, int rowCount) { return toBytes(model.rows(), rowCount); }
};
