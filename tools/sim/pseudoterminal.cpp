#include "pseudoterminal.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        return;
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    // Raw line from the start, so that nothing the program writes is echoed or translated.
    m_slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveKeeper >= 0) {
        struct termios tio;
        if (::tcgetattr(m_slaveKeeper, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_slaveKeeper, TCSANOW, &tio);
        }
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal()
{
    if (!m_link.isEmpty())
        QFile::remove(m_link);
    if (m_slaveKeeper >= 0)
        ::close(m_slaveKeeper);
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::link(const QString &linkPath)
{
    if (!isOpen())
        return false;
    QFile::remove(linkPath);
    if (!QFile::link(m_slavePath, linkPath))
        return false;
    m_link = linkPath;
    return true;
}

QByteArray PseudoTerminal::read(int timeoutMs)
{
    QByteArray bytes;
    if (!isOpen())
        return bytes;
    struct pollfd pfd
    {
        m_master, POLLIN, 0
    };
    if (::poll(&pfd, 1, timeoutMs) <= 0 || !(pfd.revents & POLLIN))
        return bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n > 0) {
            bytes.append(chunk, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: nothing more for now
    }
    return bytes;
}

QByteArray PseudoTerminal::readFrame(int timeoutMs, int gapMs)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray frame = read(timeoutMs);
    if (frame.isEmpty())
        return frame;
    while (timer.elapsed() < timeoutMs) {
        const QByteArray more = read(gapMs);
        if (more.isEmpty())
            break;
        frame.append(more);
    }
    return frame;
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    int done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += int(n);
        } else if (n < 0 && errno == EAGAIN) {
            struct pollfd pfd
            {
                m_master, POLLOUT, 0
            };
            ::poll(&pfd, 1, 100);
        } else if (!(n < 0 && errno == EINTR)) {
            return false;
        }
    }
    return true;
}

int PseudoTerminal::baudRate() const
{
    struct termios tio;
    if (m_slaveKeeper < 0 || ::tcgetattr(m_slaveKeeper, &tio) != 0)
        return 0;
    switch (::cfgetospeed(&tio)) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}
