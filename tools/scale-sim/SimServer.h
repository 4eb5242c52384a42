#pragma once

#include "LinkFrame.h"
#include "ScaleMemory.h"
#include "SimJournal.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

class QIODevice;
class QTcpServer;
class QTimer;

// Faults a test asks for; frame numbers count the requests received over all links, from 1.
struct FaultPlan
{
    qint64 dropAfter = -1;    // the link is dropped when request dropAfter+1 arrives
    qint64 silentAfter = -1;  // requests after this one get no answer
    qint64 refuseFrame = -1;  // this request is refused without being carried out
    qint64 corruptFrame = -1; // one byte of this request's answer is damaged (a resend gets it clean)
    int delayMs = 0;          // every answer waits this long
};

class SimLink;

// Serves the scale memory over TCP clients and one serial line, applies the fault plan, counts
// bytes and frames, and keeps the memory on disk (SimJournal).
class SimServer : public QObject
{
    Q_OBJECT
public:
    SimServer(ScaleMemory &memory, const FaultPlan &faults, const QString &dataPath, QObject *parent = nullptr);

    bool listenTcp(const QHostAddress &address, quint16 port, QString *error);
    quint16 tcpPort() const;
    bool openSerial(const QString &path, int baud, bool pace, QString *error);

    void setCounters(const LinkCounters &counters) { m_counters = counters; }
    // Number of the last command the memory holds, as the data file says.
    void setApplied(quint64 applied) { m_applied = applied; }
    // Memory and counters, the data file's content and the --dump output.
    QByteArray stateJson() const;
    bool saveState(QString *error);
    // Writes the data file now if the memory changed since the last write; empties the journal.
    void flush();

private:
    friend class SimLink;
    // Handles one request; returns false when the link must be dropped.
    bool handle(SimLink &link, const linkproto::Frame &request, int wireSize);
    // A MORE request: a piece of the coming request, or the next piece of the last answer.
    ScaleMemory::Outcome more(SimLink &link, const linkproto::Frame &request);

    ScaleMemory &m_memory;
    FaultPlan m_faults;
    SimJournal m_journal;
    quint64 m_applied = 0;
    LinkCounters m_counters;
    qint64 m_requestNo = 0;
    QTcpServer *m_tcp = nullptr;
    QTimer *m_saveTimer;
    bool m_dirty = false;
    bool m_keepsData; // --data given
};

// One byte stream to the library: a TCP client or the serial line.
class SimLink : public QObject
{
    Q_OBJECT
public:
    SimLink(SimServer &server, QIODevice *device, bool serial, int pacedBytesPerSecond, QObject *parent);

    void send(const QByteArray &bytes);
    void drop();
    QByteArray name() const { return m_name; }

    // Last answer with the request it answered, replayed when that request is sent again.
    quint16 cachedSequence = 0;
    quint8 cachedCommand = 0;
    quint16 cachedPayloadCrc = 0;
    QByteArray cachedAnswer;
    bool hasCache = false;
    // A request on this link has failed: chained requests after it are not carried out.
    bool failed = false;

    // A request longer than one frame, gathered from MORE pieces, and the rest of an answer
    // longer than the request allowed.
    QByteArray pendingRequest;
    quint16 pendingSequence = 0;
    QByteArray pendingAnswer;
    quint8 pendingStatus = 0;

private:
    struct Timed
    {
        QByteArray bytes;
        qint64 dueMs;
    };
    void onReadyRead();
    void takeFrames(const QByteArray &data);
    // Moves every paced chunk whose time has come on, then waits for the next one.
    void releaseDue();
    // When bytes handed to the line at now are through: one byte after the other, 10 bits each.
    qint64 lineDue(double &freeAtMs, int bytes);

    SimServer &m_server;
    QPointer<QIODevice> m_device;
    bool m_serial;
    int m_pacedBytesPerSecond;
    linkproto::FrameParser m_parser;
    QByteArray m_name;
    // Pacing: both directions of the line carry baud/10 bytes a second, independently.
    QElapsedTimer m_clock;
    QTimer *m_paceTimer = nullptr;
    double m_inFreeAtMs = 0;
    double m_outFreeAtMs = 0;
    QList<Timed> m_inbound;
    QList<Timed> m_outbound;
    bool m_releasing = false;
};
