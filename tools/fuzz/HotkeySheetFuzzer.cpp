// Feeds arbitrary bytes to the ".Hotk" reader for a sheet of each size, then checks that what it
// accepted is written and read back unchanged.
#include "hotkey/HotkeySheetFile.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr int kSizes[] = {40, 56, 60, 112};

bool sameKeys(const QVector<HotkeyKey> &a, const QVector<HotkeyKey> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const ItemData &x = a.at(i).data;
        const ItemData &y = b.at(i).data;
        if (a.at(i).layout != b.at(i).layout || x.name1 != y.name1 || x.name2 != y.name2 || x.price1 != y.price1 ||
            x.price2 != y.price2 || x.lfCode1 != y.lfCode1 || x.lfCode2 != y.lfCode2 || x.hotKey1 != y.hotKey1 ||
            x.hotKey2 != y.hotKey2 || x.picture.size() != y.picture.size())
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts ask the application for their resolution.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int keyCount = kSizes[data[0] % 4];
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, int(size) - 1);
    QVector<HotkeyKey> keys;
    QString error;
    if (HotkeySheetFile::decode(bytes, keyCount, &keys, &error) != HotkeySheetFile::Result::Ok) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    if (keys.size() != keyCount)
        std::abort();
    // Prices are normalised by the first reading; from then on a sheet is stable.
    QVector<HotkeyKey> again, third;
    if (HotkeySheetFile::decode(HotkeySheetFile::encode(keys), keyCount, &again, &error) !=
            HotkeySheetFile::Result::Ok ||
        HotkeySheetFile::decode(HotkeySheetFile::encode(again), keyCount, &third, &error) !=
            HotkeySheetFile::Result::Ok ||
        !sameKeys(again, third))
        std::abort();
    return 0;
}
