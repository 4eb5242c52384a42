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
};

class LinkSession
{
public:
    explicit LinkSession(const LinkSettings &settings) : m_settings(settings) {}

    int open(const QByteArray &link, int baud);
    // Sends one request and waits for its answer; a serial line resends a lost or damaged
    // frame. Returns ResultOk with the answer (whatever its status) or an error.
    // A TCP link that fails here is closed: the program does not disconnect a failed TCP link,
    // and its socket would otherwise stay open for the rest of the run.
    int exchange(quint8 command, const QByteArray &payload, linkproto::Frame &answer, int maxAnswerPayload = 0);
    // exchange() plus the answer status mapped to a result.
    int request(quint8 command, const QByteArray &payload, linkproto::Frame &answer, int maxAnswerPayload = 0);
    void sayGoodbye(int *result);
    bool isSerial() const { return m_transport && m_transport->isSerial(); }
    // Largest answer payload worth asking for: on a slow line an answer should take well under
    // a quarter of a second, so a resend costs little.
    int answerBudget() const;

    std::atomic<bool> broken{false};
    std::mutex callMutex;

private:
    int mapIo(IoResult r) const;

    LinkSettings m_settings;
    int exchangeOnLink(quint8 command, const QByteArray &payload, linkproto::Frame &answer, int maxAnswerPayload);

    std::unique_ptr<Transport> m_transport;
    linkproto::FrameParser m_parser;
    QByteArray m_readBuffer;
    quint16 m_sequence = 0;
};

} // namespace zqlink
