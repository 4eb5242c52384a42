#pragma once

#include "core/TPLU.h"
#include "document/DepartmentRecord.h"
#include "document/SchedulePeriod.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QVector>

// The JSON records that cross the link library, and the packets they travel in. Texts handed
// to the library are in the local 8-bit code page.
class ScaleRecords
{
public:
    static constexpr int PacketBufferSize = 4096; // NUL included
    static constexpr int RecordsPerPacket = 4;
    static constexpr int HotkeyCount = 224;
    static constexpr int HotkeysPerPacket = 84;

    // A PLU as sent to the scale (no hotkey, lock or recommended days) and as read from it.
    static QJsonObject pluToJson(const TPLU &plu);
    static TPLU pluFromJson(const QJsonObject &object);

    // Indented JSON, UTF-8 turned into the local code page.
    static QByteArray toLocalText(const QJsonArray &array);
    // Parses a record the library delivered; text that does not parse gives an empty value.
    static QJsonValue parseLocalText(const char *text);

    // The PLUs in packets of up to four, in order; a packet that would not fit the library's
    // buffer carries fewer records.
    // ends, when given, receives for each packet the number of PLUs up to its end.
    static QList<QByteArray> pluPackets(const TPLUList &plus, QVector<int> *ends = nullptr);

    // 224 LF codes, key h at index h-1; a later PLU with the same hotkey wins.
    static QVector<int> hotkeyTable(const TPLUList &plus);

    static QJsonArray periodsToJson(const QVector<SchedulePeriod> &periods);
    static QVector<SchedulePeriod> periodsFromJson(const QJsonArray &array);

    static QJsonArray departmentsToJson(const DepartmentRecords &records);
    // Names are cut to the record's 14 bytes in the local code page.
    static DepartmentRecords departmentsFromJson(const QJsonArray &array);
    static QJsonArray packTypesToJson(const QStringList &keyValues);
};
