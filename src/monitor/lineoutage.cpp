#include "monitor/lineoutage.h"

#include "base/clock.h"
#include "base/log.h"
#include "base/portlist.h"

#include <QFileInfo>

namespace {

bool deviceExists(int port)
{
    return QFileInfo::exists(PortList::devicePath(port));
}

} // namespace

bool LineOutage::failed(int port)
{
    m_lastChangeMs = Clock::instance().elapsedMs();
    m_port = port;
    m_deviceAbsent = !deviceExists(port);
    const bool lost = !m_lost;
    m_lost = true;
    m_attempts.failed(m_lastChangeMs);
    if (lost) {
        m_lostAtMs = m_lastChangeMs;
        write_log(QStringLiteral("[LINE] COM%1 cannot be opened: line lost, tried again after 1 s, then after twice "
                                 "as long each time up to 30 s, and at once when its device appears")
                      .arg(port));
    }
    return lost;
}

bool LineOutage::opened(int port)
{
    if (!m_lost)
        return false;
    m_lost = false;
    m_attempts.reset();
    m_lastChangeMs = Clock::instance().elapsedMs();
    write_log(QStringLiteral("[LINE] COM%1 open again: line back after %2 s").arg(port).arg(lostForMs() / 1000));
    return true;
}

bool LineOutage::deviceAppeared()
{
    if (!m_lost || !m_deviceAbsent || !deviceExists(m_port))
        return false;
    m_deviceAbsent = false;
    m_attempts.reset();
    return true;
}
