#pragma once

#include "io/Sheet.h"
#include <QCoreApplication>

class QIODevice;

// OpenDocument spreadsheets (.ods): the used range of the first table, repeated rows and cells
// expanded, with texts, numbers, truth values, dates, times and the stored results of formulas.
class OdsReader
{
    Q_DECLARE_TR_FUNCTIONS(OdsReader)

public:
    static bool read(QIODevice *device, Sheet *sheet, SheetError *error, const SheetProgress &progress = {});
};
