#include "link/cserial.h"

#include "base/log.h"
#include "base/portlist.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

bool speedFor(int baud, speed_t &speed)
{
    static const struct
    {
        int baud;
        speed_t speed;
    } kSpeeds[] = {{300, B300},     {600, B600},       {1200, B1200},    {2400, B2400},
                   {4800, B4800},   {9600, B9600},     {19200, B19200},  {38400, B38400},
                   {57600, B57600}, {115200, B115200}, {230400, B230400}};
    for (const auto &entry : kSpeeds) {
        if (entry.baud == baud) {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

// Raw line of the given format, without flow control: a stale RTS/CTS or
// XON/XOFF setting left by another program would stall or alter the frames.
bool makeLine(struct termios &tio, int baud, quint8 byteSize, quint8 parity, quint8 stopBits)
{
    static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    speed_t speed;
    if (!speedFor(baud, speed) || byteSize < 5 || byteSize > 8)
        return false;
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= kSizes[byteSize - 5] | CLOCAL | CREAD;
    switch (parity) {
    case CSerial::NoParity:
        break;
    case CSerial::OddParity:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case CSerial::EvenParity:
        tio.c_cflag |= PARENB;
        break;
    default:
        return false;
    }
    switch (stopBits) {
    case CSerial::OneStopBit:
        break;
    case CSerial::TwoStopBits:
        tio.c_cflag |= CSTOPB;
        break;
    default:
        return false;
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ::cfsetispeed(&tio, speed) == 0 && ::cfsetospeed(&tio, speed) == 0;
}

// The time left until deadline, for ppoll: to the nanosecond, so that a wait
// never ends before its deadline (whole milliseconds would cut up to one off).
struct timespec timeLeft(SteadyClock::time_point deadline)
{
    const auto left = std::max(SteadyClock::duration::zero(), deadline - SteadyClock::now());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return {time_t(ns / 1000000000), long(ns % 1000000000)};
}

QString openFailureText(int port, const QString &path, int error)
{
    QString reason;
    switch (error) {
    case EACCES:
    case EPERM:
        reason = QStringLiteral("permission denied (the user is not in the dialout group)");
        break;
    case ENOENT:
    case ENXIO:
    case ENODEV:
        reason = QStringLiteral("no such device");
        break;
    case EBUSY:
    case EWOULDBLOCK:
        reason = QStringLiteral("held by another program or already open");
        break;
    default:
        reason = QString::fromLocal8Bit(std::strerror(error));
    }
    return QStringLiteral("CSerial::open - COM%1 (%2): %3").arg(port).arg(path, reason);
}

} // namespace

CSerial::CSerial() = default;

CSerial::~CSerial()
{
    close();
}

int CSerial::open(int port, int baud, quint8 byteSize, quint8 parity, quint8 stopBits)
{
    const QString path = PortList::devicePath(port);
    if (path.isEmpty()) {
        openFailed(ENODEV, openFailureText(port, PortList::portName(port), ENODEV));
        return 0;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        openFailed(error, openFailureText(port, path, error));
        return 0;
    }
    // The lock on this open file keeps out every other open, root and this
    // process included; TIOCEXCL then keeps out other processes that do not lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        openFailed(error, openFailureText(port, path, error));
        ::close(fd);
        return 0;
    }
    struct termios tio;
    if (::tcgetattr(fd, &tio) != 0 || !makeLine(tio, baud, byteSize, parity, stopBits) ||
        ::tcsetattr(fd, TCSANOW, &tio) != 0) {
        openFailed(EINVAL,
                   QStringLiteral("CSerial::open - COM%1: line settings refused (%2 baud)").arg(port).arg(baud));
        ::close(fd); // also releases the lock
        return 0;
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        openFailed(error, openFailureText(port, path, error));
        ::close(fd);
        return 0;
    }
    close(); // a different port through an open object: let go of the old one
    m_fd = fd;
    m_lineFailed = false;
    m_lastOpenFailure.clear();
    m_openError = 0;
    m_port = port;
    m_baud = baud;
    purge();
    return 1;
}

// A port that stays unavailable is retried for hours: its reason is logged
// once, not at every attempt.
void CSerial::openFailed(int error, const QString &text)
{
    m_openError = error;
    if (text == m_lastOpenFailure)
        return;
    m_lastOpenFailure = text;
    write_log(text);
}

bool CSerial::openDenied() const
{
    const int error = m_openError;
    return error == EACCES || error == EPERM;
}

int CSerial::reopen()
{
    return open(m_port, m_baud, 8, NoParity, OneStopBit);
}

int CSerial::close()
{
    if (is_closed())
        return 0;
    purge();
    ::ioctl(m_fd, TIOCNXCL); // the flag outlives this open on a terminal that stays in use
    ::close(m_fd);           // also releases the lock
    m_fd = -1;
    return 1;
}

bool CSerial::is_closed() const
{
    return m_fd < 0;
}

int CSerial::purge()
{
    if (is_closed())
        return 0;
    ::tcflush(m_fd, TCIOFLUSH);
    return 1;
}

void CSerial::set_port_baud(int port, int baud)
{
    m_port = port;
    m_baud = baud;
}

int CSerial::set_baud(int baud)
{
    speed_t speed;
    struct termios tio;
    if (is_closed() || !speedFor(baud, speed) || ::tcgetattr(m_fd, &tio) != 0)
        return 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0 || ::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return 0;
    m_baud = baud;
    return 1;
}

int CSerial::set_read_timeout(int /*interval*/, int total)
{
    if (is_closed())
        return 0;
    m_readTotal = qMax(0, total);
    return 1;
}

int CSerial::set_write_timeout(int total)
{
    if (is_closed())
        return 0;
    m_writeTotal = qMax(0, total);
    return 1;
}

int CSerial::write(const quint8 *buffer, int length)
{
    if (is_closed())
        return 0;
    purge();
    return send(buffer, length);
}

int CSerial::write(const quint8 *buffer, int length, int writeTimeout)
{
    if (is_closed())
        return 0;
    purge();
    set_write_timeout(writeTimeout);
    return send(buffer, length);
}

int CSerial::send(const quint8 *buffer, int length)
{
    if (length <= 0)
        return 0;
    // A total of 0 means no limit, as on the Win32 port layer.
    const bool limited = m_writeTotal > 0;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(m_writeTotal);
    int written = 0;
    while (written < length) {
        const ssize_t n = ::write(m_fd, buffer + written, size_t(length - written));
        if (n > 0) {
            written += int(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            m_lineFailed = true;
            break;
        }
        if (limited && SteadyClock::now() >= deadline)
            break;
        struct pollfd pfd = {m_fd, POLLOUT, 0};
        const struct timespec left = timeLeft(deadline);
        if (::ppoll(&pfd, 1, limited ? &left : nullptr, nullptr) < 0 && errno != EINTR)
            break;
        if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            m_lineFailed = true;
            break;
        }
    }
    if (written > 0)
        ::tcdrain(m_fd);
    return written;
}

void CSerial::pause(int ms)
{
    // Without the thread's timer slack (50 us by default), which would lengthen every pause.
    const int slack = ::prctl(PR_GET_TIMERSLACK);
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    QThread::msleep(ulong(ms));
    if (slack > 0)
        ::prctl(PR_SET_TIMERSLACK, ulong(slack));
}

int CSerial::read(quint8 *buffer, int length, int timeout)
{
    if (is_closed() || length <= 0)
        return 0;
    if (!set_read_timeout(0, timeout))
        write_log(QStringLiteral("CSerial::read - set_read_timeout fail"));
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(qint64(length) + m_readTotal);
    int received = 0;
    while (received < length) {
        struct pollfd pfd = {m_fd, POLLIN, 0};
        const struct timespec left = timeLeft(deadline);
        const int ready = ::ppoll(&pfd, 1, &left, nullptr);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break; // the total time is up
        if (pfd.revents & POLLIN) {
            const ssize_t n = ::read(m_fd, buffer + received, size_t(length - received));
            if (n > 0) {
                received += int(n);
                continue;
            }
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
        }
        m_lineFailed = true; // hang-up or error: the device is gone
        break;
    }
    return received;
}
