#include "CodedTexts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace zqlink {

using namespace linkproto;

bool recordsFromJsonText(RecordKind kind, const char *json, std::vector<Record> &records)
{
    if (!json)
        return false;
    QJsonValue value;
    if (!parseJsonBytes(QByteArray(json), value))
        return false;
    const RecordSchema &schema = *schemaFor(kind);
    QJsonArray items;
    if (value.isObject())
        items.append(value);
    else
        items = value.toArray();
    records.clear();
    records.reserve(size_t(items.size()));
    for (const QJsonValue &item : qAsConst(items)) {
        Record rec;
        if (kind == RecordKind::HotkeyTable) {
            rec = emptyRecord(schema);
            if (!item.isDouble())
                return false;
            rec[0].i = qint64(item.toDouble());
        } else if (!item.isObject() || !recordFromJson(schema, item.toObject(), rec)) {
            return false;
        }
        records.push_back(std::move(rec));
    }
    return true;
}

namespace {

struct Entry
{
    RecordKind kind;
    QByteArray text;
    std::once_flag coded;
    CodedText value;
};

// Enough for the packets of several full PLU lists; past it the texts are read again.
constexpr size_t kMostBytes = size_t(64) << 20;

std::mutex g_mutex;
std::unordered_map<const char *, std::shared_ptr<Entry>> g_entries;
size_t g_bytes = 0;

std::shared_ptr<Entry> entryFor(RecordKind kind, const char *json)
{
    const size_t size = std::strlen(json);
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto found = g_entries.find(json);
    if (found != g_entries.end()) {
        const Entry &e = *found->second;
        if (e.kind == kind && size_t(e.text.size()) == size && std::memcmp(e.text.constData(), json, size) == 0)
            return found->second;
    }
    if (g_bytes + size > kMostBytes) {
        g_entries.clear();
        g_bytes = 0;
    }
    // Coded records take no more room than their text.
    g_bytes += 2 * size;
    auto entry = std::make_shared<Entry>();
    entry->kind = kind;
    entry->text = QByteArray(json, int(size));
    g_entries[json] = entry;
    return entry;
}

} // namespace

std::shared_ptr<const CodedText> codedJsonText(RecordKind kind, const char *json)
{
    if (!json)
        return std::make_shared<const CodedText>();
    std::shared_ptr<Entry> entry = entryFor(kind, json);
    // Links that want the same text at the same moment wait for the one that reads it.
    std::call_once(entry->coded, [&] {
        std::vector<Record> records;
        if (!recordsFromJsonText(kind, entry->text.constData(), records))
            return;
        const RecordSchema &schema = *schemaFor(kind);
        entry->value.records.resize(records.size());
        for (size_t k = 0; k < records.size(); ++k)
            encodeRecord(schema, records[k], entry->value.records[k]);
        entry->value.ok = true;
    });
    return std::shared_ptr<const CodedText>(entry, &entry->value);
}

} // namespace zqlink
