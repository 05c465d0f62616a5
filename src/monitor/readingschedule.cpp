#include "monitor/readingschedule.h"

#include "monitor/monitorrecorder.h"

void ReadingSchedule::start(qint64 nowMs, qint64 intervalMs)
{
    m_originMs = nowMs;
    m_intervalMs = qMax<qint64>(1, intervalMs);
    m_nextMs = nowMs;
    m_owed.clear();
}

QList<QDevice *> ReadingSchedule::due(const QList<QDevice *> &records, qint64 nowMs, bool inWindow)
{
    const bool begun = nowMs >= m_nextMs;
    if (begun) {
        m_nextMs = m_originMs + ((nowMs - m_originMs) / m_intervalMs + 1) * m_intervalMs;
        m_owed.clear();
        if (inWindow) {
            for (const QDevice *device : records)
                m_owed.insert(device->addr);
        }
    }
    QList<QDevice *> now;
    for (QDevice *device : records) {
        if (!m_owed.contains(device->addr))
            continue;
        const bool recordable = MonitorRecorder::canRecord(*device);
        if (recordable)
            m_owed.remove(device->addr);
        if (recordable || begun)
            now << device;
    }
    return now;
}
