#include "SimServer.h"

#include <QSaveFile>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cmath>
#include <cstdio>

using namespace linkproto;

namespace {

constexpr int kPaceTickMs = 10;

void logLine(const QByteArray &line)
{
    std::fprintf(stderr, "scale-sim: %s\n", line.constData());
    std::fflush(stderr);
}

QByteArray commandName(quint8 command)
{
    switch (command) {
    case CmdHello:
        return "HELLO";
    case CmdBye:
        return "BYE";
    case CmdStats:
        return "STATS";
    case CmdMore:
        return "MORE";
    case CmdState:
        return "STATE";
    case CmdClear:
        return "CLEAR";
    case CmdPut:
        return "PUT";
    case CmdGet:
        return "GET";
    case CmdUpdatePrice:
        return "PRICE";
    case CmdWeightUnit:
        return "WEIGHT UNIT";
    case CmdGetWeight:
        return "GET WEIGHT";
    default:
        return "0x" + QByteArray::number(command, 16);
    }
}

} // namespace

SimServer::SimServer(ScaleMemory &memory, const FaultPlan &faults, const QString &dataPath, QObject *parent)
    : QObject(parent), m_memory(memory), m_faults(faults), m_journal(dataPath), m_saveTimer(new QTimer(this)),
      m_keepsData(!dataPath.isEmpty())
{
    // Every answered change is in the journal already. Rewriting a full memory after each of
    // the thousands of packets of one download would take minutes: the snapshot is written when
    // a session says goodbye or drops and after a short quiet spell, which keeps the journal short.
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(200);
    connect(m_saveTimer, &QTimer::timeout, this, &SimServer::flush);
}

void SimServer::flush()
{
    m_saveTimer->stop();
    // Without a data file there is nothing to write; coding a full memory for nothing would hold
    // up the goodbye.
    if (!m_dirty || !m_keepsData)
        return;
    m_dirty = false;
    QString error;
    if (!saveState(&error))
        logLine("cannot write the data file: " + error.toLocal8Bit());
}

bool SimServer::listenTcp(const QHostAddress &address, quint16 port, QString *error)
{
    m_tcp = new QTcpServer(this);
    if (!m_tcp->listen(address, port)) {
        *error = m_tcp->errorString();
        return false;
    }
    connect(m_tcp, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_tcp->nextPendingConnection()) {
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            auto *link = new SimLink(*this, socket, false, 0, this);
            socket->setParent(link);
            connect(socket, &QTcpSocket::disconnected, link, &QObject::deleteLater);
            connect(socket, &QTcpSocket::disconnected, this, &SimServer::flush);
            const QByteArray name = link->name();
            connect(socket, &QTcpSocket::disconnected, this, [name] { logLine("closed " + name); });
            logLine("connected " + link->name());
        }
    });
    return true;
}

quint16 SimServer::tcpPort() const
{
    return m_tcp ? m_tcp->serverPort() : 0;
}

bool SimServer::openSerial(const QString &path, int baud, bool pace, QString *error)
{
    auto *port = new QSerialPort(path, this);
    port->setBaudRate(baud);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        *error = port->errorString();
        return false;
    }
    new SimLink(*this, port, true, pace ? baud / 10 : 0, this);
    return true;
}

QByteArray SimServer::stateJson() const
{
    QByteArray out = "{\"applied\":" + QByteArray::number(m_applied) +
                     ",\"counters\":{\"bytesIn\":" + QByteArray::number(m_counters.bytesIn) +
                     ",\"bytesOut\":" + QByteArray::number(m_counters.bytesOut) +
                     ",\"framesIn\":" + QByteArray::number(m_counters.framesIn) +
                     ",\"framesOut\":" + QByteArray::number(m_counters.framesOut) +
                     ",\"plusIn\":" + QByteArray::number(m_counters.plusIn) + "},\n\"memory\":";
    out += m_memory.toJson();
    out += "}\n";
    return out;
}

bool SimServer::saveState(QString *error)
{
    return m_journal.snapshot(stateJson(), error);
}

ScaleMemory::Outcome SimServer::more(SimLink &link, const Frame &request)
{
    ScaleMemory::Outcome o;
    ByteReader in(request.payload);
    quint8 kind = 0;
    quint16 budget = 0;
    if (in.u8(kind) && kind == MorePiece) {
        if (link.pendingRequest.size() + in.remaining() > kMaxAssembled) {
            link.pendingRequest.clear();
            o.status = StatusFull;
            o.summary = "MORE piece beyond the longest request";
            return o;
        }
        link.pendingRequest.append(request.payload.constData() + 1, in.remaining());
        link.pendingSequence = request.sequence;
        o.summary = "MORE piece, " + QByteArray::number(link.pendingRequest.size()) + " bytes gathered";
        return o;
    }
    if (kind != MoreFetch || !in.u16(budget) || !in.atEnd() || link.pendingAnswer.isEmpty()) {
        o.status = StatusBadRequest;
        o.summary = "MORE without an answer to continue";
        return o;
    }
    const int size = std::max(64, int(budget));
    o.answer = link.pendingAnswer.left(size);
    link.pendingAnswer.remove(0, o.answer.size());
    o.status = link.pendingAnswer.isEmpty() ? link.pendingStatus : quint8(StatusMore);
    o.summary = "MORE answer piece, " + QByteArray::number(link.pendingAnswer.size()) + " bytes left";
    return o;
}

bool SimServer::handle(SimLink &link, const Frame &request, int wireSize)
{
    const qint64 n = ++m_requestNo;
    const QByteArray tag =
        '#' + QByteArray::number(n) + ' ' + link.name() + " seq " + QByteArray::number(request.sequence) + ' ';
    if (request.command == CmdStats) {
        // Reading the counters must not change them.
        m_counters.bytesIn -= quint64(wireSize);
    } else {
        ++m_counters.framesIn;
    }
    if (m_faults.dropAfter >= 0 && n > m_faults.dropAfter) {
        logLine(tag + commandName(request.command) + " -> link dropped (fault)");
        return false;
    }
    if (m_faults.silentAfter >= 0 && n > m_faults.silentAfter) {
        logLine(tag + commandName(request.command) + " -> no answer (fault)");
        return true;
    }

    const quint16 payloadCrc = crc16(request.payload.constData(), request.payload.size());
    Frame answer;
    answer.command = quint8(request.command | kAnswerBit);
    answer.sequence = request.sequence;
    QByteArray bytes;
    if (link.hasCache && link.cachedSequence == request.sequence && link.cachedCommand == request.command &&
        link.cachedPayloadCrc == payloadCrc) {
        bytes = link.cachedAnswer;
        logLine(tag + commandName(request.command) + " -> answer sent again");
    } else if (m_faults.refuseFrame == n) {
        answer.status = StatusRefused;
        encodeFrame(answer, bytes);
        logLine(tag + commandName(request.command) + " -> refused (fault)");
    } else if (link.failed && request.command == CmdPut && request.payload.size() > 1 &&
               (quint8(request.payload.at(1)) & kPutChained)) {
        answer.status = StatusSkipped;
        encodeFrame(answer, bytes);
        logLine(tag + "PUT -> skipped, an earlier request on this link failed");
    } else if (request.command == CmdStats) {
        ByteWriter w(answer.payload);
        w.u64(m_counters.bytesIn);
        w.u64(m_counters.bytesOut);
        w.u64(m_counters.framesIn);
        w.u64(m_counters.framesOut);
        encodeFrame(answer, bytes);
        logLine(tag + "STATS");
    } else {
        ScaleMemory::Outcome outcome;
        if (request.command == CmdMore) {
            outcome = more(link, request);
        } else {
            // The pieces sent ahead are the start of this request's payload.
            const bool continues =
                !link.pendingRequest.isEmpty() && request.sequence == quint16(link.pendingSequence + 1);
            const QByteArray payload = continues ? link.pendingRequest + request.payload : request.payload;
            link.pendingRequest.clear();
            link.pendingAnswer.clear();
            outcome = m_memory.execute(request.command, payload);
            if (outcome.changed && outcome.status == StatusOk) {
                // In the journal before the answer: what the library was told is kept.
                QString error;
                if (!m_journal.append(++m_applied, request.command, payload, &error)) {
                    // Not kept, so not acknowledged: the scale reports its storage as full.
                    logLine("cannot write the journal: " + error.toLocal8Bit());
                    outcome.status = StatusFull;
                    outcome.answer.clear();
                }
            }
            if (outcome.status == StatusOk)
                m_counters.plusIn += quint64(outcome.plusStored);
            if (outcome.answer.size() > outcome.answerPiece) {
                link.pendingAnswer = outcome.answer.mid(outcome.answerPiece);
                link.pendingStatus = outcome.status;
                outcome.answer.truncate(outcome.answerPiece);
                outcome.status = StatusMore;
            }
        }
        answer.status = outcome.status;
        answer.payload = std::move(outcome.answer);
        encodeFrame(answer, bytes);
        logLine(tag + outcome.summary +
                (outcome.status == StatusOk || outcome.status == StatusMore ? " -> ok" : " -> failed"));
    }
    // A command the scale does not know changes nothing, so what follows it may still be carried out.
    if (answer.status != StatusOk && answer.status != StatusMore && answer.status != StatusUnknownCommand)
        link.failed = true;
    if (request.command != CmdStats) {
        link.hasCache = true;
        link.cachedSequence = request.sequence;
        link.cachedCommand = request.command;
        link.cachedPayloadCrc = payloadCrc;
        link.cachedAnswer = bytes;
        m_counters.bytesOut += quint64(bytes.size());
        ++m_counters.framesOut;
    }
    m_dirty = true;
    if (request.command == CmdBye)
        flush(); // before the answer: a finished transfer is on disk when the library returns
    else
        m_saveTimer->start();

    if (m_faults.corruptFrame == n) {
        const int payloadSize = bytes.size() - kHeaderSize - kTrailerSize;
        const int at = payloadSize > 0 ? kHeaderSize + payloadSize / 2 : bytes.size() - 1;
        bytes[at] = char(bytes[at] ^ 0x5A);
        logLine(tag + "answer damaged at byte " + QByteArray::number(at) + " (fault)");
    }
    if (m_faults.delayMs > 0) {
        QPointer<SimLink> target(&link);
        QTimer::singleShot(m_faults.delayMs, &link, [target, bytes] {
            if (target)
                target->send(bytes);
        });
    } else {
        link.send(bytes);
    }
    return true;
}

SimLink::SimLink(SimServer &server, QIODevice *device, bool serial, int pacedBytesPerSecond, QObject *parent)
    : QObject(parent), m_server(server), m_device(device), m_serial(serial), m_pacedBytesPerSecond(pacedBytesPerSecond)
{
    if (auto *socket = qobject_cast<QTcpSocket *>(device))
        m_name = (socket->peerAddress().toString() + QLatin1Char(':') + QString::number(socket->peerPort())).toLatin1();
    else
        m_name = "serial";
    connect(device, &QIODevice::readyRead, this, &SimLink::onReadyRead);
    if (m_pacedBytesPerSecond > 0) {
        m_clock.start();
        m_paceTimer = new QTimer(this);
        m_paceTimer->setSingleShot(true);
        m_paceTimer->setTimerType(Qt::PreciseTimer);
        connect(m_paceTimer, &QTimer::timeout, this, &SimLink::releaseDue);
    }
}

qint64 SimLink::lineDue(double &freeAtMs, int bytes)
{
    freeAtMs = std::max(freeAtMs, double(m_clock.elapsed())) + bytes * 1000.0 / m_pacedBytesPerSecond;
    return qint64(std::ceil(freeAtMs));
}

void SimLink::onReadyRead()
{
    if (!m_device)
        return;
    const QByteArray data = m_device->readAll();
    m_server.m_counters.bytesIn += quint64(data.size());
    if (m_pacedBytesPerSecond <= 0) {
        takeFrames(data);
        return;
    }
    // A pty takes the library's bytes at once; the cable would still be carrying them.
    m_inbound.append({data, lineDue(m_inFreeAtMs, data.size())});
    releaseDue();
}

void SimLink::takeFrames(const QByteArray &data)
{
    m_parser.feed(data);
    for (;;) {
        Frame frame;
        const FrameParser::Result r = m_parser.next(frame);
        if (r == FrameParser::Result::NeedMore)
            break;
        if (r == FrameParser::Result::Damaged)
            continue;
        if (frame.command & kAnswerBit)
            continue;
        const int wireSize = kHeaderSize + frame.payload.size() + kTrailerSize;
        if (!m_server.handle(*this, frame, wireSize)) {
            drop();
            return;
        }
    }
}

void SimLink::send(const QByteArray &bytes)
{
    if (!m_device || !m_device->isOpen())
        return;
    if (m_pacedBytesPerSecond <= 0) {
        m_device->write(bytes);
        return;
    }
    // Written when its last byte would have left the cable, so that it arrives no earlier.
    m_outbound.append({bytes, lineDue(m_outFreeAtMs, bytes.size())});
    if (!m_releasing)
        releaseDue();
}

void SimLink::releaseDue()
{
    m_releasing = true;
    const qint64 now = m_clock.elapsed();
    while (!m_outbound.isEmpty() && m_outbound.first().dueMs <= now) {
        if (m_device && m_device->isOpen())
            m_device->write(m_outbound.first().bytes);
        m_outbound.removeFirst();
    }
    while (!m_inbound.isEmpty() && m_inbound.first().dueMs <= now)
        takeFrames(m_inbound.takeFirst().bytes);
    qint64 next = -1;
    for (const QList<Timed> *queue : {&m_inbound, &m_outbound}) {
        if (!queue->isEmpty() && (next < 0 || queue->first().dueMs < next))
            next = queue->first().dueMs;
    }
    m_releasing = false;
    if (next >= 0)
        m_paceTimer->start(int(std::max<qint64>(0, next - m_clock.elapsed())));
}

void SimLink::drop()
{
    logLine("dropping " + m_name);
    m_server.flush();
    if (auto *socket = qobject_cast<QTcpSocket *>(m_device.data())) {
        socket->abort();
        deleteLater();
    } else if (m_device) {
        m_device->close();
    }
}
