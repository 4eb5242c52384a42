// Feeds arbitrary bytes to the frame parser (split at a data-chosen point, as a socket would
// deliver them) and every payload it accepts to the record decoder of each kind, then checks
// that decoded records survive an encode/decode round trip unchanged.
#include "LinkFrame.h"
#include "LinkRecords.h"

#include <cstdint>
#include <cstdlib>

using namespace linkproto;

namespace {

void decodePayload(const QByteArray &payload)
{
    for (int kind = kFirstKind; kind <= kLastKind; ++kind) {
        const RecordSchema &schema = *schemaFor(kind);
        ByteReader in(payload);
        for (int n = 0; n < 64 && !in.atEnd(); ++n) {
            Record rec;
            if (!decodeRecord(schema, in, rec))
                break;
            QByteArray again;
            encodeRecord(schema, rec, again);
            ByteReader back(again);
            Record rec2;
            if (!decodeRecord(schema, back, rec2) || !(rec == rec2) || !back.atEnd())
                std::abort();
            QByteArray json;
            appendRecordJson(schema, rec, json);
            QJsonValue parsed;
            if (!parseJsonBytes(json, parsed) || !parsed.isObject())
                std::abort();
            QByteArray fault;
            validateRecord(schema, rec, &fault);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char *bytes = reinterpret_cast<const char *>(data);
    const int split = int(data[0]) % int(size);
    FrameParser parser;
    parser.feed(bytes + 1, split);
    parser.feed(bytes + 1 + split, int(size) - 1 - split);
    for (int guard = 0; guard < 100000; ++guard) {
        Frame frame;
        const FrameParser::Result r = parser.next(frame);
        if (r == FrameParser::Result::NeedMore)
            break;
        if (r == FrameParser::Result::Frame) {
            if (frame.payload.size() > kMaxPayload)
                std::abort();
            decodePayload(frame.payload);
        }
    }
    // The raw bytes as a payload too: most inputs never form a valid frame.
    decodePayload(QByteArray(bytes, int(size)));
    QJsonValue value;
    parseJsonBytes(QByteArray(bytes, int(size)), value);
    return 0;
}
