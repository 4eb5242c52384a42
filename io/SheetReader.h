#pragma once

#include "io/Sheet.h"
#include <QCoreApplication>

#include <QString>

// Reads the first worksheet of a spreadsheet file, whatever its name says: the format is told by
// the content (xlsx and ods are zip containers, xls an Office compound file, our own export
// tab-separated text).
class SheetReader
{
    Q_DECLARE_TR_FUNCTIONS(SheetReader)

public:
    enum class Format
    {
        Unknown,
        Xlsx,
        Ods,
        Xls,
        Text
    };

    static bool read(const QString &path, Sheet *sheet, SheetError *error, const SheetProgress &progress = {});
    // The format the file's content shows (Unknown when it is none of ours or cannot be read).
    static Format formatOf(const QString &path);
};
