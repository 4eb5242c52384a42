#include "document/DepartmentRecord.h"

#include "core/TextCodec.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

QString DepartmentRecord::nameText() const
{
    return TextCodec::fromLocal8Whole(name);
}

void DepartmentRecord::setNameText(const QString &text)
{
    setNameBytes(TextCodec::toLocal8(text));
}

void DepartmentRecord::setNameBytes(const QByteArray &bytes)
{
    const int zero = bytes.indexOf('\0');
    QByteArray cut = zero < 0 ? bytes : bytes.left(zero);
    if (cut.size() > NameBytes) {
        cut = TextCodec::toLocal8(TextCodec::fromLocal8Whole(cut.left(NameBytes)));
        // A codec that does not round-trip must still not overflow the field.
        cut.truncate(NameBytes);
    }
    name = cut;
}

QByteArray DepartmentRecord::toBytes() const
{
    QByteArray out(Size, '\0');
    char *p = out.data();
    p[0] = char(printNumber);
    p[1] = char(printName);
    qToLittleEndian<qint32>(number, p + 2);
    std::memcpy(p + 6, name.constData(), size_t(qMin(name.size(), NameBytes)));
    quint64 bits;
    std::memcpy(&bits, &cgst, sizeof bits);
    qToLittleEndian<quint64>(bits, p + 20);
    std::memcpy(&bits, &sgst, sizeof bits);
    qToLittleEndian<quint64>(bits, p + 28);
    return out;
}

DepartmentRecord DepartmentRecord::fromBytes(const char *bytes)
{
    DepartmentRecord r;
    r.printNumber = quint8(bytes[0]);
    r.printName = quint8(bytes[1]);
    r.number = qFromLittleEndian<qint32>(bytes + 2);
    r.name = QByteArray(bytes + 6, int(qstrnlen(bytes + 6, NameBytes)));
    quint64 bits = qFromLittleEndian<quint64>(bytes + 20);
    std::memcpy(&r.cgst, &bits, sizeof bits);
    bits = qFromLittleEndian<quint64>(bytes + 28);
    std::memcpy(&r.sgst, &bits, sizeof bits);
    // A damaged file can hold NaN or infinity, which no scale takes and no editor shows: read 0.
    for (double *rate : {&r.cgst, &r.sgst}) {
        if (!std::isfinite(*rate))
            *rate = 0.0;
    }
    return r;
}
