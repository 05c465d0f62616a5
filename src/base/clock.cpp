#include "base/clock.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>

namespace {

class SystemClock : public Clock
{
public:
    SystemClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 elapsedMs() const override { return m_timer.elapsed(); }
    void sleepMs(int ms) override { QThread::msleep(ulong(ms)); }

private:
    QElapsedTimer m_timer;
};

SystemClock &systemClock()
{
    static SystemClock clock;
    return clock;
}

std::atomic<Clock *> installed{nullptr};

} // namespace

Clock &Clock::instance()
{
    Clock *clock = installed.load();
    return clock ? *clock : systemClock();
}

void Clock::install(Clock *clock)
{
    installed.store(clock);
}
