#include "support/manualclock.h"

#include <QThread>

ManualClock::ManualClock(const QDateTime &start)
    : m_now(start)
{
    Clock::install(this);
}

ManualClock::~ManualClock()
{
    Clock::install(nullptr);
}

QDateTime ManualClock::now() const
{
    QMutexLocker locker(&m_mutex);
    return m_now;
}

qint64 ManualClock::elapsedMs() const
{
    QMutexLocker locker(&m_mutex);
    return m_elapsed;
}

void ManualClock::sleepMs(int ms)
{
    QThread::msleep(1);
    advance(ms);
}

void ManualClock::advance(qint64 ms)
{
    QMutexLocker locker(&m_mutex);
    m_now = m_now.addMSecs(ms);
    m_elapsed += ms;
}

void ManualClock::setNow(const QDateTime &time)
{
    QMutexLocker locker(&m_mutex);
    const qint64 step = m_now.msecsTo(time);
    if (step > 0)
        m_elapsed += step;
    m_now = time;
}
