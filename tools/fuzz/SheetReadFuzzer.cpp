// Feeds arbitrary bytes to the spreadsheet readers: the first byte chooses the reader (xlsx,
// ods, the answer of the .xls helper process, the compound file around an .xls and its rewriting,
// the formula results of an .xls, tab-separated text), the rest is the input. Whatever a reader accepts
// must stay within the sheet's bounds and convert into PLU records and table rows without trouble.
#include "document/PluTableModel.h"
#include "io/BiffFormulas.h"
#include "io/CompoundFile.h"
#include "io/OdsReader.h"
#include "io/SheetImport.h"
#include "io/TextSheetReader.h"
#include "io/XlsReader.h"
#include "io/XlsxReader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {
void check(const Sheet &sheet)
{
    if (sheet.rows.size() > Sheet::MaxRows)
        std::abort();
    for (const QVector<QVariant> &row : sheet.rows) {
        if (row.size() > Sheet::MaxColumns)
            std::abort();
        for (const QVariant &cell : row) {
            if (Sheet::text(cell).size() > Sheet::MaxTextLength + 64)
                std::abort();
            Sheet::integer(cell);
            Sheet::decimal(cell);
        }
    }
    const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(sheet);
    ImportCheck check;
    for (const TPLU &record : SheetImport::checked(rows, 1, rows.size(), SheetImport::allChosen(), &check))
        PluTableModel::rowFromPlu(record);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "sheet_read_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, static_cast<int>(size) - 1);
    Sheet sheet;
    SheetError error;
    bool ok = false;
    switch (data[0] % 5) {
    case 0:
    case 1: {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ok = data[0] % 5 == 0 ? XlsxReader::read(&buffer, &sheet, &error) : OdsReader::read(&buffer, &sheet, &error);
        break;
    }
    case 2:
        // FreeXL runs in a helper process; what comes back from it is read here.
        ok = XlsReader::decode(bytes, &sheet, &error);
        break;
    case 3: {
        // The workbook stream of any compound file, put into a plain one, must read back whole.
        const QByteArray stream = CompoundFile(bytes).stream("Workbook");
        const QByteArray plain = CompoundFile::withStream("Workbook", stream);
        if (!plain.isEmpty() && CompoundFile(plain).stream("Workbook") != stream)
            std::abort();
        return 0;
    }
    case 4: {
        // The helper's own reading of formula results, beside FreeXL.
        const auto formulas = BiffFormulas::read(bytes);
        for (auto it = formulas.cbegin(); it != formulas.cend(); ++it) {
            if (it.key().first < 0 || it.key().second < 0 || Sheet::text(it.value()).size() > Sheet::MaxTextLength)
                std::abort();
        }
        return 0;
    }
    default:
        ok = TextSheetReader::read(bytes, &sheet, &error);
        break;
    }
    if (ok)
        check(sheet);
    else if (error.code == SheetError::None || error.reason.isEmpty())
        std::abort(); // every refusal says why
    return 0;
}
