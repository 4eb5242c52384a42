#pragma once

#include <QCoreApplication>
#include <QPair>
#include <QString>
#include <QVector>

// The scale functions a key layer can carry instead of a PLU. A layer holds a function when its
// LF code is the function's key value; the values lie above every LF code.
class HotkeyFunctions
{
    Q_DECLARE_TR_FUNCTIONS(HotkeyFunctions)
public:
    static constexpr int Count = 18;
    static constexpr qint32 KeyValueFloor = 0xAAAA00;
    static constexpr qint32 FirstKeyValue = KeyValueFloor + 1;

    static bool isFunctionKey(qint32 lfCode) { return lfCode > KeyValueFloor; }
    static qint32 keyValue(int index) { return FirstKeyValue + index; }
    // -1 when no function has this key value.
    static int indexOf(qint32 keyValue);
    static QString name(int index);
    // The functions a scale of this kind offers: the four register functions, or the sixteen
    // numbered ones of scales with package type keys.
    static QVector<int> offered(bool showPT);
};

// One row of the local table of function-key assignments: the layer's hotkey number and the
// function's key value.
using HotkeyFunctionRow = QPair<int, int>;
using HotkeyFunctionRows = QVector<HotkeyFunctionRow>;
