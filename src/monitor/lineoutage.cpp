#include "monitor/lineoutage.h"

#include "base/clock.h"
#include "base/log.h"

bool LineOutage::failed(int port)
{
    m_lastChangeMs = Clock::instance().elapsedMs();
    const bool lost = !isLost();
    m_attempts.failed(m_lastChangeMs);
    if (lost) {
        m_lostAtMs = m_lastChangeMs;
        write_log(QStringLiteral("[LINE] COM%1 cannot be opened: line lost, tried again after 1 s, then after twice "
                                 "as long each time up to 30 s")
                      .arg(port));
    }
    return lost;
}

bool LineOutage::opened(int port)
{
    if (!isLost())
        return false;
    m_attempts.reset();
    m_lastChangeMs = Clock::instance().elapsedMs();
    write_log(QStringLiteral("[LINE] COM%1 open again: line back after %2 s").arg(port).arg(lostForMs() / 1000));
    return true;
}
