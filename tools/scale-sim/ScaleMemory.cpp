#include "ScaleMemory.h"

#include "LinkFrame.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>

using namespace linkproto;

namespace {

constexpr int kHotkeys = 224;
constexpr int kMaxGetBudget = 8000;
constexpr int kMinGetBudget = 64;

QByteArray kindName(RecordKind kind)
{
    const RecordSchema *schema = schemaFor(kind);
    return schema ? QByteArray(schema->name) : QByteArray("kind ?");
}

ScaleMemory::Outcome failure(quint8 status, const QByteArray &summary)
{
    ScaleMemory::Outcome o;
    o.status = status;
    o.summary = summary;
    return o;
}

// Sets that the scale always holds in full: the hotkey table and the two advertising texts.
bool isFixedSize(RecordKind kind)
{
    return kind == RecordKind::HotkeyTable || kind == RecordKind::AdHead || kind == RecordKind::AdTail;
}

} // namespace

namespace {
quint32 newMemoryId()
{
    // Never 0, so that no token of a real memory reads as "none".
    return QRandomGenerator::global()->bounded(1u, 0xFFFFFFFFu);
}
} // namespace

ScaleMemory::ScaleMemory(int pluCapacity) : m_capacity(pluCapacity), m_memoryId(newMemoryId())
{
    for (int k = kFirstKind; k <= kLastKind; ++k)
        reset(RecordKind(k));
}

int ScaleMemory::capacityOf(const RecordSchema &schema) const
{
    return schema.capacity > 0 ? schema.capacity : m_capacity;
}

int ScaleMemory::count(RecordKind kind) const
{
    return int(store(kind).records.size());
}

void ScaleMemory::reset(RecordKind kind)
{
    const RecordSchema &schema = *schemaFor(kind);
    Store &s = store(kind);
    s.records.clear();
    s.index.clear();
    if (kind == RecordKind::HotkeyTable)
        s.records.assign(kHotkeys, emptyRecord(schema));
    else if (kind == RecordKind::AdHead || kind == RecordKind::AdTail)
        s.records.assign(1, emptyRecord(schema));
    invalidateCaches();
}

void ScaleMemory::rebuildIndex(RecordKind kind)
{
    const RecordSchema &schema = *schemaFor(kind);
    Store &s = store(kind);
    s.index.clear();
    if (schema.keyField < 0)
        return;
    for (size_t p = 0; p < s.records.size(); ++p)
        s.index.insert(s.records[p][size_t(schema.keyField)].i, int(p));
}

void ScaleMemory::invalidateCaches()
{
    m_hotkeyMapValid = false;
    m_messageSpan = -1;
}

int ScaleMemory::hotkeyFor(qint64 lfCode) const
{
    if (!m_hotkeyMapValid) {
        m_hotkeyByLf.clear();
        const auto &table = store(RecordKind::HotkeyTable).records;
        // The lowest key wins when one LF code sits on several keys.
        for (int h = int(table.size()) - 1; h >= 0; --h) {
            if (table[size_t(h)][0].i != 0)
                m_hotkeyByLf.insert(table[size_t(h)][0].i, h + 1);
        }
        m_hotkeyMapValid = true;
    }
    return lfCode == 0 ? 0 : m_hotkeyByLf.value(lfCode, 0);
}

int ScaleMemory::uploadCount(RecordKind kind) const
{
    if (kind != RecordKind::Message)
        return count(kind);
    // Messages go out by number from 0 up to the highest stored one, gaps as empty texts, so
    // that a message's place in the upload is its number.
    if (m_messageSpan < 0) {
        int highest = -1;
        for (const Record &r : store(kind).records)
            highest = std::max(highest, int(r[0].i));
        m_messageSpan = highest + 1;
    }
    return m_messageSpan;
}

Record ScaleMemory::uploadView(RecordKind kind, int position) const
{
    if (kind == RecordKind::Message) {
        const Store &s = store(kind);
        const auto it = s.index.constFind(position);
        if (it != s.index.constEnd())
            return s.records[size_t(it.value())];
        Record empty = emptyRecord(*schemaFor(kind));
        empty[0].i = position;
        return empty;
    }
    Record r = store(kind).records[size_t(position)];
    if (kind == RecordKind::Plu)
        r[0].i = hotkeyFor(r[2].i);
    return r;
}

ScaleMemory::Outcome ScaleMemory::execute(quint8 command, const QByteArray &payload)
{
    ByteReader in(payload);
    switch (command) {
    case CmdHello: {
        Outcome o;
        ByteWriter w(o.answer);
        w.u8(1);
        w.u32(quint32(m_capacity));
        w.u32(quint32(count(RecordKind::Plu)));
        o.summary = "HELLO";
        return o;
    }
    case CmdBye: {
        Outcome o;
        o.summary = "BYE";
        return o;
    }
    case CmdState: {
        if (!m_answersState || !payload.isEmpty())
            return failure(m_answersState ? StatusBadRequest : StatusUnknownCommand, "STATE not answered");
        Outcome o;
        ByteWriter w(o.answer);
        w.u32(quint32(m_capacity));
        w.u32(quint32(count(RecordKind::Plu)));
        w.u64(memoryToken());
        o.summary = "STATE " + QByteArray::number(count(RecordKind::Plu)) + " PLUs, token " +
                    QByteArray::number(memoryToken(), 16);
        return o;
    }
    case CmdClear:
        return clear(payload);
    case CmdPut:
        return put(payload);
    case CmdGet:
        return get(payload);
    case CmdUpdatePrice:
        return updatePrice(payload);
    case CmdWeightUnit: {
        qint64 unit = 0;
        if (!in.svarint(unit) || !in.atEnd())
            return failure(StatusBadRequest, "WEIGHT UNIT bad payload");
        if (unit < 0 || unit > 12)
            return failure(StatusRefused, "WEIGHT UNIT " + QByteArray::number(unit) + " out of range");
        m_weightUnit = int(unit);
        Outcome o;
        o.changed = true;
        o.summary = "WEIGHT UNIT " + QByteArray::number(unit);
        return o;
    }
    case CmdGetWeight: {
        Outcome o;
        ByteWriter(o.answer).svarint(m_weightGrams);
        o.summary = "GET WEIGHT " + QByteArray::number(m_weightGrams);
        return o;
    }
    default:
        return failure(StatusUnknownCommand, "unknown command 0x" + QByteArray::number(command, 16));
    }
}

ScaleMemory::Outcome ScaleMemory::clear(const QByteArray &payload)
{
    ByteReader in(payload);
    quint8 kind = 0;
    if (!in.u8(kind) || !in.atEnd() || !schemaFor(kind))
        return failure(StatusBadRequest, "CLEAR bad payload");
    reset(RecordKind(kind));
    // Messages belong to the PLUs that name them: a new PLU list must not print old texts.
    if (RecordKind(kind) == RecordKind::Plu) {
        reset(RecordKind::Message);
        plusChanged();
    }
    Outcome o;
    o.changed = true;
    o.summary = "CLEAR " + kindName(RecordKind(kind));
    return o;
}

ScaleMemory::Outcome ScaleMemory::put(const QByteArray &payload)
{
    ByteReader in(payload);
    quint8 kindByte = 0, mode = 0;
    quint16 packet = 0, n = 0;
    if (!in.u8(kindByte) || !in.u8(mode) || !in.u16(packet) || !in.u16(n) || !schemaFor(kindByte) ||
        (mode & ~kPutChained) > 1)
        return failure(StatusBadRequest, "PUT bad header");
    mode &= quint8(~kPutChained); // the link has seen to it
    const auto kind = RecordKind(kindByte);
    const RecordSchema &schema = *schemaFor(kind);
    const QByteArray what = "PUT " + kindName(kind) + " packet " + QByteArray::number(packet) + " count " +
                            QByteArray::number(n) + (mode ? " replace" : "");
    // Every record takes at least one byte per member, which bounds what a count may ask for.
    if (int(n) * int(schema.fields.size()) > in.remaining())
        return failure(StatusBadRequest, what + ": count larger than the payload");
    std::vector<Record> incoming(n);
    for (Record &r : incoming) {
        if (!decodeRecord(schema, in, r))
            return failure(StatusBadRequest, what + ": records do not decode");
    }
    if (!in.atEnd())
        return failure(StatusBadRequest, what + ": trailing bytes");
    // The whole frame is checked before anything is stored: a refused packet changes nothing.
    for (size_t k = 0; k < incoming.size(); ++k) {
        QByteArray fault;
        if (!validateRecord(schema, incoming[k], &fault))
            return failure(StatusRefused, what + ": record " + QByteArray::number(int(k) + 1) + ' ' + fault);
    }
    Store &s = store(kind);
    if (kind == RecordKind::HotkeyTable) {
        if (mode == 1)
            reset(kind);
        const int first = int(packet) * 84;
        for (size_t k = 0; k < incoming.size(); ++k) {
            if (first + int(k) < kHotkeys)
                s.records[size_t(first) + k] = incoming[k];
        }
    } else if (kind == RecordKind::AdHead || kind == RecordKind::AdTail) {
        if (incoming.size() > 1)
            return failure(StatusRefused, what + ": one text only");
        s.records.assign(1, incoming.empty() ? emptyRecord(schema) : incoming[0]);
    } else {
        const int capacity = capacityOf(schema);
        int added = 0;
        if (schema.keyField >= 0) {
            QSet<qint64> fresh;
            for (const Record &r : incoming) {
                const qint64 key = r[size_t(schema.keyField)].i;
                if ((mode == 1 || !s.index.contains(key)) && !fresh.contains(key)) {
                    fresh.insert(key);
                    ++added;
                }
            }
        } else {
            added = int(incoming.size());
        }
        const int kept = mode == 1 ? 0 : int(s.records.size());
        if (kept + added > capacity)
            return failure(StatusFull, what + ": memory full (" + QByteArray::number(capacity) + ')');
        if (mode == 1)
            reset(kind);
        for (Record &r : incoming) {
            if (schema.keyField >= 0) {
                const qint64 key = r[size_t(schema.keyField)].i;
                const auto it = s.index.constFind(key);
                if (it != s.index.constEnd()) {
                    s.records[size_t(it.value())] = std::move(r);
                    continue;
                }
                s.index.insert(key, int(s.records.size()));
            }
            s.records.push_back(std::move(r));
        }
    }
    invalidateCaches();
    Outcome o;
    o.changed = true;
    o.summary = what;
    if (kind == RecordKind::Plu) {
        o.plusStored = int(n);
        plusChanged();
    }
    return o;
}

ScaleMemory::Outcome ScaleMemory::get(const QByteArray &payload) const
{
    ByteReader in(payload);
    quint8 kindByte = 0, mode = 0;
    quint32 start = 0;
    quint16 budget = 0;
    if (!in.u8(kindByte) || !in.u8(mode) || !in.u32(start) || !in.u16(budget) || !in.atEnd() || !schemaFor(kindByte))
        return failure(StatusBadRequest, "GET bad payload");
    const auto kind = RecordKind(kindByte);
    const RecordSchema &schema = *schemaFor(kind);
    const int total = uploadCount(kind);
    const int limit = std::clamp(int(budget), kMinGetBudget, kMaxGetBudget);
    QByteArray records;
    quint16 n = 0;
    QByteArray one;
    for (int p = int(std::min<quint32>(start, quint32(total))); p < total; ++p) {
        one.clear();
        encodeRecord(schema, uploadView(kind, p), one);
        if (n > 0 && records.size() + one.size() > limit)
            break;
        records.append(one);
        ++n;
    }
    Outcome o;
    o.answerPiece = limit + 6;
    ByteWriter w(o.answer);
    w.u32(quint32(total));
    w.u16(n);
    o.answer.append(records);
    o.summary = "GET " + kindName(kind) + " from " + QByteArray::number(start) + " sent " + QByteArray::number(n) +
                " of " + QByteArray::number(total);
    return o;
}

ScaleMemory::Outcome ScaleMemory::updatePrice(const QByteArray &payload)
{
    ByteReader in(payload);
    qint64 lf = 0, price = 0;
    if (!in.svarint(lf) || !in.svarint(price) || !in.atEnd())
        return failure(StatusBadRequest, "PRICE bad payload");
    const QByteArray what = "PRICE LF " + QByteArray::number(lf) + " to " + QByteArray::number(price);
    const RecordSchema &schema = *schemaFor(RecordKind::Plu);
    const int priceField = fieldIndex(schema, "UnitPrice");
    const FieldDef &def = schema.fields[size_t(priceField)];
    if (double(price) < def.min || double(price) > def.max)
        return failure(StatusRefused, what + ": out of range");
    Store &s = store(RecordKind::Plu);
    const auto it = s.index.constFind(lf);
    if (it == s.index.constEnd())
        return failure(StatusNotFound, what + ": no such PLU");
    s.records[size_t(it.value())][size_t(priceField)].i = price;
    plusChanged();
    Outcome o;
    o.changed = true;
    o.summary = what;
    return o;
}

QByteArray ScaleMemory::toJson() const
{
    QByteArray out =
        "{\"capacity\":" + QByteArray::number(m_capacity) + ",\"weightUnit\":" + QByteArray::number(m_weightUnit) +
        ",\"memoryId\":" + QByteArray::number(m_memoryId) + ",\"changes\":" + QByteArray::number(m_changes);
    for (int k = kFirstKind; k <= kLastKind; ++k) {
        const RecordSchema &schema = *schemaFor(k);
        out += ",\n\"" + QByteArray(schema.name) + "\":";
        out += recordsJsonArray(schema, store(RecordKind(k)).records);
    }
    out += "}";
    return out;
}

bool ScaleMemory::fromJson(const QJsonObject &object, QString *error)
{
    m_weightUnit = object.value(QLatin1String("weightUnit")).toInt(4);
    // A memory kept without its identity cannot vouch for what it holds: it counts as new.
    const double id = object.value(QLatin1String("memoryId")).toDouble(0);
    const double changes = object.value(QLatin1String("changes")).toDouble(-1);
    const bool known = id >= 1 && id <= 0xFFFFFFFFu && id == double(quint32(id)) && changes >= 0 &&
                       changes <= 0xFFFFFFFFu && changes == double(quint32(changes));
    m_memoryId = known ? quint32(id) : newMemoryId();
    m_changes = known ? quint32(changes) : 0;
    for (int k = kFirstKind; k <= kLastKind; ++k) {
        const RecordSchema &schema = *schemaFor(k);
        const auto kind = RecordKind(k);
        reset(kind);
        const QJsonArray items = object.value(QLatin1String(schema.name)).toArray();
        std::vector<Record> records;
        for (const QJsonValue &item : items) {
            Record r;
            if (!item.isObject() || !recordFromJson(schema, item.toObject(), r)) {
                *error = QStringLiteral("unreadable %1 record").arg(QLatin1String(schema.name));
                return false;
            }
            records.push_back(std::move(r));
        }
        if (isFixedSize(kind) && records.size() != store(kind).records.size()) {
            *error = QStringLiteral("%1 has the wrong size").arg(QLatin1String(schema.name));
            return false;
        }
        store(kind).records = std::move(records);
        rebuildIndex(kind);
    }
    invalidateCaches();
    return true;
}
