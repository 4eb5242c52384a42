#pragma once

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <memory>

// The byte pipe under a link session: a TCP socket or a serial line. Every wait is bounded by a
// deadline and gives up early when the break flag is raised, so no call can hang.
namespace zqlink {

using Clock = std::chrono::steady_clock;

enum class IoResult
{
    Ok,
    TimedOut,
    Closed,
    Failed,
    Broken,
    Busy // another program holds the serial device
};

class Transport
{
public:
    virtual ~Transport() = default;
    virtual IoResult writeAll(const QByteArray &data, Clock::time_point deadline) = 0;
    // Appends whatever arrives (at least one byte) to buffer, waiting until the deadline.
    virtual IoResult readSome(QByteArray &buffer, Clock::time_point deadline) = 0;
    // Drops bytes already received, before a resend.
    virtual void discardInput() = 0;
    virtual bool isSerial() const = 0;
    // Bytes per second the line carries; 0 when it is not the limit (TCP).
    virtual int bytesPerSecond() const = 0;
};

// Platform seam: each platform provides these two in its own file.
std::unique_ptr<Transport> openTcp(const QByteArray &address, int port, Clock::time_point deadline,
                                   const std::atomic<bool> &broken, IoResult *result);
// device: a path, or a port name as the system's port list shows it ("ttyS0", "pts/3"). The line
// is held exclusively until the transport is destroyed.
std::unique_ptr<Transport> openSerial(const QByteArray &device, int baud, const std::atomic<bool> &broken,
                                      IoResult *result);
// The device a port name stands for ("ttyS0" is "/dev/ttyS0"); a path stays as it is.
QByteArray serialDevicePath(const QByteArray &name);

} // namespace zqlink
