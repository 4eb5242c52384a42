#include "SimServer.h"

#include <QSaveFile>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
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
    : QObject(parent), m_memory(memory), m_faults(faults), m_dataPath(dataPath), m_saveTimer(new QTimer(this))
{
    // Rewriting a full memory after each of the thousands of packets of one download would take
    // minutes: the file is written when a session says goodbye or drops, and after a short quiet
    // spell, so a transfer that has returned is always on disk.
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(200);
    connect(m_saveTimer, &QTimer::timeout, this, &SimServer::flush);
}

void SimServer::flush()
{
    m_saveTimer->stop();
    if (!m_dirty)
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
    QByteArray out = "{\"counters\":{\"bytesIn\":" + QByteArray::number(m_counters.bytesIn) +
                     ",\"bytesOut\":" + QByteArray::number(m_counters.bytesOut) +
                     ",\"framesIn\":" + QByteArray::number(m_counters.framesIn) +
                     ",\"framesOut\":" + QByteArray::number(m_counters.framesOut) + "},\n\"memory\":";
    out += m_memory.toJson();
    out += "}\n";
    return out;
}

bool SimServer::saveState(QString *error) const
{
    if (m_dataPath.isEmpty())
        return true;
    QSaveFile file(m_dataPath);
    const QByteArray bytes = stateJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
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
    } else if (request.command == CmdStats) {
        ByteWriter w(answer.payload);
        w.u64(m_counters.bytesIn);
        w.u64(m_counters.bytesOut);
        w.u64(m_counters.framesIn);
        w.u64(m_counters.framesOut);
        encodeFrame(answer, bytes);
        logLine(tag + "STATS");
    } else {
        ScaleMemory::Outcome outcome = m_memory.execute(request.command, request.payload);
        answer.status = outcome.status;
        answer.payload = std::move(outcome.answer);
        encodeFrame(answer, bytes);
        logLine(tag + outcome.summary + (outcome.status == StatusOk ? " -> ok" : " -> failed"));
    }
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
        m_paceTimer = new QTimer(this);
        m_paceTimer->setInterval(kPaceTickMs);
        connect(m_paceTimer, &QTimer::timeout, this, &SimLink::writePaced);
    }
}

void SimLink::onReadyRead()
{
    if (!m_device)
        return;
    const QByteArray data = m_device->readAll();
    m_server.m_counters.bytesIn += quint64(data.size());
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
    m_outQueue.append(bytes);
    if (!m_paceTimer->isActive())
        m_paceTimer->start();
    writePaced();
}

void SimLink::writePaced()
{
    // The line carries baud/10 bytes a second; pacing makes a fast pty behave like the cable.
    const int chunk = std::max(1, m_pacedBytesPerSecond * kPaceTickMs / 1000);
    if (!m_device || m_outQueue.isEmpty()) {
        m_paceTimer->stop();
        return;
    }
    m_device->write(m_outQueue.left(chunk));
    m_outQueue.remove(0, std::min(chunk, m_outQueue.size()));
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
