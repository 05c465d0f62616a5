#pragma once

#include "monitor/backoff.h"

// The serial line as the polling thread finds it at every cycle: the port
// opens, or it cannot be opened (the adapter pulled, the device gone). Keeps
// the pause before the next attempt, growing while the line stays lost, and
// logs the loss and the return once each.
class LineOutage
{
public:
    // After an attempt to open port n failed; true when the line has just been lost.
    bool failed(int port);
    // After the port opened; true when the line has just come back.
    bool opened(int port);

    bool isLost() const { return m_lost; }
    // How long the line was lost, up to the last call.
    qint64 lostForMs() const { return m_lastChangeMs - m_lostAtMs; }
    // The pause before the next attempt while the line is lost.
    int retryMs() const { return m_attempts.pauseMs(); }
    // While lost: true once the port's device, absent at the last attempt, is
    // there again (the adapter plugged back in, the link made again); the
    // attempts then start again from the shortest pause.
    bool deviceAppeared();

private:
    Backoff m_attempts;
    bool m_lost = false;
    int m_port = 0;
    bool m_deviceAbsent = false; // at the last failed attempt
    qint64 m_lostAtMs = 0;
    qint64 m_lastChangeMs = 0;
};
