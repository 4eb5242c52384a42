#pragma once

#include "LinkFrame.h"
#include "ScaleMemory.h"

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

struct LinkCounters
{
    quint64 bytesIn = 0;
    quint64 bytesOut = 0;
    quint64 framesIn = 0;
    quint64 framesOut = 0;
};

class SimLink;

// Serves the scale memory over TCP clients and one serial line, applies the fault plan, counts
// bytes and frames, and keeps the data file current.
class SimServer : public QObject
{
    Q_OBJECT
public:
    SimServer(ScaleMemory &memory, const FaultPlan &faults, const QString &dataPath, QObject *parent = nullptr);

    bool listenTcp(const QHostAddress &address, quint16 port, QString *error);
    quint16 tcpPort() const;
    bool openSerial(const QString &path, int baud, bool pace, QString *error);

    void setCounters(const LinkCounters &counters) { m_counters = counters; }
    // Memory and counters, the data file's content and the --dump output.
    QByteArray stateJson() const;
    bool saveState(QString *error) const;
    // Writes the data file now if the memory changed since the last write.
    void flush();

private:
    friend class SimLink;
    // Handles one request; returns false when the link must be dropped.
    bool handle(SimLink &link, const linkproto::Frame &request, int wireSize);

    ScaleMemory &m_memory;
    FaultPlan m_faults;
    QString m_dataPath;
    LinkCounters m_counters;
    qint64 m_requestNo = 0;
    QTcpServer *m_tcp = nullptr;
    QTimer *m_saveTimer;
    bool m_dirty = false;
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

private:
    void onReadyRead();
    void writePaced();

    SimServer &m_server;
    QPointer<QIODevice> m_device;
    bool m_serial;
    int m_pacedBytesPerSecond;
    linkproto::FrameParser m_parser;
    QByteArray m_outQueue;
    QTimer *m_paceTimer = nullptr;
    QByteArray m_name;
};
