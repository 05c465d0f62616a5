#pragma once

#include <QDateTime>

// The one source of time for the monitoring services: wall-clock time for the
// recordings, a monotonic count for the interval timers, and the pauses between
// polling cycles. Tests install a clock of their own to pass hours at once.
class Clock
{
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;    // local time
    virtual qint64 elapsedMs() const = 0; // monotonic milliseconds
    virtual void sleepMs(int ms) = 0;

    static Clock &instance();
    // nullptr restores the system clock. The caller keeps ownership.
    static void install(Clock *clock);
};

// Measures intervals on the program's clock.
class ClockTimer
{
public:
    void start() { m_started = Clock::instance().elapsedMs(); }
    qint64 elapsed() const { return Clock::instance().elapsedMs() - m_started; }

private:
    qint64 m_started = 0;
};
