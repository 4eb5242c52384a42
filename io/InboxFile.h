#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class PluDocument;

// A price list that arrives on its own, as a PLU file set (.txp, .txu or a comma-separated .csv,
// with its side files) or as a workbook (.xlsx, .xls, .ods, in the table's column order): read
// whole and checked as the imports check, or refused with every problem named.
class InboxFile
{
    Q_DECLARE_TR_FUNCTIONS(InboxFile)
public:
    // Whether a file of this name is a price list (a set's side files are not).
    static bool isPriceList(const QString &path);
    // False with the problems (one line each) when the file cannot be read, holds a row the
    // imports would refuse, or holds no PLU at all.
    static bool load(const QString &path, PluDocument *doc, QStringList *problems);
};
