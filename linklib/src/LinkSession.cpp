#include "LinkSession.h"

#include "LinkRecords.h"

#include <QRegularExpression>
#include <algorithm>

namespace zqlink {

using namespace linkproto;

namespace {

constexpr quint8 kProtocolVersion = 1;
constexpr int kMinAttemptMs = 300;

} // namespace

int LinkSession::mapIo(IoResult r) const
{
    switch (r) {
    case IoResult::Ok:
        return ResultOk;
    case IoResult::TimedOut:
        return ErrTimeout;
    case IoResult::Broken:
        return ErrBroken;
    case IoResult::Busy:
        return ErrBusy;
    case IoResult::Closed:
    case IoResult::Failed:
        break;
    }
    return ErrLink;
}

int LinkSession::open(const QByteArray &link, int baud)
{
    const QRegularExpression ipv4(
        QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})(?::(\\d{1,5}))?$"));
    const QByteArray text = link.trimmed();
    const QRegularExpressionMatch m = ipv4.match(QString::fromLatin1(text));
    IoResult io = IoResult::Failed;
    if (m.hasMatch()) {
        for (int part = 1; part <= 4; ++part) {
            if (m.captured(part).toInt() > 255)
                return ErrBadArgument;
        }
        const int port = m.captured(5).isEmpty() ? m_settings.tcpPort : m.captured(5).toInt();
        const QByteArray address = text.left(text.indexOf(':') < 0 ? text.size() : text.indexOf(':'));
        m_transport =
            openTcp(address, port, Clock::now() + std::chrono::milliseconds(m_settings.timeoutMs), broken, &io);
    } else {
        if (text.isEmpty())
            return ErrBadArgument;
        m_transport = openSerial(text, baud, broken, &io);
    }
    if (!m_transport)
        return io == IoResult::Ok ? ErrLink : mapIo(io);

    QByteArray hello;
    ByteWriter(hello).u8(kProtocolVersion);
    Frame answer;
    const int r = request(CmdHello, hello, answer);
    if (r != ResultOk)
        return r;
    quint8 version = 0;
    ByteReader in(answer.payload);
    if (!in.u8(version) || version != kProtocolVersion)
        return ErrProtocol;
    return ResultOk;
}

int LinkSession::answerBudget() const
{
    const int bps = m_transport ? m_transport->bytesPerSecond() : 0;
    if (bps <= 0)
        return 6000;
    return std::clamp(bps / 4, 256, 4000);
}

int LinkSession::exchange(quint8 command, const QByteArray &payload, Frame &answer, int maxAnswerPayload)
{
    // A request too long for one frame goes ahead in pieces; the last piece carries the command.
    int at = 0;
    while (payload.size() - at > kMaxPayload) {
        QByteArray piece;
        ByteWriter(piece).u8(MorePiece);
        piece.append(payload.constData() + at, kPieceSize);
        const int r = exchangeFrame(CmdMore, piece, answer, 0);
        if (r != ResultOk || answer.status != StatusOk)
            return r;
        at += kPieceSize;
    }
    const int r = exchangeFrame(command, at == 0 ? payload : payload.mid(at), answer, maxAnswerPayload);
    if (r != ResultOk || answer.status != StatusMore)
        return r;
    // The answer comes in pieces no longer than the request asked for, so each fits the wait.
    const int budget = std::clamp(maxAnswerPayload, 64, kMaxPayload);
    QByteArray whole = answer.payload;
    while (answer.status == StatusMore) {
        QByteArray ask;
        ByteWriter w(ask);
        w.u8(MoreFetch);
        w.u16(quint16(budget));
        const int more = exchangeFrame(CmdMore, ask, answer, budget);
        if (more != ResultOk)
            return more;
        if (whole.size() + answer.payload.size() > kMaxAssembled)
            return ErrProtocol;
        whole.append(answer.payload);
    }
    answer.command = quint8(command | kAnswerBit);
    answer.payload = whole;
    return ResultOk;
}

int LinkSession::exchangeFrame(quint8 command, const QByteArray &payload, Frame &answer, int maxAnswerPayload)
{
    if (!m_transport)
        return ErrNotConnected;
    if (broken.load())
        return ErrBroken;
    Frame req;
    req.command = command;
    req.sequence = ++m_sequence;
    req.payload = payload;
    const QByteArray bytes = encodeFrame(req);

    const bool serial = m_transport->isSerial();
    const int attempts = serial ? m_settings.serialRetries + 1 : 1;
    int attemptMs = m_settings.timeoutMs;
    if (serial) {
        // The time-out covers all attempts; each also gets the time the line needs to carry
        // the request and the longest answer.
        const int bps = std::max(1, m_transport->bytesPerSecond());
        const int answerBytes = std::max(maxAnswerPayload, 64) + kHeaderSize + kTrailerSize;
        const int carryMs = int((qint64(bytes.size()) + answerBytes) * 1250 / bps);
        attemptMs = std::max(kMinAttemptMs, m_settings.timeoutMs / attempts) + carryMs;
    }

    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) {
            m_transport->discardInput();
            m_parser.clear();
        }
        const auto deadline = Clock::now() + std::chrono::milliseconds(attemptMs);
        const IoResult w = m_transport->writeAll(bytes, deadline);
        if (w == IoResult::TimedOut && serial)
            continue;
        if (w != IoResult::Ok)
            return mapIo(w);
        bool resend = false;
        while (!resend) {
            Frame f;
            const FrameParser::Result p = m_parser.next(f);
            if (p == FrameParser::Result::Frame) {
                // Answers to earlier attempts or earlier requests are stale: skip them.
                if (f.sequence == req.sequence && f.command == (command | kAnswerBit)) {
                    answer = std::move(f);
                    return ResultOk;
                }
                continue;
            }
            if (p == FrameParser::Result::Damaged) {
                if (!serial)
                    return ErrProtocol;
                resend = true;
                break;
            }
            m_readBuffer.clear();
            const IoResult r = m_transport->readSome(m_readBuffer, deadline);
            if (r == IoResult::Ok) {
                m_parser.feed(m_readBuffer);
                continue;
            }
            if (r == IoResult::TimedOut && serial) {
                resend = true;
                break;
            }
            return mapIo(r);
        }
    }
    return broken.load() ? ErrBroken : ErrTimeout;
}

int LinkSession::statusResult(quint8 status) const
{
    switch (status) {
    case StatusOk:
        return ResultOk;
    case StatusRefused:
    case StatusSkipped:
        return ErrRefused;
    case StatusFull:
        return ErrFull;
    case StatusBadRequest:
        return ErrBadArgument;
    case StatusUnknownCommand:
        return ErrUnsupported;
    case StatusNotFound:
        return ErrNotFound;
    default:
        return ErrProtocol;
    }
}

int LinkSession::dropLink(int result)
{
    m_posted.clear();
    if (m_transport && !m_transport->isSerial())
        m_transport.reset();
    return result;
}

int LinkSession::request(quint8 command, const QByteArray &payload, Frame &answer, int maxAnswerPayload)
{
    if (!m_posted.empty()) {
        const int r = settle();
        if (r != ResultOk)
            return r;
    }
    const int r = exchange(command, payload, answer, maxAnswerPayload);
    if (r != ResultOk)
        return dropLink(r);
    // A command the scale does not know changed nothing: the link stays as good as it was.
    if (answer.status == StatusUnknownCommand)
        return ErrUnsupported;
    if (answer.status != StatusOk)
        return dropLink(statusResult(answer.status));
    return ResultOk;
}

int LinkSession::post(quint8 command, const QByteArray &payload, int plus)
{
    if (!m_transport)
        return ErrNotConnected;
    if (broken.load())
        return ErrBroken;
    if (payload.size() > kMaxPayload)
        return ErrBadArgument;
    if (m_posted.size() >= size_t(std::max(1, m_window))) {
        const int r = collect(m_posted.size() - 1);
        if (r != ResultOk)
            return r;
    }
    Frame req;
    req.command = command;
    req.sequence = ++m_sequence;
    req.payload = payload;
    const IoResult w =
        m_transport->writeAll(encodeFrame(req), Clock::now() + std::chrono::milliseconds(m_settings.timeoutMs));
    if (w != IoResult::Ok)
        return dropLink(mapIo(w));
    m_posted.push_back({req.sequence, command, plus});
    return ResultOk;
}

int LinkSession::collect(size_t keep)
{
    while (m_posted.size() > keep) {
        if (!m_transport)
            return dropLink(ErrNotConnected);
        // Each answer may take the whole time-out from the moment it is waited for.
        const auto deadline = Clock::now() + std::chrono::milliseconds(m_settings.timeoutMs);
        Frame f;
        for (;;) {
            const FrameParser::Result p = m_parser.next(f);
            if (p == FrameParser::Result::Frame)
                break;
            if (p == FrameParser::Result::Damaged)
                return dropLink(ErrProtocol);
            m_readBuffer.clear();
            const IoResult r = m_transport->readSome(m_readBuffer, deadline);
            if (r != IoResult::Ok)
                return dropLink(mapIo(r));
            m_parser.feed(m_readBuffer);
        }
        const Posted &front = m_posted.front();
        if (f.sequence != front.sequence || f.command != (front.command | kAnswerBit))
            continue; // an answer to an earlier exchange
        const int plus = front.plus;
        m_posted.pop_front();
        if (f.status != StatusOk)
            return dropLink(statusResult(f.status));
        plusAnswered += quint64(plus);
    }
    return ResultOk;
}

void LinkSession::sayGoodbye(int *result)
{
    if (!m_transport || broken.load()) {
        *result = ResultOk;
        return;
    }
    // The goodbye waits as long as any request: a slow scale that took everything must not look
    // like one that failed.
    Frame answer;
    *result = request(CmdBye, QByteArray(), answer);
    m_transport.reset();
}

} // namespace zqlink
