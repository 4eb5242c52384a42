#include "comm/NutritionRecords.h"

#include "core/TextCodec.h"

#include <QtMath>

QJsonArray NutritionRecords::elementTable(const QVector<NutritionElement> &elements)
{
    QJsonArray array;
    for (const NutritionElement &e : elements)
        array.append(QJsonObject{{QStringLiteral("Name"), NutritionElementFile::recordName(e)},
                                 {QStringLiteral("iUnit"), int(e.unit)}});
    return array;
}

QVector<NutritionElement> NutritionRecords::transferElements(const QVector<NutritionElementFile::Row> &rows)
{
    QVector<NutritionElement> out;
    for (const NutritionElementFile::Row &row : rows) {
        NutritionElement e = NutritionElementFile::record(row);
        e.unit = uint8_t(NutritionElementFile::transferUnitCode(row.unit));
        out.append(e);
    }
    return out;
}

QJsonObject NutritionRecords::pluObject(const TPLU &plu, const QVector<NutritionValue> &values,
                                        const QVector<NutritionElement> &elements)
{
    constexpr int kSlots = NutritionElementFile::ElementCount;
    bool present[kSlots] = {};
    double content[kSlots] = {};
    double nrv[kSlots] = {};
    for (const NutritionValue &v : values) {
        if (v.itemId < 1 || v.itemId > kSlots)
            continue;
        present[v.itemId - 1] = true;
        content[v.itemId - 1] = v.content;
        nrv[v.itemId - 1] = v.nrv;
    }
    QJsonArray isPrint, percent, value;
    for (int e = 0; e < kSlots; ++e) {
        const int factor = e < elements.size() ? NutritionElementFile::unitFactor(elements.at(e).unit) : 1;
        isPrint.append(present[e]);
        percent.append(nrv[e]);
        // Contents carry at most a few decimals; rounding keeps 0.3 * 10 from arriving as 3.0000000000000004.
        value.append(qRound64(content[e] * factor * 1000.0) / 1000.0);
    }
    return QJsonObject{{QStringLiteral("LFCode"), plu.LFCode},
                       {QStringLiteral("GroupTitle"), TextCodec::fromLocal8(plu.pluNameBytes())},
                       {QStringLiteral("isPrint"), isPrint},
                       {QStringLiteral("percent"), percent},
                       {QStringLiteral("value"), value}};
}

QVector<NutritionElementFile::Row> NutritionRecords::rowsFromScale(const QJsonArray &elements)
{
    QVector<NutritionElementFile::Row> rows;
    for (const QJsonValue &v : elements) {
        const QJsonObject o = v.toObject();
        const int code = o.value(QStringLiteral("iUnit")).toInt();
        rows.append({o.value(QStringLiteral("Name")).toString(), NutritionElementFile::unitNames().value(code - 1)});
    }
    return rows;
}

QVector<NutritionValue> NutritionRecords::valuesFromScale(const QJsonObject &plu,
                                                          const QVector<NutritionElement> &elements)
{
    const QJsonArray isPrint = plu.value(QStringLiteral("isPrint")).toArray();
    const QJsonArray percent = plu.value(QStringLiteral("percent")).toArray();
    const QJsonArray value = plu.value(QStringLiteral("value")).toArray();
    QVector<NutritionValue> out;
    for (int e = 0; e < NutritionElementFile::ElementCount && e < isPrint.size(); ++e) {
        if (!isPrint.at(e).toBool())
            continue;
        const int factor = e < elements.size() ? NutritionElementFile::unitFactor(elements.at(e).unit) : 1;
        out.append({e + 1, qRound64(value.at(e).toDouble() / factor * 1000.0) / 1000.0, percent.at(e).toDouble()});
    }
    return out;
}
