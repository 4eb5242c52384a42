#pragma once

#include "LinkFrame.h"
#include "LinkSettings.h"
#include "Transport.h"

#include <atomic>
#include <memory>
#include <mutex>

// One open link: its transport, sequence numbers and the request/answer exchange with resends.
namespace zqlink {

// Results of the entry points (docs/link-protocol.md lists them).
enum Result : int
{
    ResultOk = 0,
    ErrNotConnected = -1,
    ErrBadArgument = -2,
    ErrLink = -3,
    ErrTimeout = -4,
    ErrRefused = -5,
    ErrBroken = -6,
    ErrProtocol = -7,
    ErrUnsupported = -8,
    ErrFull = -9,
    ErrNotFound = -10,
    ErrBusy = -11,
};

class LinkSession
{
public:
    explicit LinkSession(const LinkSettings &settings) : m_settings(settings) {}

    int open(const QByteArray &link, int baud);
    // exchange() plus the answer status mapped to a result. A TCP link that fails here, or whose
    // request the scale refuses, is closed: the program does not disconnect a failed TCP link,
    // and the scale would otherwise stay busy until the library is unloaded.
    int request(quint8 command, const QByteArray &payload, linkproto::Frame &answer, int maxAnswerPayload = 0);
    void sayGoodbye(int *result);
    bool isSerial() const { return m_transport && m_transport->isSerial(); }
    // Largest answer payload worth asking for: on a slow line an answer should take well under
    // a quarter of a second, so a resend costs little.
    int answerBudget() const;
    // This link's own time-out, instead of the settings file's (a slow line, a far scale).
    void setTimeoutMs(int ms) { m_settings.timeoutMs = ms; }

    std::atomic<bool> broken{false};
    std::mutex callMutex;

private:
    int mapIo(IoResult r) const;

    // Sends one request and waits for its answer, longer ones in pieces. Returns ResultOk with the
    // answer (whatever its status) or an error.
    int exchange(quint8 command, const QByteArray &payload, linkproto::Frame &answer, int maxAnswerPayload);
    // One frame each way; a serial line resends a lost or damaged frame.
    int exchangeFrame(quint8 command, const QByteArray &payload, linkproto::Frame &answer, int maxAnswerPayload);

    LinkSettings m_settings;

    std::unique_ptr<Transport> m_transport;
    linkproto::FrameParser m_parser;
    QByteArray m_readBuffer;
    quint16 m_sequence = 0;
};

} // namespace zqlink
