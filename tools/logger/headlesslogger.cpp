#include "headlesslogger.h"

#include "base/appsettings.h"
#include "db/database.h"
#include "monitor/programstate.h"

namespace {
// Longer than one SMTP dialogue can take with its 5 s replies and 10 s connect.
constexpr int kMailDrainMs = 60000;
} // namespace

HeadlessLogger::HeadlessLogger(QTextStream &out, int maxCycles, QObject *parent)
    : QObject(parent)
    , m_out(out)
    , m_maxCycles(maxCycles)
{
    // An alarm already on its way is delivered, within the mail's own time-outs.
    m_session.setMailGraceMs(kMailDrainMs);
    connect(&m_session, &MonitoringSession::cycleFinished, this, &HeadlessLogger::everyPolling);
    connect(&m_session, &MonitoringSession::stopped, this, &HeadlessLogger::monitoringStopped);
}

bool HeadlessLogger::start()
{
    ProgramState &state = ProgramState::instance();
    switch (m_session.start()) {
    case MonitoringSession::StartResult::Started:
        m_out << "Monitoring " << state.addressTable().size() << " inverter(s) on COM" << state.portNumber() << " at "
              << state.baudRate() << " baud." << Qt::endl;
        return true;
    case MonitoringSession::StartResult::NoInverters:
        m_out << "No inverters to monitor: INV_ADDR in " << AppSettings::filePath()
              << " lists no bus address (run lumora-logger --search first)." << Qt::endl;
        return false;
    default: // the user has been told through the prompter
        return false;
    }
}

void HeadlessLogger::stop()
{
    m_session.stop();
}

void HeadlessLogger::everyPolling(const DeviceSnapshot &devices)
{
    ++m_cycles;
    int online = 0;
    double acPower = 0;
    double yield = 0;
    for (const DeviceRecord &device : devices) {
        if (device.isOffline())
            continue;
        ++online;
        acPower += device.ac_power;
        yield += device.total_power;
    }
    m_out << QStringLiteral("cycle %1: %2 of %3 inverters online, AC power %4 W, total yield %5 kWh")
                 .arg(m_cycles)
                 .arg(online)
                 .arg(devices.size())
                 .arg(acPower, 0, 'f', 0)
                 .arg(yield, 0, 'f', 1)
          << Qt::endl;
    if (m_maxCycles > 0 && m_cycles >= m_maxCycles)
        stop();
}

void HeadlessLogger::monitoringStopped(bool alarmMailCut)
{
    if (alarmMailCut)
        m_out << "An alarm mail was still being sent and has been given up." << Qt::endl;
    // Nothing answers while the program is away.
    db_exec(QStringLiteral("UPDATE orva_inverter SET online = 0"));
    m_out << "Monitoring stopped after " << m_cycles << " cycle(s)." << Qt::endl;
    emit finished();
}
