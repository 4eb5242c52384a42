#include "LinkFrame.h"

#include <array>

namespace linkproto {

namespace {

// CRC-16/CCITT-FALSE (polynomial 0x1021), table driven: a 4 KiB packet costs a few microseconds.
std::array<quint16, 256> makeCrcTable()
{
    std::array<quint16, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint16 c = quint16(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 0x8000) ? quint16((c << 1) ^ 0x1021) : quint16(c << 1);
        table[size_t(i)] = c;
    }
    return table;
}

const std::array<quint16, 256> &crcTable()
{
    static const std::array<quint16, 256> table = makeCrcTable();
    return table;
}

quint16 readU16(const char *p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

} // namespace

quint16 crc16(const char *data, int size, quint16 crc)
{
    const auto &table = crcTable();
    for (int i = 0; i < size; ++i)
        crc = quint16((crc << 8) ^ table[size_t(((crc >> 8) ^ quint8(data[i])) & 0xFF)]);
    return crc;
}

quint8 headerSum(const char *header)
{
    quint8 sum = 0;
    for (int i = 2; i < kHeaderSize - 1; ++i)
        sum = quint8(sum + quint8(header[i]));
    return quint8(~sum);
}

void encodeFrame(const Frame &frame, QByteArray &out)
{
    const int start = out.size();
    const int length = frame.payload.size();
    out.resize(start + kHeaderSize + length + kTrailerSize);
    char *p = out.data() + start;
    p[0] = char(kSync1);
    p[1] = char(kSync2);
    p[2] = char(frame.command);
    p[3] = char(frame.status);
    p[4] = char(frame.sequence & 0xFF);
    p[5] = char(frame.sequence >> 8);
    p[6] = char(length & 0xFF);
    p[7] = char((length >> 8) & 0xFF);
    p[8] = char(headerSum(p));
    if (length > 0)
        memcpy(p + kHeaderSize, frame.payload.constData(), size_t(length));
    const quint16 crc = crc16(p + 2, kHeaderSize - 2 + length);
    p[kHeaderSize + length] = char(crc & 0xFF);
    p[kHeaderSize + length + 1] = char(crc >> 8);
}

QByteArray encodeFrame(const Frame &frame)
{
    QByteArray out;
    encodeFrame(frame, out);
    return out;
}

void FrameParser::feed(const char *data, int size)
{
    if (size <= 0)
        return;
    compact();
    m_buffer.append(data, size);
}

void FrameParser::clear()
{
    m_buffer.clear();
    m_start = 0;
}

void FrameParser::compact()
{
    if (m_start > 0 && (m_start >= m_buffer.size() || m_start > 65536)) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
}

FrameParser::Result FrameParser::next(Frame &frame)
{
    const char *base = m_buffer.constData();
    const int end = m_buffer.size();
    // Hunt for the sync pair; bytes before it are noise.
    int pos = m_start;
    while (pos < end && quint8(base[pos]) != kSync1)
        ++pos;
    if (pos + 1 < end && quint8(base[pos + 1]) != kSync2) {
        m_start = pos + 1;
        ++m_damaged;
        return Result::Damaged;
    }
    if (pos != m_start) {
        m_start = pos;
        ++m_damaged;
        return Result::Damaged;
    }
    if (end - pos < kHeaderSize)
        return Result::NeedMore;
    const char *header = base + pos;
    const int length = readU16(header + 6);
    if (quint8(header[8]) != headerSum(header) || length > kMaxPayload) {
        m_start = pos + 1;
        ++m_damaged;
        return Result::Damaged;
    }
    const int total = kHeaderSize + length + kTrailerSize;
    if (end - pos < total)
        return Result::NeedMore;
    const quint16 crc = crc16(header + 2, kHeaderSize - 2 + length);
    if (readU16(header + kHeaderSize + length) != crc) {
        m_start = pos + 1;
        ++m_damaged;
        return Result::Damaged;
    }
    frame.command = quint8(header[2]);
    frame.status = quint8(header[3]);
    frame.sequence = readU16(header + 4);
    frame.payload = QByteArray(header + kHeaderSize, length);
    m_start = pos + total;
    compact();
    return Result::Frame;
}

} // namespace linkproto
