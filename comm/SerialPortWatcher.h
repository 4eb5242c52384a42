#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QTimer;

// Tells when a serial device appears or disappears while a dialog is open. On Linux it watches
// the device folder; on Windows the device-change messages of the dialog's window.
class SerialPortWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SerialPortWatcher(QObject *parent = nullptr);
    // The system's serial port names in the order it reports them.
    static QStringList availablePorts();
    // Tests stand in for the system's list; an empty function restores it.
    static void setPortLister(std::function<QStringList()> lister);
    // Lists the ports again and tells when the list changed.
    void recheck();

#ifdef Q_OS_WIN
    // Fed from the dialog's native event handler.
    void nativeEvent(void *message);
#endif

signals:
    void portsChanged(const QStringList &ports);

private:
    QStringList m_ports;
    QTimer *m_settle;
};
