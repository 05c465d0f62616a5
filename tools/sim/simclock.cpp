#include "simclock.h"

QDateTime SimClock::now() const
{
    if (m_fixed.isValid())
        return m_fixed;
    return QDateTime::currentDateTime().addMSecs(m_offsetMs);
}

SimMoment SimClock::moment() const
{
    SimMoment moment;
    moment.now = now();
    moment.start = m_start.isValid() ? m_start : moment.now;
    moment.elapsed = double(moment.start.msecsTo(moment.now)) / 1000.0;
    return moment;
}
