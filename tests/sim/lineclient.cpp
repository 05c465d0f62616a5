#include "lineclient.h"

#include "link/crc16.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t speed(int baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    default:
        return B9600;
    }
}

void appendCrc(QByteArray &bytes, int from)
{
    const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(bytes.constData()) + from, bytes.size() - from);
    bytes.append(char(crc & 0xFF)).append(char(crc >> 8));
}

void appendWord(QByteArray &bytes, int word)
{
    bytes.append(char(word >> 8)).append(char(word & 0xFF));
}

} // namespace

LineClient::LineClient(const QString &path, int baud)
{
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    struct termios tio;
    if (m_fd < 0 || ::tcgetattr(m_fd, &tio) != 0)
        return;
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, speed(baud));
    ::cfsetospeed(&tio, speed(baud));
    ::tcsetattr(m_fd, TCSANOW, &tio);
}

LineClient::~LineClient()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray LineClient::exchange(const QByteArray &request, int expected, int timeoutMs)
{
    ::tcflush(m_fd, TCIOFLUSH);
    if (::write(m_fd, request.constData(), size_t(request.size())) != request.size())
        return {};
    return read(expected, timeoutMs);
}

QByteArray LineClient::read(int expected, int timeoutMs)
{
    QByteArray reply;
    QElapsedTimer timer;
    timer.start();
    while (reply.size() < expected && timer.elapsed() < timeoutMs) {
        struct pollfd pfd = {m_fd, POLLIN, 0};
        if (::poll(&pfd, 1, int(timeoutMs - timer.elapsed())) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n > 0)
            reply.append(chunk, int(n));
    }
    return reply;
}

QByteArray LineClient::inverterRequest(int address, int function, int reg, int countOrValue)
{
    QByteArray frame;
    frame.append(char(0x0A)).append(char(address)).append(char(function));
    appendWord(frame, reg);
    appendWord(frame, countOrValue);
    appendCrc(frame, 1);
    frame.append(char(0x0D));
    return frame;
}

bool LineClient::validInverterFrame(const QByteArray &frame)
{
    const int n = frame.size();
    if (n < 5 || frame.at(0) != 0x0A || frame.at(n - 1) != 0x0D)
        return false;
    const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(frame.constData()) + 1, n - 4);
    return quint8(frame.at(n - 3)) == (crc & 0xFF) && quint8(frame.at(n - 2)) == (crc >> 8);
}
