#include "hotkey/HotkeyFunctions.h"

namespace {
const char *const kNames[HotkeyFunctions::Count] = {
    QT_TRANSLATE_NOOP("HotkeyFunctions", "找零"),   QT_TRANSLATE_NOOP("HotkeyFunctions", "开钱箱"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "二维码"), QT_TRANSLATE_NOOP("HotkeyFunctions", "扫码"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V0"),     QT_TRANSLATE_NOOP("HotkeyFunctions", "V1"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V2"),     QT_TRANSLATE_NOOP("HotkeyFunctions", "V3"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V4"),     QT_TRANSLATE_NOOP("HotkeyFunctions", "V5"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V6"),     QT_TRANSLATE_NOOP("HotkeyFunctions", "V7"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V8"),     QT_TRANSLATE_NOOP("HotkeyFunctions", "V9"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V10"),    QT_TRANSLATE_NOOP("HotkeyFunctions", "V11"),
    QT_TRANSLATE_NOOP("HotkeyFunctions", "V12"),    QT_TRANSLATE_NOOP("HotkeyFunctions", "V13"),
};
constexpr int kRegisterFunctions = 4;
} // namespace

int HotkeyFunctions::indexOf(qint32 keyValue)
{
    const qint64 index = qint64(keyValue) - FirstKeyValue;
    return index >= 0 && index < Count ? int(index) : -1;
}

QString HotkeyFunctions::name(int index)
{
    return index >= 0 && index < Count ? tr(kNames[index]) : QString();
}

QVector<int> HotkeyFunctions::offered(bool showPT)
{
    QVector<int> indices;
    for (int i = showPT ? kRegisterFunctions : 0; i < (showPT ? Count : kRegisterFunctions); ++i)
        indices.append(i);
    return indices;
}
