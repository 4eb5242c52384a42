#pragma once

#include "io/Sheet.h"
#include <QCoreApplication>

#include <QByteArray>

// Tab-separated text, as "Export to Excel" writes it under ".xls": one row per line, one cell
// per field. Each row keeps its own length; the tab that ends every exported line ends the last
// field rather than opening another. UTF-8 when the bytes are valid UTF-8, else the code page of
// the settings.
class TextSheetReader
{
    Q_DECLARE_TR_FUNCTIONS(TextSheetReader)

public:
    // Text that a tab-separated sheet could be: no NUL bytes and a tab in the first line that
    // has any content.
    static bool looksLikeSheet(const QByteArray &head);
    static bool read(const QByteArray &bytes, Sheet *sheet, SheetError *error, const SheetProgress &progress = {});
};
