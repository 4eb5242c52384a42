// The C entry points of the scale link library. Each call finds its session, runs one or more
// exchanges of docs/link-protocol.md and converts records between JSON texts and wire records.
#include "zqslabelscale.h"

#include "CodedTexts.h"
#include "LinkRecords.h"
#include "LinkSession.h"
#include "OpenFailure.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <map>

using namespace linkproto;
using namespace zqlink;

namespace {

// Kind number of the link counters in zqscaleUploadData and of this link's own settings in
// zqscaleDownLoadData, and of what the scale's PLU memory holds (not record kinds the scale stores).
constexpr int kLinkCountersKind = 100;
constexpr int kLinkSettingsKind = 100;
constexpr int kMemoryStateKind = 101;
constexpr int kAnsweredKind = 102;
// Kind number, in zqscaleUploadData, of why the calling thread's last connect failed to open.
constexpr int kOpenFailureKind = 103;
// Records per frame are bounded by this payload size, well under the frame limit.
constexpr int kPutBudget = 4096;
// Most frames a link may send ahead of their answers: enough to keep a fast link busy, little
// enough that the scale's receive buffer holds them.
constexpr int kMostAhead = 64;
constexpr int kMaxUploadItems = 1000000;

enum PutMode : quint8
{
    PutMerge = 0,
    PutReplace = 1
};

std::mutex g_registryMutex;
std::map<int, std::shared_ptr<LinkSession>> g_sessions;
int g_nextHandle = 1;

std::shared_ptr<LinkSession> findSession(int handle)
{
    std::lock_guard<std::mutex> lock(g_registryMutex);
    const auto it = g_sessions.find(handle);
    return it == g_sessions.end() ? nullptr : it->second;
}

// Sends the PLU records gathered for a windowed PUT.
int flushBatch(LinkSession &s)
{
    if (s.batch.count == 0)
        return ResultOk;
    QByteArray payload;
    ByteWriter w(payload);
    w.u8(quint8(RecordKind::Plu));
    w.u8(PutMerge | kPutChained);
    w.u16(s.batch.packetNo);
    w.u16(s.batch.count);
    payload.append(s.batch.records);
    const int count = s.batch.count;
    s.batch = LinkSession::Batch();
    return s.post(CmdPut, payload, count);
}

// Everything sent ahead is answered before anything else is asked, so a failure among it is
// reported by the next call, whatever it is.
int settle(LinkSession &s)
{
    const int r = flushBatch(s);
    return r != ResultOk ? r : s.settle();
}

enum class Ahead
{
    Settle,
    MaySendAhead
};

template <typename F> int withSession(int handle, F &&body, Ahead ahead = Ahead::Settle)
{
    const std::shared_ptr<LinkSession> session = findSession(handle);
    if (!session)
        return ErrNotConnected;
    std::lock_guard<std::mutex> lock(session->callMutex);
    if (session->broken.load())
        return ErrBroken;
    if (ahead == Ahead::Settle) {
        const int r = settle(*session);
        if (r != ResultOk)
            return r;
    }
    return body(*session);
}

// Sends coded records in as few frames as fit; the first frame carries the mode, later ones
// merge so that a long set still arrives whole.
int putCoded(LinkSession &s, RecordKind kind, PutMode mode, int packetNo, const std::vector<QByteArray> &coded)
{
    size_t next = 0;
    bool first = true;
    do {
        QByteArray body;
        quint16 count = 0;
        while (next < coded.size()) {
            const QByteArray &one = coded[next];
            if (count > 0 && body.size() + one.size() > kPutBudget)
                break;
            if (one.size() > kMaxAssembled - 16)
                return ErrBadArgument;
            body.append(one);
            ++count;
            ++next;
        }
        QByteArray payload;
        ByteWriter w(payload);
        w.u8(quint8(kind));
        w.u8(first ? mode : PutMerge);
        w.u16(quint16(packetNo));
        w.u16(count);
        payload.append(body);
        Frame answer;
        const int r = s.request(CmdPut, payload, answer);
        if (r != ResultOk)
            return r;
        if (kind == RecordKind::Plu)
            s.plusAnswered += count;
        first = false;
    } while (next < coded.size());
    return ResultOk;
}

int putRecords(LinkSession &s, RecordKind kind, PutMode mode, int packetNo, const std::vector<Record> &records)
{
    const RecordSchema &schema = *schemaFor(kind);
    std::vector<QByteArray> coded(records.size());
    for (size_t k = 0; k < records.size(); ++k)
        encodeRecord(schema, records[k], coded[k]);
    return putCoded(s, kind, mode, packetNo, coded);
}

// PLU packets on a link with a window: records of consecutive calls share frames, which go ahead
// without waiting for their answers.
int putPlusAhead(LinkSession &s, int packetNo, const std::vector<QByteArray> &coded)
{
    for (const QByteArray &one : coded) {
        if (one.size() > kPutBudget) {
            // Too long for a frame of its own: it goes the slow way, in pieces.
            const int r = settle(s);
            if (r != ResultOk)
                return r;
            const int put = putCoded(s, RecordKind::Plu, PutMerge, packetNo, {one});
            if (put != ResultOk)
                return put;
            continue;
        }
        if (s.batch.count > 0 && s.batch.records.size() + one.size() > kPutBudget) {
            const int r = flushBatch(s);
            if (r != ResultOk)
                return r;
        }
        if (s.batch.count == 0)
            s.batch.packetNo = quint16(packetNo);
        s.batch.records.append(one);
        ++s.batch.count;
    }
    return ResultOk;
}

// Fetches records batch by batch from item `start` on; onRecord sees each in order.
template <typename F> int getRecords(LinkSession &s, RecordKind kind, quint8 mode, F &&onRecord)
{
    const RecordSchema &schema = *schemaFor(kind);
    quint32 start = 0;
    for (;;) {
        QByteArray payload;
        ByteWriter w(payload);
        w.u8(quint8(kind));
        w.u8(mode);
        w.u32(start);
        w.u16(quint16(s.answerBudget()));
        Frame answer;
        const int r = s.request(CmdGet, payload, answer, s.answerBudget() + 16);
        if (r != ResultOk)
            return r;
        ByteReader in(answer.payload);
        quint32 total = 0;
        quint16 count = 0;
        // A set is gathered whole before it is delivered, so a peer may not announce more than
        // the scale can hold.
        const quint32 most = schema.perItem ? quint32(kMaxUploadItems) : quint32(schema.capacity);
        if (!in.u32(total) || !in.u16(count) || total > most)
            return ErrProtocol;
        for (quint16 k = 0; k < count; ++k) {
            Record rec;
            if (!decodeRecord(schema, in, rec))
                return ErrProtocol;
            onRecord(rec);
        }
        if (!in.atEnd())
            return ErrProtocol;
        start += count;
        if (start >= total)
            return int(start);
        if (count == 0)
            return ErrProtocol;
    }
}

QByteArray textOf(const char *text, int length)
{
    if (!text)
        return QByteArray();
    if (length < 0)
        return QByteArray(text);
    return QByteArray(text, length);
}

int downloadText(int handle, RecordKind kind, const char *text, int length)
{
    if (!text && length > 0)
        return ErrBadArgument;
    return withSession(handle, [&](LinkSession &s) {
        Record rec = emptyRecord(*schemaFor(kind));
        rec[0].s = textOf(text, length);
        return putRecords(s, kind, PutReplace, 0, {rec});
    });
}

int uploadText(int handle, RecordKind kind, char *buffer260)
{
    if (!buffer260)
        return ErrBadArgument;
    return withSession(handle, [&](LinkSession &s) {
        QByteArray text;
        const int r = getRecords(s, kind, 0, [&](const Record &rec) { text = rec[0].s; });
        if (r < 0)
            return r;
        text = text.left(259);
        std::memcpy(buffer260, text.constData(), size_t(text.size()));
        buffer260[text.size()] = '\0';
        return int(ResultOk);
    });
}

// Upload of a record kind: one callback per record or one with the whole array.
int uploadKind(int handle, RecordKind kind, quint8 mode, ScaleRecordCallback callback)
{
    const RecordSchema &schema = *schemaFor(kind);
    return withSession(handle, [&](LinkSession &s) {
        if (schema.perItem) {
            int itemNo = 0;
            QByteArray json;
            return getRecords(s, kind, mode, [&](const Record &rec) {
                json.clear();
                appendRecordJson(schema, rec, json);
                if (callback)
                    callback(json.constData(), ++itemNo, 0);
            });
        }
        std::vector<Record> all;
        const int r = getRecords(s, kind, mode, [&](const Record &rec) { all.push_back(rec); });
        if (r < 0)
            return r;
        QByteArray json;
        if (kind == RecordKind::HotkeyTable) {
            json = "[";
            for (size_t k = 0; k < all.size(); ++k) {
                if (k > 0)
                    json.append(',');
                json.append(QByteArray::number(all[k][0].i));
            }
            json.append(']');
        } else {
            json = recordsJsonArray(schema, all);
        }
        if (callback)
            callback(json.constData(), 1, 0);
        return r;
    });
}

int downloadJson(int handle, RecordKind kind, PutMode mode, const char *json)
{
    std::vector<Record> records;
    if (!recordsFromJsonText(kind, json, records))
        return findSession(handle) ? ErrBadArgument : ErrNotConnected;
    return withSession(handle, [&](LinkSession &s) { return putRecords(s, kind, mode, 0, records); });
}

int clearKind(int handle, RecordKind kind)
{
    return withSession(handle, [&](LinkSession &s) {
        QByteArray payload;
        ByteWriter(payload).u8(quint8(kind));
        Frame answer;
        return s.request(CmdClear, payload, answer);
    });
}

// A whole number within a range, left as it is when the member is missing.
bool settingInRange(const QJsonObject &settings, const char *name, int low, int high, int *out)
{
    const QJsonValue v = settings.value(QLatin1String(name));
    if (v.isUndefined())
        return true;
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != double(int(d)) || d < low || d > high)
        return false;
    *out = int(d);
    return true;
}

} // namespace

extern "C" {

int ZQSCALE_CALL zqscaleConnect(const char *link, int baudRate, int *linkHandle)
{
    clearOpenFailure();
    if (!link || !linkHandle)
        return ErrBadArgument;
    auto session = std::make_shared<LinkSession>(currentSettings());
    int handle = 0;
    {
        // Registered before it opens, so a break also ends a connect that is under way.
        std::lock_guard<std::mutex> lock(g_registryMutex);
        handle = g_nextHandle++;
        if (g_nextHandle <= 0)
            g_nextHandle = 1;
        g_sessions[handle] = session;
    }
    const int r = session->open(QByteArray(link), baudRate);
    if (r != ResultOk) {
        std::lock_guard<std::mutex> lock(g_registryMutex);
        g_sessions.erase(handle);
        return r;
    }
    *linkHandle = handle;
    return ResultOk;
}

int ZQSCALE_CALL zqscaleDisConnect(int linkHandle)
{
    std::shared_ptr<LinkSession> session;
    {
        std::lock_guard<std::mutex> lock(g_registryMutex);
        const auto it = g_sessions.find(linkHandle);
        if (it == g_sessions.end())
            return ErrNotConnected;
        session = it->second;
        g_sessions.erase(it);
    }
    std::lock_guard<std::mutex> lock(session->callMutex);
    // What was sent ahead is answered first; a failure there is this call's result.
    const int ahead = session->broken.load() ? int(ResultOk) : flushBatch(*session);
    int r = ResultOk;
    session->sayGoodbye(&r);
    return ahead != ResultOk ? ahead : r;
}

int ZQSCALE_CALL zqscaleClearPLUData(int linkHandle)
{
    return clearKind(linkHandle, RecordKind::Plu);
}

int ZQSCALE_CALL zqscaleDownLoadPLU(int linkHandle, const char *jsonArray, int packetNo)
{
    const std::shared_ptr<const CodedText> coded = codedJsonText(RecordKind::Plu, jsonArray);
    if (!coded->ok || packetNo < 0 || packetNo > 65535)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    return withSession(
        linkHandle,
        [&](LinkSession &s) {
            if (s.window() > 0)
                return putPlusAhead(s, packetNo, coded->records);
            return putCoded(s, RecordKind::Plu, PutMerge, packetNo, coded->records);
        },
        Ahead::MaySendAhead);
}

int ZQSCALE_CALL zqscaleDownLoadHotkey(int linkHandle, const int *lfCodes84, int packetNo)
{
    if (!lfCodes84 || packetNo < 0 || packetNo > 2)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    const RecordSchema &schema = *schemaFor(RecordKind::HotkeyTable);
    const int first = packetNo * 84;
    const int count = std::min(84, schema.capacity - first);
    std::vector<Record> records(size_t(count), emptyRecord(schema));
    for (int k = 0; k < count; ++k)
        records[size_t(k)][0].i = lfCodes84[k];
    return withSession(linkHandle, [&](LinkSession &s) {
        return putRecords(s, RecordKind::HotkeyTable, PutMerge, packetNo, records);
    });
}

int ZQSCALE_CALL zqscaleDownLoadMessage(int linkHandle, int index, const char *text, int length, int *reserved)
{
    if (reserved)
        *reserved = 0;
    if (index < 0 || (!text && length > 0))
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    return withSession(linkHandle, [&](LinkSession &s) {
        Record rec = emptyRecord(*schemaFor(RecordKind::Message));
        rec[0].i = index;
        rec[1].s = textOf(text, length);
        return putRecords(s, RecordKind::Message, PutMerge, 0, {rec});
    });
}

int ZQSCALE_CALL zqscaleClearMessage(int linkHandle)
{
    return clearKind(linkHandle, RecordKind::Message);
}

int ZQSCALE_CALL zqscaleDownLoadAdHead(int linkHandle, const char *text, int length)
{
    return downloadText(linkHandle, RecordKind::AdHead, text, length);
}

int ZQSCALE_CALL zqscaleDownLoadAdTail(int linkHandle, const char *text, int length)
{
    return downloadText(linkHandle, RecordKind::AdTail, text, length);
}

int ZQSCALE_CALL zqscaleDownLoadDisCountSchedule(int linkHandle, const char *json)
{
    return downloadJson(linkHandle, RecordKind::DiscountPeriod, PutReplace, json);
}

int ZQSCALE_CALL zqscaleDownLoadPackTypeFunSet(int linkHandle, const char *json)
{
    return downloadJson(linkHandle, RecordKind::PackType, PutReplace, json);
}

int ZQSCALE_CALL zqscaleDownLoadNutritionTable(int linkHandle, const char *json)
{
    return downloadJson(linkHandle, RecordKind::NutritionElement, PutReplace, json);
}

int ZQSCALE_CALL zqscaleDownLoadPluNutrition(int linkHandle, const char *json)
{
    return downloadJson(linkHandle, RecordKind::PluNutrition, PutMerge, json);
}

int ZQSCALE_CALL zqscaleDownLoadDepartment(int linkHandle, const char *json, int mode)
{
    if (mode != PutMerge && mode != PutReplace)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    return downloadJson(linkHandle, RecordKind::Department, PutMode(mode), json);
}

int ZQSCALE_CALL zqscaleClearPluNutritionData(int linkHandle)
{
    return clearKind(linkHandle, RecordKind::PluNutrition);
}

int ZQSCALE_CALL zqscaleUploadDataAdHead(int linkHandle, char *buffer260)
{
    return uploadText(linkHandle, RecordKind::AdHead, buffer260);
}

int ZQSCALE_CALL zqscaleUploadDataAdTail(int linkHandle, char *buffer260)
{
    return uploadText(linkHandle, RecordKind::AdTail, buffer260);
}

int ZQSCALE_CALL zqscaleUploadPluData(int linkHandle, ScaleRecordCallback callback)
{
    return uploadKind(linkHandle, RecordKind::Plu, 0, callback);
}

int ZQSCALE_CALL zqscaleUploadCustomHotkey(int linkHandle, ScaleRecordCallback callback)
{
    return uploadKind(linkHandle, RecordKind::HotkeyFunction, 0, callback);
}

int ZQSCALE_CALL zqscaleUploadMessage(int linkHandle, ScaleRecordCallback callback)
{
    return uploadKind(linkHandle, RecordKind::Message, 0, callback);
}

int ZQSCALE_CALL zqscaleUpLoadDisCountSchedule(int linkHandle, ScaleRecordCallback callback)
{
    return uploadKind(linkHandle, RecordKind::DiscountPeriod, 0, callback);
}

int ZQSCALE_CALL zqscaleUpLoadPackTypeFunSet(int linkHandle, ScaleRecordCallback callback)
{
    return uploadKind(linkHandle, RecordKind::PackType, 0, callback);
}

int ZQSCALE_CALL zqscaleUpLoadDepartment(int linkHandle, ScaleRecordCallback callback, int mode)
{
    if (mode != PutMerge && mode != PutReplace)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    return uploadKind(linkHandle, RecordKind::Department, quint8(mode), callback);
}

int ZQSCALE_CALL zqscaleSetTransBreak(int flag)
{
    Q_UNUSED(flag)
    std::lock_guard<std::mutex> lock(g_registryMutex);
    for (auto &entry : g_sessions)
        entry.second->broken.store(true);
    return int(g_sessions.size());
}

int ZQSCALE_CALL zqscaleLoadIniFile(const char *settingsPath)
{
    if (!settingsPath)
        return ErrBadArgument;
    return loadSettingsFile(QByteArray(settingsPath)) ? ResultOk : ErrNotFound;
}

int ZQSCALE_CALL zqscaleDownLoadData(int linkHandle, int kind, const char *json)
{
    if (kind == kLinkSettingsKind) {
        // Each member is optional; an empty object changes nothing and only waits for what was
        // sent ahead to be answered.
        QJsonParseError parsed{};
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(json ? json : ""), &parsed);
        const QJsonObject settings = doc.object();
        int timeoutMs = 0, window = -1;
        const bool readable = parsed.error == QJsonParseError::NoError && doc.isObject() &&
                              settingInRange(settings, "TimeoutMs", 100, 600000, &timeoutMs) &&
                              settingInRange(settings, "Window", 0, kMostAhead, &window);
        if (!readable)
            return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
        return withSession(linkHandle, [&](LinkSession &s) {
            if (timeoutMs > 0)
                s.setTimeoutMs(timeoutMs);
            if (window >= 0)
                s.setWindow(window);
            return int(ResultOk);
        });
    }
    const RecordSchema *schema = schemaFor(kind);
    if (!schema)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    // Keyed per-item kinds add to what the scale holds; sets replace theirs.
    const PutMode mode = schema->perItem ? PutMerge : PutReplace;
    return downloadJson(linkHandle, schema->kind, mode, json);
}

int ZQSCALE_CALL zqscaleUploadData(int linkHandle, int kind, ScaleRecordCallback callback)
{
    if (kind == kOpenFailureKind) {
        // No handle exists after a failed connect: this one is asked of the thread.
        const QByteArray json = openFailureJson();
        if (json.isEmpty())
            return 0;
        if (callback)
            callback(json.constData(), 1, 0);
        return 1;
    }
    if (kind == kLinkCountersKind) {
        return withSession(linkHandle, [&](LinkSession &s) {
            Frame answer;
            const int r = s.request(CmdStats, QByteArray(), answer);
            if (r != ResultOk)
                return r;
            ByteReader in(answer.payload);
            quint64 v[4] = {};
            for (quint64 &x : v) {
                if (!in.u64(x))
                    return int(ErrProtocol);
            }
            const QByteArray json =
                "{\"bytesIn\":" + QByteArray::number(v[0]) + ",\"bytesOut\":" + QByteArray::number(v[1]) +
                ",\"framesIn\":" + QByteArray::number(v[2]) + ",\"framesOut\":" + QByteArray::number(v[3]) + '}';
            if (callback)
                callback(json.constData(), 1, 0);
            return 1;
        });
    }
    if (kind == kAnsweredKind) {
        // Asks nothing of the scale: what it answered so far, while packets may still be ahead.
        return withSession(
            linkHandle,
            [&](LinkSession &s) {
                const QByteArray json = "{\"PlusAnswered\":" + QByteArray::number(s.plusAnswered) + '}';
                if (callback)
                    callback(json.constData(), 1, 0);
                return 1;
            },
            Ahead::MaySendAhead);
    }
    if (kind == kMemoryStateKind) {
        return withSession(linkHandle, [&](LinkSession &s) {
            Frame answer;
            const int r = s.request(CmdState, QByteArray(), answer);
            if (r != ResultOk)
                return r;
            ByteReader in(answer.payload);
            quint32 capacity = 0, plus = 0;
            quint64 token = 0;
            if (!in.u32(capacity) || !in.u32(plus) || !in.u64(token))
                return int(ErrProtocol);
            const QByteArray json = "{\"Capacity\":" + QByteArray::number(capacity) +
                                    ",\"Plus\":" + QByteArray::number(plus) + ",\"Token\":\"" +
                                    QByteArray::number(token, 16).rightJustified(16, '0') + "\"}";
            if (callback)
                callback(json.constData(), 1, 0);
            return 1;
        });
    }
    const RecordSchema *schema = schemaFor(kind);
    if (!schema)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    return uploadKind(linkHandle, schema->kind, PutReplace, callback);
}

int ZQSCALE_CALL zqscaleUpDatePrice(int linkHandle, int lfCode, int unitPrice)
{
    return withSession(linkHandle, [&](LinkSession &s) {
        QByteArray payload;
        ByteWriter w(payload);
        w.svarint(lfCode);
        w.svarint(unitPrice);
        Frame answer;
        return s.request(CmdUpdatePrice, payload, answer);
    });
}

int ZQSCALE_CALL zqscaleDownLoadWeightUnit(int linkHandle, int unitCode)
{
    return withSession(linkHandle, [&](LinkSession &s) {
        QByteArray payload;
        ByteWriter(payload).svarint(unitCode);
        Frame answer;
        return s.request(CmdWeightUnit, payload, answer);
    });
}

int ZQSCALE_CALL zqscaleUploadSaleData(int linkHandle, ScaleRecordCallback callback)
{
    Q_UNUSED(callback)
    // Sales records are not part of this protocol version.
    return findSession(linkHandle) ? ErrUnsupported : ErrNotConnected;
}

int ZQSCALE_CALL zqscaleGetPluWeight(int linkHandle, int *weight)
{
    if (!weight)
        return findSession(linkHandle) ? ErrBadArgument : ErrNotConnected;
    return withSession(linkHandle, [&](LinkSession &s) {
        Frame answer;
        const int r = s.request(CmdGetWeight, QByteArray(), answer);
        if (r != ResultOk)
            return r;
        ByteReader in(answer.payload);
        qint64 grams = 0;
        if (!in.svarint(grams) || grams < INT_MIN || grams > INT_MAX)
            return int(ErrProtocol);
        *weight = int(grams);
        return int(ResultOk);
    });
}

int ZQSCALE_CALL zqscaleDownLoadCustomBar(int linkHandle, const char *json)
{
    Q_UNUSED(json)
    // Custom barcode layouts are not part of this protocol version.
    return findSession(linkHandle) ? ErrUnsupported : ErrNotConnected;
}

} // extern "C"
