#include "support/memoryline.h"

#include "inverterreplies.h"
#include "lineframes.h"

MemoryLine::MemoryLine(const Scenario &scenario)
    : m_random(scenario.seed)
    , m_turnaroundMs(scenario.line.turnaroundMs)
    , m_start(QDate(2026, 6, 1), QTime(12, 0))
{
    for (const InverterSpec &definition : scenario.inverters)
        m_inverters.emplace_back(definition);
}

int MemoryLine::open(int port, int baud, quint8, quint8, quint8)
{
    if (m_open || baud <= 0)
        return 0;
    m_open = true;
    m_port = port;
    m_baud = baud;
    m_input.clear();
    return 1;
}

int MemoryLine::reopen()
{
    return open(m_port, m_baud, 8, NoParity, OneStopBit);
}

int MemoryLine::close()
{
    const bool wasOpen = m_open;
    m_open = false;
    return wasOpen ? 1 : 0;
}

int MemoryLine::purge()
{
    m_input.clear();
    return m_open ? 1 : 0;
}

int MemoryLine::set_baud(int baud)
{
    if (!m_open || baud <= 0)
        return 0;
    m_baud = baud;
    return 1;
}

int MemoryLine::set_read_timeout(int, int)
{
    return m_open ? 1 : 0;
}

int MemoryLine::set_write_timeout(int)
{
    return m_open ? 1 : 0;
}

int MemoryLine::write(const quint8 *buffer, int length, int)
{
    if (!m_open || length <= 0)
        return 0;
    m_input.clear();
    const QByteArray request(reinterpret_cast<const char *>(buffer), length);
    m_heard << request;
    m_elapsedMs += length * byteMs();
    if (!lineframes::isInverterRequest(request))
        return length;
    const SimMoment moment{m_start.addMSecs(qint64(m_elapsedMs)), m_start, m_elapsedMs / 1000.0};
    for (const TimedReply &reply :
         inverterReplies(m_inverters, request, moment, m_random, byteMs() * 1000.0, m_turnaroundMs * 1000.0))
        m_input.append(reply.bytes);
    return length;
}

int MemoryLine::read(quint8 *buffer, int length, int timeout)
{
    if (!m_open || length <= 0)
        return 0;
    const int count = std::min(length, int(m_input.size()));
    std::copy(m_input.begin(), m_input.begin() + count, buffer);
    m_input.remove(0, count);
    m_elapsedMs += count < length ? length + timeout : count * byteMs();
    return count;
}

QList<int> MemoryLine::addresses() const
{
    QList<int> list;
    for (const SimulatedInverter &inverter : m_inverters)
        list << inverter.address();
    return list;
}
