#pragma once

#include <QDateTime>

// One moment of the simulated plant: the local wall time that the time
// functions follow, the moment the simulation started, and the seconds between
// them that the schedules and fault windows count.
struct SimMoment
{
    QDateTime now;
    QDateTime start;
    double elapsed = 0.0;
};

// The simulator's wall clock: the real local time moved by an offset, or a
// fixed time that tests set. Not thread-safe; its owner locks.
class SimClock
{
public:
    QDateTime now() const;
    // Marks the start of the simulation at the clock's current time.
    void markStart() { m_start = now(); }
    SimMoment moment() const;

    void setOffsetSeconds(qint64 seconds) { m_offsetMs = seconds * 1000; }
    // An invalid time lets the clock run with the wall clock again.
    void setFixedTime(const QDateTime &time) { m_fixed = time; }

private:
    qint64 m_offsetMs = 0;
    QDateTime m_fixed;
    QDateTime m_start;
};
