#include "headlesslogger.h"

#include "base/appsettings.h"
#include "db/database.h"
#include "device/devicemap.h"
#include "link/sensorlist.h"
#include "monitor/communicationtest.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"
#include "monitor/sensorsettings.h"

namespace {
// Longer than one SMTP dialogue can take with its 5 s replies and 10 s connect.
constexpr int kMailDrainMs = 60000;
} // namespace

HeadlessLogger::HeadlessLogger(QTextStream &out, int maxCycles, QObject *parent)
    : QObject(parent)
    , m_out(out)
    , m_maxCycles(maxCycles)
    , m_polling(new QPollingThread(this))
{
    ProgramState::instance().setPollingThread(m_polling);
    connect(m_polling, &QPollingThread::polling_ok, this, &HeadlessLogger::everyPolling);
    connect(m_polling, &QThread::finished, this, &HeadlessLogger::pollingEnded);
}

HeadlessLogger::~HeadlessLogger()
{
    m_polling->stop();
    m_polling->wait();
    ProgramState::instance().setPollingThread(nullptr);
}

bool HeadlessLogger::start()
{
    ProgramState &state = ProgramState::instance();
    if (state.addressTable().isEmpty()) {
        m_out << "No inverters to monitor: INV_ADDR in " << AppSettings::filePath()
              << " lists no bus address (run lumora-logger --search first)." << Qt::endl;
        return false;
    }
    state.sensors().load(readSensorSettings());
    m_mailer.loadSettings();
    if (!CommunicationTest::run(state.prompter()))
        return false;
    m_out << "Monitoring " << state.addressTable().size() << " inverter(s) on COM" << state.portNumber() << " at "
          << state.baudRate() << " baud." << Qt::endl;
    m_polling->start();
    return true;
}

void HeadlessLogger::stop()
{
    m_polling->stop();
}

void HeadlessLogger::everyPolling()
{
    ++m_cycles;
    int online = 0;
    double acPower = 0;
    double yield = 0;
    const auto devices = ProgramState::instance().devices().snapshot();
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
    m_mailer.checkAlarms(ProgramState::instance().devices(), m_polling->isRunning());
    if (m_maxCycles > 0 && m_cycles >= m_maxCycles)
        stop();
}

void HeadlessLogger::pollingEnded()
{
    // An alarm already on its way is delivered, within the mail's own time-outs.
    if (!m_mailer.waitForMails(QDeadlineTimer(kMailDrainMs)))
        m_out << "An alarm mail was still being sent and has been given up." << Qt::endl;
    // Nothing answers while the program is away.
    db_exec(QStringLiteral("UPDATE orva_inverter SET online = 0"));
    m_out << "Monitoring stopped after " << m_cycles << " cycle(s)." << Qt::endl;
    emit finished();
}
