#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

// One department as the scale and "DeptSet.dat" keep it: 36 bytes, little-endian, no padding.
struct DepartmentRecord
{
    static constexpr int Size = 36;
    static constexpr int NameBytes = 14;

    quint8 printNumber = 0;
    quint8 printName = 0;
    qint32 number = 0;
    QByteArray name; // local 8-bit, at most NameBytes, no terminator
    double cgst = 0.0;
    double sgst = 0.0;

    QString nameText() const;
    // Cut to whole characters within NameBytes: half a character would print as garbage.
    void setNameText(const QString &text);
    void setNameBytes(const QByteArray &bytes);

    QByteArray toBytes() const;
    // bytes holds at least Size bytes; the name ends at its first zero byte.
    static DepartmentRecord fromBytes(const char *bytes);

    bool operator==(const DepartmentRecord &o) const
    {
        return printNumber == o.printNumber && printName == o.printName && number == o.number && name == o.name &&
               cgst == o.cgst && sgst == o.sgst;
    }
    bool operator!=(const DepartmentRecord &o) const { return !(*this == o); }
};

using DepartmentRecords = QVector<DepartmentRecord>;
