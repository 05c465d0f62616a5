#pragma once

#include "base/clock.h"

#include <QMutex>

// A clock that tests move by hand. Sleeping on it advances it at once (after a
// token real pause so that other threads run), so hours pass without waiting.
// Installed while it lives.
class ManualClock : public Clock
{
public:
    explicit ManualClock(const QDateTime &start);
    ~ManualClock() override;

    QDateTime now() const override;
    qint64 elapsedMs() const override;
    void sleepMs(int ms) override;

    void advance(qint64 ms);
    void setNow(const QDateTime &time); // jumps; the monotonic count follows forward jumps only

private:
    mutable QMutex m_mutex;
    QDateTime m_now;
    qint64 m_elapsed = 0;
};
