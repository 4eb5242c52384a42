#include "comm/TransferSnapshot.h"

#include "comm/ScaleRecords.h"
#include "core/ZQConfig.h"
#include "document/DepartmentTable.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

#include <QFile>

namespace {
TransferSnapshot::HotkeySheetSource &hotkeySheetSource()
{
    static TransferSnapshot::HotkeySheetSource source;
    return source;
}

TransferSnapshot::DepartmentSource &departmentSource()
{
    static TransferSnapshot::DepartmentSource source;
    return source;
}

TransferSnapshot::PackTypeSource &packTypeSource()
{
    static TransferSnapshot::PackTypeSource source;
    return source;
}

TransferSnapshot::NutritionElementSource &nutritionElementSource()
{
    static TransferSnapshot::NutritionElementSource source;
    return source;
}
} // namespace

void TransferSnapshot::setDepartmentSource(DepartmentSource source)
{
    departmentSource() = std::move(source);
}

void TransferSnapshot::setPackTypeSource(PackTypeSource source)
{
    packTypeSource() = std::move(source);
}

void TransferSnapshot::setHotkeySheetSource(HotkeySheetSource source)
{
    hotkeySheetSource() = std::move(source);
}

TransferSnapshot TransferSnapshot::take(PluDocument *doc)
{
    TransferSnapshot s;
    if (hotkeySheetSource()) {
        s.hasHotkeySheet = true;
        s.hotkeySheetPlus = hotkeySheetSource()();
    }
    if (departmentSource())
        s.departments = departmentSource()();
    else
        DepartmentTable::read(DepartmentTable::defaultPath(), &s.departments, &s.departmentsError);
    if (packTypeSource()) {
        s.hasPackTypes = true;
        s.packTypes = packTypeSource()();
    }
    s.selection = DownloadSelection::current();
    s.customHotkeyFunctions = ZQConfig::isShowCusHotKeyFun();
    s.clearMessagesFirst = ZQConfig::isClearMessage();
    if (!doc) {
        if (nutritionElementSource())
            s.nutritionElements = nutritionElementSource()();
        return s;
    }
    s.hasDocument = true;
    const int rows = doc->recomputeRowCount();
    s.plus.reserve(rows);
    for (int r = 0; r < rows; ++r)
        s.plus.append(doc->model()->rowToPlu(r));
    s.cells = doc->model()->rows().mid(0, rows);
    s.messages = doc->messages().messageList();
    s.periods = doc->schedules().periods();
    s.adHead = doc->advertising().head();
    s.adTail = doc->advertising().tail();
    s.takeNutrition(doc->currentFile());
    return s;
}

void TransferSnapshot::preparePluPackets()
{
    pluPackets = ScaleRecords::pluPackets(plus, &pluPacketEnds);
    pluPacketsReady = true;
}

void TransferSnapshot::setNutritionElementSource(NutritionElementSource source)
{
    nutritionElementSource() = std::move(source);
}

void TransferSnapshot::takeNutrition(const QString &pluFile)
{
    nutritionFileRows.clear();
    nutritionError.clear();
    const NutritionElementFile::ReadResult read =
        NutritionElementFile::read(NutritionElementFile::elementFilePath(pluFile), &nutritionFileRows, &nutritionError);
    hasNutritionFile = read != NutritionElementFile::ReadResult::Missing;
    nutritionValuesPath = NutritionElementFile::valuesFilePath(pluFile);
    nutritionElements =
        nutritionElementSource() ? nutritionElementSource()() : NutritionElementFile::records(nutritionFileRows);
}

void TransferSnapshot::readNutritionValues()
{
    if (nutritionValuesRead)
        return;
    nutritionValuesRead = true;
    nutritionValues.clear();
    nutritionValuesError.clear();
    nutritionValuesMissing = nutritionValuesPath.isEmpty() || !QFile::exists(nutritionValuesPath);
    if (nutritionValuesMissing)
        return;
    NutritionValueStore store(nutritionValuesPath);
    if (!store.open(&nutritionValuesError) || !store.loadAll(&nutritionValues, &nutritionValuesError))
        nutritionValues.clear();
}
