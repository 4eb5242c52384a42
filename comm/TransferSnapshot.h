#pragma once

#include "comm/DownloadSelection.h"
#include "core/TPLU.h"
#include "document/DepartmentRecord.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluTableModel.h"
#include "document/SchedulePeriod.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>
#include <functional>

class PluDocument;

// What a transfer sends, copied from the document before the worker starts, so the worker never
// reads the grid or the stores while the operator's thread owns them.
struct TransferSnapshot
{
    bool hasDocument = false;
    TPLUList plus; // rows 0..rowCount-1
    // The same rows' cells as the operator sees them, for the check before a send: the records
    // above have lost what their conversion cuts or drops.
    QVector<PluTableModel::Row> cells;
    QStringList messages;
    QVector<SchedulePeriod> periods;
    QString adHead;
    QString adTail;
    DownloadSelection selection;
    bool customHotkeyFunctions = false; // "isShowCusHotKeyFun"
    bool clearMessagesFirst = true;     // "IsClearMessage"
    // The hotkey sheet editor's PLU list, which "Download" of the editor sends as the hotkey table.
    bool hasHotkeySheet = false;
    TPLUList hotkeySheetPlus;
    // The department table as its editor shows it, else as "DeptSet.dat" holds it; why the file
    // cannot be sent when it is missing, empty or cut.
    DepartmentRecords departments;
    QString departmentsError;
    // The package type codes of the local database, when it is open.
    bool hasPackTypes = false;
    QStringList packTypes;

    // Nutrition. The element table job 7 sends: the element editor's rows while it lends them,
    // else the element file's. For "Download PLU": the element file as read (hasNutritionFile is
    // false when there is none, nutritionError says why it could not be read) and the per-PLU
    // store, which the worker reads itself on a connection of its own.
    QVector<NutritionElement> nutritionElements;
    bool hasNutritionFile = false;
    QVector<NutritionElementFile::Row> nutritionFileRows;
    QString nutritionError;
    QString nutritionValuesPath;
    // The per-PLU values, read by readNutritionValues() before anything is sent: a store that
    // cannot be read must stop the job before the scale's nutrition is cleared.
    bool nutritionValuesRead = false;
    bool nutritionValuesMissing = false; // no store file
    QString nutritionValuesError;
    QHash<QString, QVector<NutritionValue>> nutritionValues; // by LF code as the grid shows it

    // The PLUs as packets for the link library, when built beforehand: a snapshot sent to several
    // scales is then coded once instead of once per worker.
    QList<QByteArray> pluPackets;
    QVector<int> pluPacketEnds; // PLUs up to the end of each packet
    bool pluPacketsReady = false;

    // Reads the document (recounting its used rows) and the current settings and selection.
    static TransferSnapshot take(PluDocument *doc);
    // The hotkey sheet editor lends its PLU list to the snapshots while it exists.
    using HotkeySheetSource = std::function<TPLUList()>;
    static void setHotkeySheetSource(HotkeySheetSource source);
    // The department editor lends its rows while it exists.
    using DepartmentSource = std::function<DepartmentRecords()>;
    static void setDepartmentSource(DepartmentSource source);
    // Whoever holds the local database lends its package types; none without it.
    using PackTypeSource = std::function<QStringList()>;
    static void setPackTypeSource(PackTypeSource source);
    void preparePluPackets();
    // Reads the nutrition stores that belong to this PLU file (see above).
    void takeNutrition(const QString &pluFile);
    // Reads the per-PLU nutrition values once (see above).
    void readNutritionValues();
    using NutritionElementSource = std::function<QVector<NutritionElement>()>;
    static void setNutritionElementSource(NutritionElementSource source);
};
