#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QVector>
#include <vector>

// The records the scale holds, their JSON members and their compact wire form. One schema per
// record kind drives the JSON reader, the JSON writer, the wire coder and the scale's checks,
// so the library and the simulator cannot drift apart.
namespace linkproto {

enum class RecordKind : quint8
{
    Plu = 1,
    HotkeyTable = 2,
    Message = 3,
    DiscountPeriod = 4,
    Department = 5,
    PackType = 6,
    HotkeyFunction = 7,
    NutritionElement = 8,
    PluNutrition = 9,
    AdHead = 10,
    AdTail = 11,
};
constexpr int kFirstKind = 1;
constexpr int kLastKind = 11;

enum class FieldType : quint8
{
    Int,
    Real,
    Text,
    Bool,
    BoolArray,
    RealArray
};

// Longest message text: 16 lines of the 32767 characters a cell editor holds, at up to three
// bytes a character in the local code page, fit.
constexpr int kMaxMessageBytes = 2 * 1024 * 1024;

// Fixed length of the array members of a PLU nutrition record.
constexpr int kNutritionSlots = 12;

struct FieldDef
{
    const char *name;
    FieldType type;
    double min; // Int/Real: smallest value the scale accepts
    double max; // Int/Real: largest value; Text: most bytes
    bool digitsOnly;
};

struct RecordSchema
{
    RecordKind kind;
    const char *name;
    std::vector<FieldDef> fields;
    int keyField; // field whose value identifies a stored record (replace on equal), -1: none
    int capacity; // most records the scale keeps (PLU and PLU nutrition: the configured capacity)
    bool perItem; // uploads deliver one callback per record, otherwise one with the whole array
};

const RecordSchema *schemaFor(RecordKind kind);
const RecordSchema *schemaFor(int kind);

struct FieldValue
{
    qint64 i = 0;
    double d = 0.0;
    QByteArray s;
    QVector<double> a;

    bool operator==(const FieldValue &o) const;
};

using Record = std::vector<FieldValue>;

Record emptyRecord(const RecordSchema &schema);
int fieldIndex(const RecordSchema &schema, const char *name);

// Compact wire coding: zigzag varints for integers, reals as exact thousandths where possible.
class ByteWriter
{
public:
    explicit ByteWriter(QByteArray &out) : m_out(out) {}
    void u8(quint8 v) { m_out.append(char(v)); }
    void u16(quint16 v);
    void u32(quint32 v);
    void u64(quint64 v);
    void varint(quint64 v);
    void svarint(qint64 v);
    void real(double v);
    void bytes(const QByteArray &b);

private:
    QByteArray &m_out;
};

class ByteReader
{
public:
    ByteReader(const char *data, int size) : m_p(data), m_end(data + size) {}
    explicit ByteReader(const QByteArray &b) : ByteReader(b.constData(), b.size()) {}
    bool u8(quint8 &v);
    bool u16(quint16 &v);
    bool u32(quint32 &v);
    bool u64(quint64 &v);
    bool varint(quint64 &v);
    bool svarint(qint64 &v);
    bool real(double &v);
    bool bytes(QByteArray &b, int maxSize);
    int remaining() const { return int(m_end - m_p); }
    bool atEnd() const { return m_p == m_end; }

private:
    const char *m_p;
    const char *m_end;
};

void encodeRecord(const RecordSchema &schema, const Record &record, QByteArray &out);
bool decodeRecord(const RecordSchema &schema, ByteReader &in, Record &record);

// JSON member to record value. Lenient like the program's own readers: a missing member is 0 or
// empty; numbers written as text are read. Returns false for values that cannot be read (an
// object for an integer, a fraction for an integer, an array longer than its slots).
bool recordFromJson(const RecordSchema &schema, const QJsonObject &object, Record &record);

// JSON object text of one record, written without a JSON library so that text members go out
// byte for byte as held (local 8-bit, not re-encoded) and 20000 PLUs take milliseconds.
void appendRecordJson(const RecordSchema &schema, const Record &record, QByteArray &out);
QByteArray recordsJsonArray(const RecordSchema &schema, const std::vector<Record> &records);

// Parses JSON text whose strings are local 8-bit bytes: each byte is read as one character, so
// text members come back as the exact bytes sent whatever the code page.
bool parseJsonBytes(const QByteArray &text, QJsonValue &value);
// Text member to its bytes (inverse of the byte-per-character reading above).
QByteArray jsonTextBytes(const QJsonValue &value);

// The scale's checks of one record; on failure returns false and names the field.
bool validateRecord(const RecordSchema &schema, const Record &record, QByteArray *fault);

} // namespace linkproto
