#pragma once

#include "io/Sheet.h"

// Binary Excel workbooks (.xls, BIFF) through FreeXL: the used range of the first worksheet.
// FreeXL does not read the results of formulas; such cells come back empty.
class XlsReader
{
public:
    static bool read(const QString &path, Sheet *sheet, SheetError *error, const SheetProgress &progress = {});
};
