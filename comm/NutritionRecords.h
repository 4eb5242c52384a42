#pragma once

#include "core/TPLU.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QVector>

// The nutrition records that cross the link library: the element table and one object per PLU
// with its twelve slots.
class NutritionRecords
{
public:
    static constexpr int ObjectsPerPacket = 4;

    // {"Name", "iUnit"} per element, the name decoded from its 14 bytes.
    static QJsonArray elementTable(const QVector<NutritionElement> &elements);
    // The element file's rows as "Download PLU" sends them: units compared without regard to case.
    static QVector<NutritionElement> transferElements(const QVector<NutritionElementFile::Row> &rows);

    // {"LFCode", "GroupTitle", "isPrint", "percent", "value"}: slot e is element e's row, its
    // content multiplied by the unit factor of element e; elements without a row are not printed.
    static QJsonObject pluObject(const TPLU &plu, const QVector<NutritionValue> &values,
                                 const QVector<NutritionElement> &elements);

    // What a scale holds, back into the stores' terms: unit codes become the editor's unit texts,
    // and a printed slot becomes a row whose content is divided by its element's unit factor.
    static QVector<NutritionElementFile::Row> rowsFromScale(const QJsonArray &elements);
    static QVector<NutritionValue> valuesFromScale(const QJsonObject &plu, const QVector<NutritionElement> &elements);
};
