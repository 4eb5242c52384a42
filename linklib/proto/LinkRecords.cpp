#include "LinkRecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <cmath>
#include <cstring>

namespace linkproto {

namespace {

constexpr double kMaxExact = 9007199254740992.0; // 2^53
// Longest text a record member may carry on the wire, whatever its schema says.
constexpr int kMaxWireText = kMaxMessageBytes;

std::vector<RecordSchema> makeSchemas()
{
    const auto I = FieldType::Int;
    const auto R = FieldType::Real;
    const auto T = FieldType::Text;
    const auto B = FieldType::Bool;
    std::vector<RecordSchema> s;
    s.push_back({RecordKind::Plu,
                 "PLU",
                 {{"HotKey", I, 0, 224, false},
                  {"PluName", T, 0, 72, false},
                  {"LFCode", I, 0, 9999999, false},
                  {"Code", T, 0, 10, true},
                  {"BarCode", I, 0, 110, false},
                  {"UnitPrice", I, 0, 99999999, false},
                  {"WeightUnit", I, 0, 12, false},
                  {"QtyUnit", I, 0, 15, false},
                  {"Deptment", I, 0, 99, false},
                  {"Tare", R, 0, 999999, false},
                  {"ShlefTime", I, -9999, 9999, false},
                  {"PackageType", I, 0, 5, false},
                  {"PackageWeight", R, 0, 999999, false},
                  {"Tolerance", I, 0, 20, false},
                  {"Message1", I, 0, 20000, false},
                  {"Message2", I, 0, 255, false},
                  {"LabelId", I, 0, 255, false},
                  {"Rebate", I, 0, 255, false},
                  {"Ice", R, 0, 99.9, false},
                  {"IsLock", I, 0, 1, false},
                  {"Recomdays", I, 0, 9999, false}},
                 2,
                 0,
                 true});
    s.push_back({RecordKind::HotkeyTable, "hotkey table", {{"LFCode", I, 0, 9999999, false}}, -1, 224, false});
    s.push_back({RecordKind::Message,
                 "message",
                 {{"Index", I, 0, 19999, false}, {"MsgText", T, 0, kMaxMessageBytes, false}},
                 0,
                 20000,
                 true});
    s.push_back({RecordKind::DiscountPeriod,
                 "discount period",
                 {{"Hour", I, 0, 23, false}, {"Minute", I, 0, 59, false}, {"Discount", I, 0, 100, false}},
                 -1,
                 50,
                 false});
    s.push_back({RecordKind::Department,
                 "department",
                 {{"DeptId", I, 0, 99, false},
                  {"DeptName", T, 0, 14, false},
                  {"CGST", R, 0, 100, false},
                  {"SGST", R, 0, 100, false},
                  {"IsPrintDeptId", B, 0, 1, false},
                  {"IsPrintDeptName", B, 0, 1, false}},
                 0,
                 100,
                 false});
    s.push_back({RecordKind::PackType, "package type", {{"KeyValue", T, 0, 32, false}}, -1, 64, false});
    s.push_back({RecordKind::HotkeyFunction,
                 "hotkey function",
                 // Second layers are numbered after the first (up to 2 x 224); a function's key
                 // value lies above every LF code (0xAAAA01 on).
                 {{"HotKey", I, 1, 448, false}, {"KeyValue", I, 0, 0xFFFFFF, false}},
                 0,
                 448,
                 false});
    s.push_back({RecordKind::NutritionElement,
                 "nutrition element",
                 {{"Name", T, 0, 14, false}, {"iUnit", I, 0, 4, false}},
                 -1,
                 12,
                 false});
    s.push_back({RecordKind::PluNutrition,
                 "PLU nutrition",
                 {{"LFCode", I, 0, 9999999, false},
                  {"GroupTitle", T, 0, 72, false},
                  {"isPrint", FieldType::BoolArray, 0, 1, false},
                  {"percent", FieldType::RealArray, 0, 99999, false},
                  {"value", FieldType::RealArray, 0, 999999, false}},
                 0,
                 0,
                 true});
    s.push_back({RecordKind::AdHead, "advertising head", {{"Text", T, 0, 259, false}}, -1, 1, false});
    s.push_back({RecordKind::AdTail, "advertising tail", {{"Text", T, 0, 259, false}}, -1, 1, false});
    return s;
}

const std::vector<RecordSchema> &schemas()
{
    static const std::vector<RecordSchema> all = makeSchemas();
    return all;
}

bool isArrayType(FieldType t)
{
    return t == FieldType::BoolArray || t == FieldType::RealArray;
}

bool jsonToInt(const QJsonValue &v, qint64 &out)
{
    double d = 0;
    if (v.isUndefined() || v.isNull()) {
        out = 0;
        return true;
    }
    if (v.isBool()) {
        out = v.toBool() ? 1 : 0;
        return true;
    }
    if (v.isDouble()) {
        d = v.toDouble();
    } else if (v.isString()) {
        bool ok = false;
        d = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            return false;
    } else {
        return false;
    }
    if (!(std::fabs(d) < kMaxExact) || d != std::floor(d))
        return false;
    out = qint64(d);
    return true;
}

bool jsonToReal(const QJsonValue &v, double &out)
{
    if (v.isUndefined() || v.isNull()) {
        out = 0;
        return true;
    }
    if (v.isBool()) {
        out = v.toBool() ? 1 : 0;
        return true;
    }
    if (v.isDouble()) {
        out = v.toDouble();
        return std::isfinite(out);
    }
    if (v.isString()) {
        bool ok = false;
        out = v.toString().trimmed().toDouble(&ok);
        return ok && std::isfinite(out);
    }
    return false;
}

void appendJsonString(const QByteArray &bytes, QByteArray &out)
{
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    for (const char c : bytes) {
        const auto u = quint8(c);
        if (c == '"' || c == '\\') {
            out.append('\\');
            out.append(c);
        } else if (u < 0x20) {
            switch (c) {
            case '\n':
                out.append("\\n", 2);
                break;
            case '\r':
                out.append("\\r", 2);
                break;
            case '\t':
                out.append("\\t", 2);
                break;
            default:
                out.append("\\u00", 4);
                out.append(hex[u >> 4]);
                out.append(hex[u & 0xF]);
            }
        } else {
            out.append(c);
        }
    }
    out.append('"');
}

void appendJsonReal(double d, QByteArray &out)
{
    if (!std::isfinite(d)) {
        out.append('0');
        return;
    }
    if (d == std::floor(d) && std::fabs(d) < kMaxExact) {
        out.append(QByteArray::number(qint64(d)));
        return;
    }
    out.append(QByteArray::number(d, 'g', QLocale::FloatingPointShortest));
}

} // namespace

const RecordSchema *schemaFor(RecordKind kind)
{
    return schemaFor(int(kind));
}

const RecordSchema *schemaFor(int kind)
{
    if (kind < kFirstKind || kind > kLastKind)
        return nullptr;
    return &schemas()[size_t(kind - kFirstKind)];
}

bool FieldValue::operator==(const FieldValue &o) const
{
    return i == o.i && (d == o.d || (std::isnan(d) && std::isnan(o.d))) && s == o.s && a == o.a;
}

Record emptyRecord(const RecordSchema &schema)
{
    Record r(schema.fields.size());
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        if (isArrayType(schema.fields[f].type))
            r[f].a = QVector<double>(kNutritionSlots, 0.0);
    }
    return r;
}

int fieldIndex(const RecordSchema &schema, const char *name)
{
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        if (std::strcmp(schema.fields[f].name, name) == 0)
            return int(f);
    }
    return -1;
}

void ByteWriter::u16(quint16 v)
{
    u8(quint8(v & 0xFF));
    u8(quint8(v >> 8));
}

void ByteWriter::u32(quint32 v)
{
    u16(quint16(v & 0xFFFF));
    u16(quint16(v >> 16));
}

void ByteWriter::u64(quint64 v)
{
    u32(quint32(v & 0xFFFFFFFFu));
    u32(quint32(v >> 32));
}

void ByteWriter::varint(quint64 v)
{
    while (v >= 0x80) {
        u8(quint8(v | 0x80));
        v >>= 7;
    }
    u8(quint8(v));
}

void ByteWriter::svarint(qint64 v)
{
    varint((quint64(v) << 1) ^ quint64(v >> 63));
}

// Reals the scale deals in (tare, weights, tax rates) are mostly whole thousandths: those take
// one to four bytes; anything else travels as the 8 bytes of the double, so nothing is rounded.
void ByteWriter::real(double v)
{
    const double scaled = v * 1000.0;
    if (std::isfinite(scaled) && std::fabs(scaled) < kMaxExact / 4 && !std::signbit(v)) {
        const auto milli = qint64(std::llround(scaled));
        if (double(milli) / 1000.0 == v) {
            varint(quint64(milli) << 1);
            return;
        }
    }
    if (std::isfinite(scaled) && std::fabs(scaled) < kMaxExact / 4 && std::signbit(v) && v != 0.0) {
        const auto milli = qint64(std::llround(-scaled));
        if (-(double(milli) / 1000.0) == v) {
            varint((quint64(milli) << 2) | 1);
            return;
        }
    }
    varint(3);
    quint64 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    u64(bits);
}

void ByteWriter::bytes(const QByteArray &b)
{
    varint(quint64(b.size()));
    m_out.append(b);
}

bool ByteReader::u8(quint8 &v)
{
    if (m_p >= m_end)
        return false;
    v = quint8(*m_p++);
    return true;
}

bool ByteReader::u16(quint16 &v)
{
    quint8 a = 0, b = 0;
    if (!u8(a) || !u8(b))
        return false;
    v = quint16(a | (b << 8));
    return true;
}

bool ByteReader::u32(quint32 &v)
{
    quint16 a = 0, b = 0;
    if (!u16(a) || !u16(b))
        return false;
    v = quint32(a) | (quint32(b) << 16);
    return true;
}

bool ByteReader::u64(quint64 &v)
{
    quint32 a = 0, b = 0;
    if (!u32(a) || !u32(b))
        return false;
    v = quint64(a) | (quint64(b) << 32);
    return true;
}

bool ByteReader::varint(quint64 &v)
{
    v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        quint8 b = 0;
        if (!u8(b))
            return false;
        v |= quint64(b & 0x7F) << shift;
        if (!(b & 0x80))
            return true;
    }
    return false;
}

bool ByteReader::svarint(qint64 &v)
{
    quint64 u = 0;
    if (!varint(u))
        return false;
    v = qint64(u >> 1) ^ -qint64(u & 1);
    return true;
}

bool ByteReader::real(double &v)
{
    quint64 head = 0;
    if (!varint(head))
        return false;
    if ((head & 1) == 0) {
        v = double(qint64(head >> 1)) / 1000.0;
        return true;
    }
    if ((head & 3) == 1) {
        v = -(double(qint64(head >> 2)) / 1000.0);
        return true;
    }
    if (head != 3)
        return false;
    quint64 bits = 0;
    if (!u64(bits))
        return false;
    std::memcpy(&v, &bits, sizeof v);
    // JSON has no NaN or infinity, so no record may carry one.
    return std::isfinite(v);
}

bool ByteReader::bytes(QByteArray &b, int maxSize)
{
    quint64 size = 0;
    if (!varint(size) || size > quint64(maxSize) || size > quint64(remaining()))
        return false;
    b = QByteArray(m_p, int(size));
    m_p += size;
    return true;
}

void encodeRecord(const RecordSchema &schema, const Record &record, QByteArray &out)
{
    ByteWriter w(out);
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        const FieldValue &v = record[f];
        switch (schema.fields[f].type) {
        case FieldType::Int:
        case FieldType::Bool:
            w.svarint(v.i);
            break;
        case FieldType::Real:
            w.real(v.d);
            break;
        case FieldType::Text:
            w.bytes(v.s);
            break;
        case FieldType::BoolArray: {
            quint64 mask = 0;
            for (int k = 0; k < kNutritionSlots && k < v.a.size(); ++k) {
                if (v.a[k] != 0.0)
                    mask |= quint64(1) << k;
            }
            w.varint(mask);
            break;
        }
        case FieldType::RealArray:
            for (int k = 0; k < kNutritionSlots; ++k)
                w.real(k < v.a.size() ? v.a[k] : 0.0);
            break;
        }
    }
}

bool decodeRecord(const RecordSchema &schema, ByteReader &in, Record &record)
{
    record = emptyRecord(schema);
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        FieldValue &v = record[f];
        switch (schema.fields[f].type) {
        case FieldType::Int:
        case FieldType::Bool:
            if (!in.svarint(v.i))
                return false;
            break;
        case FieldType::Real:
            if (!in.real(v.d))
                return false;
            break;
        case FieldType::Text:
            if (!in.bytes(v.s, kMaxWireText))
                return false;
            break;
        case FieldType::BoolArray: {
            quint64 mask = 0;
            if (!in.varint(mask) || mask >> kNutritionSlots)
                return false;
            for (int k = 0; k < kNutritionSlots; ++k)
                v.a[k] = (mask >> k) & 1 ? 1.0 : 0.0;
            break;
        }
        case FieldType::RealArray:
            for (int k = 0; k < kNutritionSlots; ++k) {
                if (!in.real(v.a[k]))
                    return false;
            }
            break;
        }
    }
    return true;
}

bool recordFromJson(const RecordSchema &schema, const QJsonObject &object, Record &record)
{
    record = emptyRecord(schema);
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        const FieldDef &def = schema.fields[f];
        const QJsonValue v = object.value(QLatin1String(def.name));
        FieldValue &out = record[f];
        switch (def.type) {
        case FieldType::Int:
            if (!jsonToInt(v, out.i))
                return false;
            break;
        case FieldType::Bool:
            if (v.isBool()) {
                out.i = v.toBool() ? 1 : 0;
            } else {
                qint64 n = 0;
                if (!jsonToInt(v, n))
                    return false;
                out.i = n != 0 ? 1 : 0;
            }
            break;
        case FieldType::Real:
            if (!jsonToReal(v, out.d))
                return false;
            break;
        case FieldType::Text:
            if (v.isString()) {
                out.s = jsonTextBytes(v);
            } else if (v.isDouble()) {
                qint64 n = 0;
                if (jsonToInt(v, n))
                    out.s = QByteArray::number(n);
                else
                    out.s = QByteArray::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
            } else if (!v.isUndefined() && !v.isNull()) {
                return false;
            }
            if (out.s.size() > kMaxWireText)
                return false;
            break;
        case FieldType::BoolArray:
        case FieldType::RealArray: {
            if (v.isUndefined() || v.isNull())
                break;
            if (!v.isArray())
                return false;
            const QJsonArray items = v.toArray();
            if (items.size() > kNutritionSlots)
                return false;
            for (int k = 0; k < items.size(); ++k) {
                const QJsonValue item = items.at(k);
                if (def.type == FieldType::BoolArray) {
                    out.a[k] = (item.isBool() ? item.toBool() : item.toDouble() != 0.0) ? 1.0 : 0.0;
                } else if (!jsonToReal(item, out.a[k])) {
                    return false;
                }
            }
            break;
        }
        }
    }
    return true;
}

void appendRecordJson(const RecordSchema &schema, const Record &record, QByteArray &out)
{
    out.append('{');
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        const FieldDef &def = schema.fields[f];
        const FieldValue &v = record[f];
        if (f > 0)
            out.append(',');
        out.append('"');
        out.append(def.name);
        out.append("\":", 2);
        switch (def.type) {
        case FieldType::Int:
            out.append(QByteArray::number(v.i));
            break;
        case FieldType::Bool:
            out.append(v.i ? "true" : "false");
            break;
        case FieldType::Real:
            appendJsonReal(v.d, out);
            break;
        case FieldType::Text:
            appendJsonString(v.s, out);
            break;
        case FieldType::BoolArray:
        case FieldType::RealArray:
            out.append('[');
            for (int k = 0; k < kNutritionSlots; ++k) {
                if (k > 0)
                    out.append(',');
                const double x = k < v.a.size() ? v.a[k] : 0.0;
                if (def.type == FieldType::BoolArray)
                    out.append(x != 0.0 ? "true" : "false");
                else
                    appendJsonReal(x, out);
            }
            out.append(']');
            break;
        }
    }
    out.append('}');
}

QByteArray recordsJsonArray(const RecordSchema &schema, const std::vector<Record> &records)
{
    QByteArray out;
    out.append('[');
    for (size_t r = 0; r < records.size(); ++r) {
        if (r > 0)
            out.append(',');
        appendRecordJson(schema, records[r], out);
    }
    out.append(']');
    return out;
}

bool parseJsonBytes(const QByteArray &text, QJsonValue &value)
{
    // Stop at the first NUL, as a C caller's buffer would.
    const int nul = text.indexOf('\0');
    const QByteArray bytes = nul >= 0 ? text.left(nul) : text;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QString::fromLatin1(bytes).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return false;
    if (doc.isArray())
        value = doc.array();
    else if (doc.isObject())
        value = doc.object();
    else
        return false;
    return true;
}

QByteArray jsonTextBytes(const QJsonValue &value)
{
    const QString text = value.toString();
    for (const QChar c : text) {
        // A \u escape beyond Latin-1 can only mean Unicode text: send it as UTF-8.
        if (c.unicode() > 0xFF)
            return text.toUtf8();
    }
    return text.toLatin1();
}

bool validateRecord(const RecordSchema &schema, const Record &record, QByteArray *fault)
{
    auto refuse = [&](const FieldDef &def, const char *why) {
        if (fault)
            *fault = QByteArray(def.name) + ' ' + why;
        return false;
    };
    if (record.size() != schema.fields.size()) {
        if (fault)
            *fault = "record shape";
        return false;
    }
    for (size_t f = 0; f < schema.fields.size(); ++f) {
        const FieldDef &def = schema.fields[f];
        const FieldValue &v = record[f];
        switch (def.type) {
        case FieldType::Int:
        case FieldType::Bool:
            if (double(v.i) < def.min || double(v.i) > def.max)
                return refuse(def, "out of range");
            break;
        case FieldType::Real:
            if (!(v.d >= def.min && v.d <= def.max))
                return refuse(def, "out of range");
            break;
        case FieldType::Text:
            if (v.s.size() > int(def.max))
                return refuse(def, "too long");
            if (def.digitsOnly) {
                for (const char c : v.s) {
                    if (c < '0' || c > '9')
                        return refuse(def, "not digits");
                }
            }
            break;
        case FieldType::BoolArray:
            break;
        case FieldType::RealArray:
            for (const double x : v.a) {
                if (!(x >= def.min && x <= def.max))
                    return refuse(def, "out of range");
            }
            break;
        }
    }
    return true;
}

} // namespace linkproto
