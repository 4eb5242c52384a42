#include "comm/ScaleRecords.h"

#include "core/TextCodec.h"

#include <QJsonDocument>

namespace {
int intOf(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toInt();
}
} // namespace

QJsonObject ScaleRecords::pluToJson(const TPLU &plu)
{
    QJsonObject o;
    o.insert(QStringLiteral("PluName"), TextCodec::fromLocal8Whole(plu.pluNameBytes()));
    o.insert(QStringLiteral("LFCode"), plu.LFCode);
    o.insert(QStringLiteral("Code"), TextCodec::fromLocal8Whole(plu.codeBytes()));
    o.insert(QStringLiteral("BarCode"), plu.BarCode);
    o.insert(QStringLiteral("UnitPrice"), plu.UnitPrice);
    o.insert(QStringLiteral("WeightUnit"), plu.WeightUnit);
    o.insert(QStringLiteral("QtyUnit"), plu.QtyUnit);
    o.insert(QStringLiteral("Deptment"), plu.Deptment);
    o.insert(QStringLiteral("Tare"), plu.Tare);
    o.insert(QStringLiteral("ShlefTime"), plu.ShlefTime);
    o.insert(QStringLiteral("PackageType"), plu.PackageType);
    o.insert(QStringLiteral("PackageWeight"), plu.PackageWeight);
    o.insert(QStringLiteral("Tolerance"), plu.Tolerance);
    o.insert(QStringLiteral("Message1"), plu.Message1);
    o.insert(QStringLiteral("Message2"), plu.Message2);
    o.insert(QStringLiteral("LabelId"), plu.LabelId);
    o.insert(QStringLiteral("Rebate"), plu.Rebate);
    o.insert(QStringLiteral("Ice"), plu.Ice);
    return o;
}

TPLU ScaleRecords::pluFromJson(const QJsonObject &o)
{
    TPLU plu;
    plu.HotKey = intOf(o, "HotKey");
    plu.setPluNameBytes(TextCodec::toLocal8(o.value(QLatin1String("PluName")).toString()));
    plu.LFCode = intOf(o, "LFCode");
    plu.setCodeBytes(TextCodec::toLocal8(o.value(QLatin1String("Code")).toString()));
    plu.BarCode = intOf(o, "BarCode");
    plu.UnitPrice = intOf(o, "UnitPrice");
    plu.WeightUnit = intOf(o, "WeightUnit");
    plu.QtyUnit = static_cast<uint8_t>(intOf(o, "QtyUnit"));
    plu.Deptment = intOf(o, "Deptment");
    plu.Tare = o.value(QLatin1String("Tare")).toDouble();
    plu.ShlefTime = intOf(o, "ShlefTime");
    plu.PackageType = intOf(o, "PackageType");
    plu.PackageWeight = o.value(QLatin1String("PackageWeight")).toDouble();
    plu.Tolerance = intOf(o, "Tolerance");
    plu.Message1 = intOf(o, "Message1");
    plu.Message2 = static_cast<uint8_t>(intOf(o, "Message2"));
    plu.LabelId = static_cast<uint8_t>(intOf(o, "LabelId"));
    plu.Rebate = static_cast<uint8_t>(intOf(o, "Rebate"));
    plu.Ice = o.value(QLatin1String("Ice")).toDouble();
    plu.IsLock = intOf(o, "IsLock") != 0;
    plu.Recomdays = intOf(o, "Recomdays");
    return plu;
}

QByteArray ScaleRecords::toLocalText(const QJsonArray &array)
{
    return TextCodec::toLocal8(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}

QJsonValue ScaleRecords::parseLocalText(const char *text)
{
    if (!text)
        return QJsonValue();
    const QJsonDocument doc = QJsonDocument::fromJson(TextCodec::fromLocal8(QByteArray(text)).toUtf8());
    if (doc.isObject())
        return doc.object();
    if (doc.isArray())
        return doc.array();
    return QJsonValue();
}

QList<QByteArray> ScaleRecords::pluPackets(const TPLUList &plus, QVector<int> *ends)
{
    // Indented JSON of an array is "[\n", the elements joined by ",\n", and "\n]\n"; each element
    // reads the same wherever it stands. So every record is serialised once, alone, and packets
    // are joined from the pieces: the same bytes as serialising each packet, without serialising
    // a record again for every candidate packet it might join.
    static const QByteArray open = "[\n";
    static const QByteArray separator = ",\n";
    static const QByteArray close = "\n]\n";
    QList<QByteArray> packets;
    QByteArray text;
    int count = 0;
    int done = 0;
    auto close_ = [&] {
        packets << text + close;
        text.clear();
        done += count;
        count = 0;
        if (ends)
            ends->append(done);
    };
    if (ends)
        ends->clear();
    for (const TPLU &plu : plus) {
        const QByteArray single = toLocalText(QJsonArray{pluToJson(plu)});
        const QByteArray element = single.mid(open.size(), single.size() - open.size() - close.size());
        if (count > 0 && text.size() + separator.size() + element.size() + close.size() >= PacketBufferSize)
            close_();
        text += count == 0 ? open : separator;
        text += element;
        if (++count == RecordsPerPacket)
            close_();
    }
    if (count > 0)
        close_();
    return packets;
}

QVector<int> ScaleRecords::hotkeyTable(const TPLUList &plus)
{
    QVector<int> table(HotkeyCount, 0);
    for (const TPLU &plu : plus) {
        if (plu.HotKey >= 1 && plu.HotKey <= HotkeyCount)
            table[plu.HotKey - 1] = plu.LFCode;
    }
    return table;
}

QJsonArray ScaleRecords::periodsToJson(const QVector<SchedulePeriod> &periods)
{
    QJsonArray array;
    for (const SchedulePeriod &p : periods) {
        QJsonObject o;
        o.insert(QStringLiteral("Hour"), int(p.hour));
        o.insert(QStringLiteral("Minute"), int(static_cast<uint8_t>(p.minute)));
        o.insert(QStringLiteral("Discount"), int(static_cast<uint8_t>(p.rate)));
        array.append(o);
    }
    return array;
}

QVector<SchedulePeriod> ScaleRecords::periodsFromJson(const QJsonArray &array)
{
    QVector<SchedulePeriod> periods;
    for (const QJsonValue &v : array) {
        const QJsonObject o = v.toObject();
        SchedulePeriod p;
        p.hour = static_cast<int8_t>(intOf(o, "Hour"));
        p.minute = static_cast<int8_t>(intOf(o, "Minute"));
        p.rate = static_cast<int8_t>(intOf(o, "Discount"));
        periods << p;
    }
    return periods;
}

QJsonArray ScaleRecords::departmentsToJson(const DepartmentRecords &records)
{
    QJsonArray array;
    for (const DepartmentRecord &r : records) {
        QJsonObject o;
        o.insert(QStringLiteral("DeptId"), int(r.number));
        o.insert(QStringLiteral("DeptName"), r.nameText());
        o.insert(QStringLiteral("CGST"), r.cgst);
        o.insert(QStringLiteral("SGST"), r.sgst);
        o.insert(QStringLiteral("IsPrintDeptId"), r.printNumber != 0);
        o.insert(QStringLiteral("IsPrintDeptName"), r.printName != 0);
        array.append(o);
    }
    return array;
}

DepartmentRecords ScaleRecords::departmentsFromJson(const QJsonArray &array)
{
    // Flags are booleans; a scale that sends 0 or 1 means the same.
    const auto flag = [](const QJsonValue &v) { return v.isBool() ? v.toBool() : v.toInt() != 0; };
    DepartmentRecords records;
    for (const QJsonValue &v : array) {
        const QJsonObject o = v.toObject();
        DepartmentRecord r;
        r.number = intOf(o, "DeptId");
        r.setNameText(o.value(QLatin1String("DeptName")).toString());
        r.cgst = o.value(QLatin1String("CGST")).toDouble();
        r.sgst = o.value(QLatin1String("SGST")).toDouble();
        r.printNumber = flag(o.value(QLatin1String("IsPrintDeptId"))) ? 1 : 0;
        r.printName = flag(o.value(QLatin1String("IsPrintDeptName"))) ? 1 : 0;
        records << r;
    }
    return records;
}

QJsonArray ScaleRecords::packTypesToJson(const QStringList &keyValues)
{
    QJsonArray array;
    for (const QString &value : keyValues)
        array.append(QJsonObject{{QStringLiteral("KeyValue"), value}});
    return array;
}
