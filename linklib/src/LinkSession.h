#pragma once

#include "LinkFrame.h"
#include "LinkSettings.h"
#include "Transport.h"

#include <atomic>
#include <deque>
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

    // Requests sent ahead: on TCP, post() sends a one-frame request and returns; its answer is
    // read later, so thousands of small requests do not cost a round trip each. At most
    // `frames` answers are outstanding; 0 (and any serial line, which resends) keeps to one
    // request at a time.
    void setWindow(int frames) { m_window = frames; }
    int window() const { return isSerial() ? 0 : m_window; }
    // Fails with the failure of an earlier answer instead, once; the link is then closed.
    // plus: the PLU records the request carries, counted as answered when its answer is good.
    int post(quint8 command, const QByteArray &payload, int plus = 0);
    // Waits for every answer still out; the first failure among them. request() settles first.
    int settle() { return collect(0); }

    // PLU records gathered for the next windowed PUT (the caller frames them).
    struct Batch
    {
        quint16 packetNo = 0;
        quint16 count = 0;
        QByteArray records;
    } batch;

    // PLU records of this link whose PUT the scale answered as done.
    quint64 plusAnswered = 0;

    std::atomic<bool> broken{false};
    std::mutex callMutex;

private:
    int mapIo(IoResult r) const;
    int statusResult(quint8 status) const;
    // Reads answers to posted requests until at most `keep` are outstanding.
    int collect(size_t keep);
    // Closes a TCP link after a failure, so the scale is free at once (see request()).
    int dropLink(int result);

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
    int m_window = 0;
    struct Posted
    {
        quint16 sequence;
        quint8 command;
        int plus;
    };
    std::deque<Posted> m_posted;
};

} // namespace zqlink
