#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <cstdint>

// One article as the scale sees it. Money fields are integers scaled by 10^PriceFormat::decimals().
struct TPLU
{
    char PluName[73] = {};
    int32_t LFCode = 0;
    char Code[11] = {};
    int32_t BarCode = 0;
    int32_t UnitPrice = 0;
    int32_t WeightUnit = 0;
    int32_t Deptment = 0;
    double Tare = 0.0;
    int32_t ShlefTime = 0;
    int32_t PackageType = 0;
    double PackageWeight = 0.0;
    int32_t Tolerance = 0;
    int32_t Message1 = 0;
    uint8_t Message2 = 0;
    uint8_t QtyUnit = 0;
    uint8_t LabelId = 0;
    uint8_t Rebate = 0;
    int32_t Account = 0;
    int32_t HotKey = 0;
    QString ProDate;
    bool IsLock = false;
    int32_t TraceID = 0;
    int32_t Recomdays = 0;
    int32_t Nutrition = 0;
    double Ice = 0.0;
    double PackPrice = 0.0;
    int32_t NgTolerance = 0;

    // Copies at most the field's size minus one bytes and keeps the terminating NUL.
    void setPluNameBytes(const QByteArray &bytes);
    void setCodeBytes(const QByteArray &bytes);
    QByteArray pluNameBytes() const;
    QByteArray codeBytes() const;
};

using TPLUList = QList<TPLU>;
Q_DECLARE_METATYPE(TPLU)
Q_DECLARE_METATYPE(TPLUList)
