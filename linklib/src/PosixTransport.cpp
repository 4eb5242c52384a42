#include "Transport.h"

#include "OpenFailure.h"

#include <QStringBuilder>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace zqlink {

namespace {

// A break must end a wait within a second; waits are cut into slices this long.
constexpr int kSliceMs = 50;

int sliceUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return 0;
    return int(left < kSliceMs ? left : kSliceMs);
}

// Waits for the descriptor to become ready for events; Ok when it is.
IoResult waitFor(int fd, short events, Clock::time_point deadline, const std::atomic<bool> &broken)
{
    for (;;) {
        if (broken.load())
            return IoResult::Broken;
        const int slice = sliceUntil(deadline);
        if (slice <= 0)
            return IoResult::TimedOut;
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, slice);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return IoResult::Failed;
        }
        if (n > 0) {
            if (p.revents & (events | POLLHUP | POLLERR))
                return IoResult::Ok;
            if (p.revents & POLLNVAL)
                return IoResult::Failed;
        }
    }
}

class FdTransport : public Transport
{
public:
    FdTransport(int fd, bool serial, int bytesPerSecond, const std::atomic<bool> &broken)
        : m_fd(fd), m_serial(serial), m_bytesPerSecond(bytesPerSecond), m_broken(broken)
    {
    }
    ~FdTransport() override
    {
        // The exclusive mode outlives this descriptor while another holds the line open (a pty's
        // other side does), and would shut out the next program to open it.
        if (m_serial)
            ::ioctl(m_fd, TIOCNXCL);
        ::close(m_fd);
    }

    IoResult writeAll(const QByteArray &data, Clock::time_point deadline) override
    {
        int done = 0;
        while (done < data.size()) {
            const IoResult w = waitFor(m_fd, POLLOUT, deadline, m_broken);
            if (w != IoResult::Ok)
                return w;
            ssize_t n = 0;
            if (m_serial)
                n = ::write(m_fd, data.constData() + done, size_t(data.size() - done));
            else
                n = ::send(m_fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
            if (n < 0) {
                if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                    continue;
                return errno == EPIPE || errno == ECONNRESET ? IoResult::Closed : IoResult::Failed;
            }
            done += int(n);
        }
        return IoResult::Ok;
    }

    IoResult readSome(QByteArray &buffer, Clock::time_point deadline) override
    {
        for (;;) {
            const IoResult w = waitFor(m_fd, POLLIN, deadline, m_broken);
            if (w != IoResult::Ok)
                return w;
            char chunk[16384];
            const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
            if (n > 0) {
                buffer.append(chunk, int(n));
                return IoResult::Ok;
            }
            if (n == 0)
                return IoResult::Closed;
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                continue;
            // A pty whose other side closed reports EIO: the line is gone.
            return errno == EIO || errno == ECONNRESET ? IoResult::Closed : IoResult::Failed;
        }
    }

    void discardInput() override
    {
        if (m_serial)
            ::tcflush(m_fd, TCIFLUSH);
        char chunk[4096];
        while (::read(m_fd, chunk, sizeof chunk) > 0) {
        }
    }

    bool isSerial() const override { return m_serial; }
    int bytesPerSecond() const override { return m_bytesPerSecond; }

private:
    int m_fd;
    bool m_serial;
    int m_bytesPerSecond;
    const std::atomic<bool> &m_broken;
};

bool baudConstant(int baud, speed_t *speed)
{
    switch (baud) {
    case 1200:
        *speed = B1200;
        return true;
    case 2400:
        *speed = B2400;
        return true;
    case 4800:
        *speed = B4800;
        return true;
    case 9600:
        *speed = B9600;
        return true;
    case 19200:
        *speed = B19200;
        return true;
    case 38400:
        *speed = B38400;
        return true;
    case 57600:
        *speed = B57600;
        return true;
    case 115200:
        *speed = B115200;
        return true;
    case 230400:
        *speed = B230400;
        return true;
    default:
        return false;
    }
}

} // namespace

std::unique_ptr<Transport> openTcp(const QByteArray &address, int port, Clock::time_point deadline,
                                   const std::atomic<bool> &broken, IoResult *result)
{
    const QByteArray where = address + ':' + QByteArray::number(port);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(quint16(port));
    if (port <= 0 || port > 65535 || ::inet_pton(AF_INET, address.constData(), &sa.sin_addr) != 1) {
        *result = IoResult::Failed;
        return nullptr;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *result = IoResult::Failed;
        return nullptr;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&sa), sizeof sa) != 0 && errno != EINPROGRESS) {
        const int error = errno;
        setOpenFailure(error, where);
        ::close(fd);
        *result = error == ECONNREFUSED ? IoResult::Closed : IoResult::Failed;
        return nullptr;
    }
    const IoResult w = waitFor(fd, POLLOUT, deadline, broken);
    int error = 0;
    socklen_t len = sizeof error;
    if (w != IoResult::Ok || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) {
        if (w == IoResult::TimedOut)
            setOpenFailure(ETIMEDOUT, where);
        else if (w == IoResult::Ok)
            setOpenFailure(error != 0 ? error : errno, where);
        ::close(fd);
        *result = w != IoResult::Ok ? w : IoResult::Closed;
        return nullptr;
    }
    *result = IoResult::Ok;
    return std::make_unique<FdTransport>(fd, false, 0, broken);
}

std::unique_ptr<Transport> openSerial(const QByteArray &device, int baud, const std::atomic<bool> &broken,
                                      IoResult *result)
{
    speed_t speed = B0;
    if (!baudConstant(baud, &speed)) {
        *result = IoResult::Failed;
        return nullptr;
    }
    const QByteArray path = serialDevicePath(device);
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        setOpenFailure(error, path);
        *result = error == EBUSY ? IoResult::Busy : IoResult::Failed;
        return nullptr;
    }
    // Two programs on one line garble each other's frames: the first one keeps it. The lock
    // tells any program that asks, including another copy of this library; TIOCEXCL (below)
    // keeps other openers out, except the superuser.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        setOpenFailure(error == EWOULDBLOCK ? EBUSY : error, path);
        ::close(fd);
        *result = error == EWOULDBLOCK ? IoResult::Busy : IoResult::Failed;
        return nullptr;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        *result = IoResult::Failed;
        return nullptr;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~tcflag_t(CSTOPB | PARENB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::close(fd);
        *result = IoResult::Failed;
        return nullptr;
    }
    ::tcflush(fd, TCIOFLUSH);
    ::ioctl(fd, TIOCEXCL);
    *result = IoResult::Ok;
    // 8N1: ten bit times per byte.
    return std::make_unique<FdTransport>(fd, true, baud / 10, broken);
}

QByteArray serialDevicePath(const QByteArray &name)
{
    if (name.startsWith('/') || name.startsWith("./") || name.startsWith("../"))
        return name;
    QByteArray path("/dev/");
    path.append(name);
    return path;
}

} // namespace zqlink
