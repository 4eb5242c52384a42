#pragma once

#include <QByteArray>
#include <QStringList>

// Line handling shared by every text file the program reads and writes.
class TextLines
{
public:
    // Splits at LF, drops one CR before each LF, and does not count an empty piece after a
    // final line end as a line (as a text stream's readLine would).
    static QStringList split(const QString &text);
    static QList<QByteArray> splitBytes(const QByteArray &bytes);
    // Each line followed by CR LF.
    static QString joinCrLf(const QStringList &lines);
    // A cell text that must stay on one line and in one field: TAB, CR and LF become blanks.
    static QString oneLine(QString text);

    // Comma-separated text as spreadsheet programs write it: a field that starts with a quote runs
    // to its closing quote, a doubled quote inside stands for one, and commas and line ends inside
    // quotes belong to the field. Reads the record that starts at *pos, up to an LF outside quotes,
    // and moves *pos past it; false when the text ends inside quotes.
    static bool nextCsvRecord(const QString &text, int *pos, QStringList *fields);
    // The field as nextCsvRecord reads it back: quoted when it holds a comma, a quote or a line end.
    static QString csvField(const QString &field);
};
