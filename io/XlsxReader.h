#pragma once

#include "io/Sheet.h"
#include <QCoreApplication>

class QIODevice;

// Office Open XML workbooks (.xlsx): the used range of the first worksheet, with shared and
// inline texts, numbers, truth values, dates (numbers in a date format) and the cached results
// of formulas.
class XlsxReader
{
    Q_DECLARE_TR_FUNCTIONS(XlsxReader)

public:
    static bool read(QIODevice *device, Sheet *sheet, SheetError *error, const SheetProgress &progress = {});
};
