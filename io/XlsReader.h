#pragma once

#include "io/Sheet.h"
#include <QCoreApplication>

#include <QByteArray>

// Binary Excel workbooks (.xls, BIFF) through FreeXL: the used range of the first worksheet,
// with the stored results of formulas (which FreeXL leaves out) from BiffFormulas.
//
// FreeXL misreads some damaged files (it reads outside its buffers), so it never runs in the
// program itself: a small helper process, "plu-xls-reader" in the program folder, reads the file
// and answers with the sheet in a bounded binary form. A helper that crashes, hangs or answers
// nonsense means a damaged workbook, not a lost program.
class XlsReader
{
    Q_DECLARE_TR_FUNCTIONS(XlsReader)

public:
    static constexpr const char *HelperName = "plu-xls-reader";

    // Through the helper. Progress has no total (FreeXL reads the file in one call).
    static bool read(const QString &path, Sheet *sheet, SheetError *error, const SheetProgress &progress = {});
    // FreeXL in this process: for the helper only.
    static bool readInProcess(const QString &path, Sheet *sheet, SheetError *error);

    // The helper's answer: the sheet, or the error that stopped the reading.
    static QByteArray encode(const Sheet &sheet, const SheetError &error);
    static bool decode(const QByteArray &answer, Sheet *sheet, SheetError *error);
    // Beside the running program, or in the program folder beside its folder (the build tree's
    // tests and benchmarks).
    static QString helperPath();
};
