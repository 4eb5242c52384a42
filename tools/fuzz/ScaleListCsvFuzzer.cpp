// Feeds arbitrary bytes to the scale list's CSV reader. A file it accepts must be written back
// and read again to the same list.
#include "comm/ScaleEntry.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QVector<ScaleEntry> entries;
    QString error;
    if (!ScaleListCsv::read(bytes, &entries, &error))
        return 0;
    QVector<ScaleEntry> again;
    if (!ScaleListCsv::read(ScaleListCsv::write(entries), &again, &error) || !(again == entries))
        std::abort();
    return 0;
}
