#include "publish/publishqueue.h"

#include "base/log.h"

namespace {

qint64 sizeOf(const MqttBatch &messages)
{
    qint64 bytes = 0;
    for (const MqttMessage &message : messages)
        bytes += message.payload.size() + message.topic.size();
    return bytes;
}

} // namespace

PublishQueue::PublishQueue(qint64 spanMs, qint64 maxBytes)
    : m_spanMs(spanMs)
    , m_maxBytes(maxBytes)
{}

void PublishQueue::push(qint64 timeMs, const MqttBatch &cycle)
{
    if (cycle.isEmpty())
        return;
    const qint64 bytes = sizeOf(cycle);
    m_cycles.push_back({timeMs, cycle, 0, bytes});
    m_bytes += bytes;
    while (m_cycles.size() > 1 &&
           (timeMs - m_cycles.front().timeMs > m_spanMs || m_bytes > m_maxBytes))
        dropOldest();
}

void PublishQueue::putBack(const MqttBatch &messages)
{
    if (messages.isEmpty())
        return;
    const qint64 bytes = sizeOf(messages);
    const qint64 timeMs = m_cycles.empty() ? 0 : m_cycles.front().timeMs;
    m_cycles.push_front({timeMs, messages, 0, bytes});
    m_bytes += bytes;
}

void PublishQueue::dropOldest()
{
    m_bytes -= m_cycles.front().bytes;
    m_cycles.pop_front();
    ++m_dropped;
    if (!m_dropping)
        write_log(QStringLiteral("[MQTT] queue full (a day of cycles): the oldest cycles are dropped until the "
                                 "broker takes messages again"));
    m_dropping = true;
}

int PublishQueue::messages() const
{
    int count = 0;
    for (const Cycle &cycle : m_cycles)
        count += cycle.messages.size() - cycle.next;
    return count;
}

MqttMessage PublishQueue::take()
{
    Cycle &front = m_cycles.front();
    const MqttMessage message = front.messages.at(front.next++);
    if (front.next == front.messages.size()) {
        m_bytes -= front.bytes;
        m_cycles.pop_front();
        if (m_cycles.empty())
            m_dropping = false;
    }
    return message;
}
