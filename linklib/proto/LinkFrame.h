#pragma once

#include <QByteArray>
#include <cstdint>

// Frames of the scale link (docs/link-protocol.md):
//   A5 5A | command | status | sequence (u16 LE) | payload length (u16 LE) | header sum | payload | CRC-16 (LE)
// The header sum lets a receiver reject a damaged length at once instead of waiting for bytes
// that never come; the CRC covers everything after the two sync bytes.
namespace linkproto {

constexpr quint8 kSync1 = 0xA5;
constexpr quint8 kSync2 = 0x5A;
constexpr int kHeaderSize = 9;
constexpr int kTrailerSize = 2;
// Bounds every allocation a peer can cause: larger frames are treated as damage.
constexpr int kMaxPayload = 8192;
constexpr int kMaxFrameSize = kHeaderSize + kMaxPayload + kTrailerSize;
constexpr quint8 kAnswerBit = 0x80;
// A request or answer longer than one frame travels in MORE pieces of at most this size, and
// its whole may not exceed kMaxAssembled: a peer can make the other side hold no more.
constexpr int kPieceSize = 4096;
constexpr int kMaxAssembled = 4 * 1024 * 1024;

enum Command : quint8
{
    CmdHello = 0x01,
    CmdBye = 0x02,
    CmdStats = 0x03,
    CmdMore = 0x04,
    CmdState = 0x05,
    CmdClear = 0x10,
    CmdPut = 0x11,
    CmdGet = 0x12,
    CmdUpdatePrice = 0x20,
    CmdWeightUnit = 0x21,
    CmdGetWeight = 0x22,
};

// Answer status byte.
enum Status : quint8
{
    StatusOk = 0,
    StatusRefused = 1,    // a record is out of range or too long
    StatusFull = 2,       // no room left in the scale's memory
    StatusBadRequest = 3, // the payload does not decode
    StatusUnknownCommand = 4,
    StatusNotFound = 5,
    StatusMore = 6,    // this is a piece of the answer; MORE fetches the next one
    StatusSkipped = 7, // a chained request after one that failed on this link: not carried out
};

// Added to a PUT's mode: carry it out only if every earlier request on this link succeeded. Sent
// ahead without waiting, a request must not land after one that failed before it.
constexpr quint8 kPutChained = 0x80;

// First byte of a MORE request.
enum MoreKind : quint8
{
    MorePiece = 0, // the rest of the payload is the next piece of the coming request
    MoreFetch = 1, // followed by u16: the longest answer piece wanted
};

struct Frame
{
    quint8 command = 0;
    quint8 status = 0;
    quint16 sequence = 0;
    QByteArray payload;
};

quint16 crc16(const char *data, int size, quint16 crc = 0xFFFF);
quint8 headerSum(const char *header);

// Appends one encoded frame to out. The payload must not exceed kMaxPayload.
void encodeFrame(const Frame &frame, QByteArray &out);
QByteArray encodeFrame(const Frame &frame);

// Incremental decoder: feed it bytes as they arrive and take complete frames out. Damaged input
// is skipped up to the next sync pair and counted, so a serial line resynchronises by itself.
class FrameParser
{
public:
    enum class Result
    {
        Frame,
        NeedMore,
        Damaged
    };

    void feed(const char *data, int size);
    void feed(const QByteArray &data) { feed(data.constData(), data.size()); }
    // Frame: one frame is in frame. Damaged: bytes were dropped (call again for the rest).
    // NeedMore: nothing complete yet.
    Result next(Frame &frame);
    void clear();
    int buffered() const { return m_buffer.size() - m_start; }
    quint64 damagedCount() const { return m_damaged; }

private:
    void compact();

    QByteArray m_buffer;
    int m_start = 0;
    quint64 m_damaged = 0;
};

} // namespace linkproto
