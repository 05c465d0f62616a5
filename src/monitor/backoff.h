#pragma once

#include <QtGlobal>

// Attempts that wait longer while they keep failing: 1 s after the first
// failure, then twice as long after each one, up to 30 s (or the longest
// pause given). Times are monotonic milliseconds, usually the program clock's.
class Backoff
{
public:
    static constexpr int kFirstMs = 1000;
    static constexpr int kLongestMs = 30000;

    explicit Backoff(int longestMs = kLongestMs)
        : m_longestMs(longestMs)
    {}

    void failed(qint64 nowMs);
    void reset() { m_failures = 0; }
    int failures() const { return m_failures; }
    // The pause after the last failure.
    int pauseMs() const;
    // No failure yet, or the pause after the last one is over.
    bool isDue(qint64 nowMs) const { return m_failures == 0 || nowMs >= m_failedAtMs + pauseMs(); }

private:
    int m_longestMs;
    int m_failures = 0;
    qint64 m_failedAtMs = 0;
};
