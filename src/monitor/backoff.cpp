#include "monitor/backoff.h"

void Backoff::failed(qint64 nowMs)
{
    ++m_failures;
    m_failedAtMs = nowMs;
}

int Backoff::pauseMs() const
{
    int pause = kFirstMs;
    for (int i = 1; i < m_failures && pause < m_longestMs; ++i)
        pause *= 2;
    return qMin(pause, m_longestMs);
}
