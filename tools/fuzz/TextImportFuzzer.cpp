// Feeds arbitrary text to the custom text import under a layout taken from the first bytes:
// separator, positions and lengths, scaling and units. Every line must give a record and the
// records a grid.
#include "document/PluTableModel.h"
#include "io/CustomTextImport.h"
#include "io/ImportCheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr size_t head = 2 + 2 * CustomTextImport::PropertyCount;
    if (size < head)
        return 0;
    CustomTextImport::Layout layout;
    layout.separatorIndex = data[0] % 6;
    layout.customSeparator = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), 1 + data[1] % 2);
    layout.firstLineIsTitle = data[1] & 4;
    layout.times100 = data[1] & 8;
    layout.times1000 = data[1] & 16;
    layout.fixedUnit = data[1] & 32;
    layout.fixedUnitCode = data[1] >> 6;
    for (int i = 0; i < 13; ++i)
        layout.unitValues << QString::number(i);
    for (int p = 0; p < CustomTextImport::PropertyCount; ++p) {
        layout.fields[p].taken = data[2 + 2 * p] & 1;
        layout.fields[p].position = (data[2 + 2 * p] >> 1) % 52 - 1;
        layout.fields[p].length = data[3 + 2 * p] % 52 - 1;
    }
    const QByteArray text(reinterpret_cast<const char *>(data) + head, static_cast<int>(size - head));
    int dropped = -1;
    ImportCheck check;
    const TPLUList records = CustomTextImport::records(text, layout, &dropped, &check);
    if (dropped < 0 || records.size() > PluColumns::RowCount)
        std::abort();
    for (const TPLU &p : records) {
        if (p.WeightUnit < 0 || p.WeightUnit > 12)
            std::abort();
        PluTableModel::rowFromPlu(p);
    }
    return 0;
}
