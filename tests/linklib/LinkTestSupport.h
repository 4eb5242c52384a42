#pragma once

#include "comm/ScaleLinkLibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>

// Helpers shared by the link library tests: a scale-sim process over TCP or a pty pair, the
// library loaded as the program loads it, and JSON texts handled as the raw bytes they are.
namespace linktest {

inline QString binDir()
{
    const QByteArray env = qgetenv("PLU_BIN_DIR");
    return env.isEmpty() ? QStringLiteral(PLU_BIN_DIR) : QString::fromLocal8Bit(env);
}

// JSON text as sent to the library: indented, every character one byte (Latin-1), so tests can
// put bytes that are not UTF-8 into names.
inline QByteArray jsonBytes(const QJsonValue &value)
{
    const QJsonDocument doc = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return QString::fromUtf8(doc.toJson(QJsonDocument::Indented)).toLatin1();
}

inline QJsonValue parseBytes(const QByteArray &text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(QString::fromLatin1(text).toUtf8());
    if (doc.isArray())
        return doc.array();
    return doc.object();
}

// Collects what a ScaleRecordCallback delivers on the calling thread.
struct Received
{
    QList<QByteArray> texts;
    QList<int> itemNumbers;
};
inline thread_local Received *t_received = nullptr;

inline void ZQSCALE_CALL collect(const char *json, int itemNo, int)
{
    if (t_received) {
        t_received->texts.append(QByteArray(json));
        t_received->itemNumbers.append(itemNo);
    }
}

class ReceiveScope
{
public:
    ReceiveScope() { t_received = &data; }
    ~ReceiveScope() { t_received = nullptr; }
    Received data;
};

inline QJsonObject makePlu(int i)
{
    QJsonObject o;
    o.insert(QStringLiteral("PluName"), QStringLiteral("Article %1 fresh").arg(i));
    o.insert(QStringLiteral("LFCode"), i);
    o.insert(QStringLiteral("Code"), QStringLiteral("%1").arg(i % 100000, 5, 10, QLatin1Char('0')));
    o.insert(QStringLiteral("BarCode"), i % 111);
    o.insert(QStringLiteral("UnitPrice"), (i * 37) % 100000);
    o.insert(QStringLiteral("WeightUnit"), i % 13);
    o.insert(QStringLiteral("QtyUnit"), i % 16);
    o.insert(QStringLiteral("Deptment"), i % 100);
    o.insert(QStringLiteral("Tare"), (i % 50) * 0.001);
    o.insert(QStringLiteral("ShlefTime"), (i % 200) - 100);
    o.insert(QStringLiteral("PackageType"), i % 6);
    o.insert(QStringLiteral("PackageWeight"), (i % 7) * 0.25);
    o.insert(QStringLiteral("Tolerance"), i % 21);
    o.insert(QStringLiteral("Message1"), i % 20001);
    o.insert(QStringLiteral("Message2"), i % 256);
    o.insert(QStringLiteral("LabelId"), i % 9);
    o.insert(QStringLiteral("Rebate"), i % 128);
    o.insert(QStringLiteral("Ice"), (i % 10) * 0.5);
    return o;
}

// Members the program sends: each must come back unchanged.
inline bool sameSentMembers(const QJsonObject &sent, const QJsonObject &back, QString *diff)
{
    for (auto it = sent.begin(); it != sent.end(); ++it) {
        if (back.value(it.key()) != it.value()) {
            *diff = QStringLiteral("%1: sent %2, got %3")
                        .arg(it.key(), QString::fromUtf8(QJsonDocument(QJsonArray{it.value()}).toJson()),
                             QString::fromUtf8(QJsonDocument(QJsonArray{back.value(it.key())}).toJson()));
            return false;
        }
    }
    return true;
}

// One scale-sim process, over TCP on an ephemeral loopback port or over a socat pty pair.
class ScaleSim
{
public:
    ~ScaleSim() { stop(); }

    bool startTcp(const QStringList &extra = {})
    {
        const QString portFile = m_dir.filePath(QStringLiteral("port"));
        QFile::remove(portFile);
        QStringList args{QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--port-file"),
                         portFile};
        if (!launch(args + extra))
            return false;
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(portFile) && t.elapsed() < 10000) {
            if (m_sim.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(10);
        }
        QFile f(portFile);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        m_port = f.readAll().trimmed().toInt();
        m_link = "127.0.0.1:" + QByteArray::number(m_port);
        return m_port > 0;
    }

    static bool haveSocat() { return !QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty(); }

    bool startSerial(const QStringList &extra = {}, int baud = 115200)
    {
        const QString simSide = m_dir.filePath(QStringLiteral("tty-sim"));
        const QString libSide = m_dir.filePath(QStringLiteral("tty-lib"));
        // ignoreeof: the pair survives the library closing and reopening its side.
        m_socat.setStandardErrorFile(m_dir.filePath(QStringLiteral("socat.log")));
        m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + simSide,
                                                QStringLiteral("pty,raw,echo=0,ignoreeof,link=") + libSide});
        if (!m_socat.waitForStarted(5000))
            return false;
        QElapsedTimer t;
        t.start();
        while (!(QFile::exists(simSide) && QFile::exists(libSide)) && t.elapsed() < 5000)
            QThread::msleep(10);
        if (!QFile::exists(libSide))
            return false;
        m_link = QFile::symLinkTarget(libSide).toLocal8Bit();
        m_baud = baud;
        return launch(
                   QStringList{QStringLiteral("--serial"), simSide, QStringLiteral("--baud"), QString::number(baud)} +
                   extra) &&
               waitForLog("serving");
    }

    bool waitForLog(const char *text, int ms = 5000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (log().contains(text))
                return true;
            if (m_sim.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(10);
        }
        return false;
    }

    void stop()
    {
        for (QProcess *p : {&m_sim, &m_socat}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000)) {
                    p->kill();
                    p->waitForFinished(3000);
                }
            }
        }
    }

    // Ends the simulator as a power cut or kill -9 would: no goodbye, no last write.
    void kill()
    {
        m_sim.kill();
        m_sim.waitForFinished(3000);
    }

    QByteArray link() const { return m_link; }
    // The serial device as the system's port list names it: its path below /dev ("pts/3").
    QByteArray portName() const { return m_link.startsWith("/dev/") ? m_link.mid(5) : m_link; }
    int port() const { return m_port; }
    int baud() const { return m_baud; }
    QString dataFile() const { return m_dir.filePath(QStringLiteral("scale.json")); }
    QString dir() const { return m_dir.path(); }
    QByteArray log() const
    {
        QFile f(m_dir.filePath(QStringLiteral("sim.log")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Runs scale-sim --dump on the data file; the running simulator is not disturbed.
    QJsonObject dump() const
    {
        QProcess p;
        p.start(binDir() + QStringLiteral("/scale-sim"),
                {QStringLiteral("--data"), dataFile(), QStringLiteral("--dump")});
        if (!p.waitForFinished(10000) || p.exitCode() != 0)
            return {};
        return parseBytes(p.readAllStandardOutput()).toObject();
    }

private:
    bool launch(const QStringList &args)
    {
        m_sim.setStandardErrorFile(m_dir.filePath(QStringLiteral("sim.log")), QIODevice::Append);
        m_sim.setStandardOutputFile(m_dir.filePath(QStringLiteral("sim.out")));
        m_sim.start(binDir() + QStringLiteral("/scale-sim"), args);
        return m_sim.waitForStarted(5000);
    }

    QTemporaryDir m_dir;
    QProcess m_sim;
    QProcess m_socat;
    QByteArray m_link;
    int m_port = 0;
    int m_baud = 0;
};

// Writes the library's settings file and hands it over.
inline bool loadSettings(ScaleLinkLibrary &lib, const QString &dir, int timeoutMs, int tcpPort = 5005)
{
    const QString path = QDir(dir).filePath(QStringLiteral("SYSTEM.CFG"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write("[Link]\r\nTcpPort=" + QByteArray::number(tcpPort) + "\r\nTimeoutMs=" + QByteArray::number(timeoutMs) +
            "\r\n");
    f.close();
    return lib.zqscaleLoadIniFile(QFile::encodeName(path).constData()) == 0;
}

} // namespace linktest
