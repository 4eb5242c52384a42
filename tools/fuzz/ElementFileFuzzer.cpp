// Feeds arbitrary bytes to the nutrition element file reader and checks that a refused file gives
// no rows and a reason, and that what was read writes out and reads back unchanged.
#include "document/NutritionElementFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QVector<NutritionElementFile::Row> rows{{QStringLiteral("stale"), QStringLiteral("g")}};
    QString error;
    if (!NutritionElementFile::parse(bytes, &rows, &error)) {
        if (error.isEmpty() || !rows.isEmpty())
            std::abort();
        return 0;
    }
    if (rows.size() > NutritionElementFile::ElementCount)
        std::abort();
    QVector<NutritionElementFile::Row> back;
    if (!NutritionElementFile::parse(NutritionElementFile::encode(rows), &back, &error) || back.size() != 12 ||
        back.mid(0, rows.size()) != rows)
        std::abort();
    return 0;
}
