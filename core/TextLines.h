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
};
