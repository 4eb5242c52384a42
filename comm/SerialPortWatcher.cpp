#include "comm/SerialPortWatcher.h"

#include <QSerialPortInfo>
#include <QTimer>

#ifdef Q_OS_WIN
#include <dbt.h>
#include <windows.h>
#else
#include <QFileSystemWatcher>
#endif

namespace {
std::function<QStringList()> g_lister;
}

void SerialPortWatcher::setPortLister(std::function<QStringList()> lister)
{
    g_lister = std::move(lister);
}

SerialPortWatcher::SerialPortWatcher(QObject *parent)
    : QObject(parent), m_ports(availablePorts()), m_settle(new QTimer(this))
{
    // Devices come with a burst of changes; list the ports once the burst is over.
    m_settle->setSingleShot(true);
    m_settle->setInterval(300);
    connect(m_settle, &QTimer::timeout, this, &SerialPortWatcher::recheck);
#ifndef Q_OS_WIN
    auto *watcher = new QFileSystemWatcher(this);
    watcher->addPath(QStringLiteral("/dev"));
    connect(watcher, &QFileSystemWatcher::directoryChanged, m_settle, QOverload<>::of(&QTimer::start));
#endif
}

QStringList SerialPortWatcher::availablePorts()
{
    if (g_lister)
        return g_lister();
    QStringList names;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names << info.portName();
    return names;
}

void SerialPortWatcher::recheck()
{
    const QStringList ports = availablePorts();
    if (ports == m_ports)
        return;
    m_ports = ports;
    emit portsChanged(ports);
}

#ifdef Q_OS_WIN
void SerialPortWatcher::nativeEvent(void *message)
{
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_DEVICECHANGE)
        return;
    if (msg->wParam != DBT_DEVICEARRIVAL && msg->wParam != DBT_DEVICEREMOVECOMPLETE)
        return;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(msg->lParam);
    if (header && header->dbch_devicetype == DBT_DEVTYP_VOLUME &&
        reinterpret_cast<const DEV_BROADCAST_VOLUME *>(header)->dbcv_flags == 0)
        m_settle->start();
}
#endif
