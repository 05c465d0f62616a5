#include "headlesslogger.h"

#include "base/appsettings.h"
#include "base/clock.h"
#include "monitor/programstate.h"
#include "monitor/recordstore.h"

#include <QStringList>

namespace {

// Longer than one SMTP dialogue can take with its 5 s replies and 10 s connect.
constexpr int kMailDrainMs = 60000;

// "45 s", "3 min 5 s", "2 h 10 min".
QString duration(qint64 ms)
{
    const qint64 s = ms / 1000;
    if (s < 60)
        return QStringLiteral("%1 s").arg(s);
    if (s < 3600)
        return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60);
    return QStringLiteral("%1 h %2 min").arg(s / 3600).arg(s % 3600 / 60);
}

QString portName()
{
    return QStringLiteral("COM%1").arg(ProgramState::instance().portNumber());
}

// "inverter 2 (LE0400002)", "sensor 21".
QString deviceName(const LineDevice &device, const QMap<int, QString> &serials)
{
    if (device.isSensor())
        return QStringLiteral("sensor %1").arg(device.address);
    const QString serial = serials.value(device.address);
    const QString name = QStringLiteral("inverter %1").arg(device.address);
    return serial.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, serial);
}

QString milliseconds(double ms)
{
    return ms < 0 ? QStringLiteral("-") : QStringLiteral("%1 ms").arg(ms, 0, 'f', 1);
}

// The device's name goes in last, so that nothing in a serial text is taken for a place holder.
QString summaryLine(const LinkStats &stats, const QMap<int, QString> &serials)
{
    const LinkCounts &c = stats.counts;
    return QStringLiteral("line health %14: link quality %1 % (%2 of %3 exchanges right on the first try, %4 after "
                          "a retry); timeouts %5, CRC errors %6, short %7, wrong address %8, function %9, length "
                          "%10; round trip %11, mean %12, 95 % within %13")
        .arg(stats.linkQuality(), 0, 'f', 1)
        .arg(c.firstTry)
        .arg(c.exchanges)
        .arg(c.retriedOk)
        .arg(c.timeouts)
        .arg(c.crcErrors)
        .arg(c.shortReplies)
        .arg(c.wrongAddress)
        .arg(c.wrongFunction)
        .arg(c.wrongLength)
        .arg(milliseconds(stats.roundTripLastMs), milliseconds(stats.roundTripMeanMs),
             milliseconds(stats.roundTripP95Ms), deviceName(stats.device, serials));
}

// The device with the lowest link quality when it is below 95 %, else nothing.
const LinkStats *weakestLink(const LineHealthReport &report)
{
    const LinkStats *weakest = nullptr;
    for (const LinkStats &stats : report) {
        if (stats.isWeak() && (!weakest || stats.linkQuality() < weakest->linkQuality()))
            weakest = &stats;
    }
    return weakest;
}

} // namespace

HeadlessLogger::HeadlessLogger(QTextStream &out, int maxCycles, QObject *parent)
    : QObject(parent)
    , m_out(out)
    , m_maxCycles(maxCycles)
{
    // An alarm already on its way is delivered, within the mail's own time-outs.
    m_session.setMailGraceMs(kMailDrainMs);
    // PV inverters sleep at night: a silent one is polled until it answers.
    m_session.setPollSilentInverters(true);
    m_reminder.setInterval(kReminderMs);
    m_reminder.setTimerType(Qt::PreciseTimer);
    connect(&m_reminder, &QTimer::timeout, this, &HeadlessLogger::remind);
    connect(&m_session, &MonitoringSession::cycleFinished, this, &HeadlessLogger::everyPolling);
    connect(&m_session, &MonitoringSession::lineLost, this, &HeadlessLogger::lineLost);
    connect(&m_session, &MonitoringSession::lineRestored, this, &HeadlessLogger::lineRestored);
    connect(&m_session, &MonitoringSession::stopped, this, &HeadlessLogger::monitoringStopped);
    connect(&m_session, &MonitoringSession::lineHealthHourEnded, this, &HeadlessLogger::printLineHealth);
}

bool HeadlessLogger::start()
{
    ProgramState &state = ProgramState::instance();
    switch (m_session.start()) {
    case MonitoringSession::StartResult::Started: {
        m_out << "Monitoring " << state.addressTable().size() << " inverter(s) on " << portName() << " at "
              << state.baudRate() << " baud." << Qt::endl;
        QStringList silent;
        for (int address : m_session.silentAtStart())
            silent << QString::number(address);
        if (!silent.isEmpty())
            m_out << "Not answering yet: " << silent.join(QStringLiteral(", "))
                  << " (asleep or switched off); polled until they answer." << Qt::endl;
        return true;
    }
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
    if (m_lostAtMs < 0) {
        int online = 0;
        double acPower = 0;
        double yield = 0;
        for (const DeviceRecord &device : devices) {
            if (device.isOffline() || device.sn_name.isEmpty())
                continue; // gone, or never answered
            ++online;
            acPower += device.ac_power;
            yield += device.total_power;
        }
        m_out << QStringLiteral("cycle %1: %2 of %3 inverters online, AC power %4 W, total yield %5 kWh")
                     .arg(m_cycles)
                     .arg(online)
                     .arg(devices.size())
                     .arg(acPower, 0, 'f', 0)
                     .arg(yield, 0, 'f', 1);
        if (const int waiting = m_session.readingsWaiting())
            m_out << QStringLiteral("; database: %1 readings waiting").arg(waiting);
        if (const LinkStats *weakest = weakestLink(m_session.lineHealth()))
            m_out << QStringLiteral("; weakest link: %2 at %1 %")
                         .arg(weakest->linkQuality(), 0, 'f', 1)
                         .arg(deviceName(weakest->device, m_session.serials()));
        m_out << Qt::endl;
    }
    if (m_maxCycles > 0 && m_cycles >= m_maxCycles)
        stop();
}

void HeadlessLogger::printLineHealth()
{
    const LineHealthReport &report = m_session.lineHealth();
    if (report.isEmpty())
        m_out << "line health: no exchange yet" << Qt::endl;
    for (const LinkStats &stats : report)
        m_out << summaryLine(stats, m_session.serials()) << Qt::endl;
}

void HeadlessLogger::lineLost()
{
    m_lostAtMs = Clock::instance().elapsedMs();
    m_reminder.start();
    m_out << "Line lost: " << portName()
          << " cannot be opened; trying again after 1 s, then after twice as long each time up to 30 s, and at once "
             "when its device appears."
          << Qt::endl;
}

void HeadlessLogger::remind()
{
    m_out << "Line still lost: " << portName() << " cannot be opened for "
          << duration(Clock::instance().elapsedMs() - m_lostAtMs) << "." << Qt::endl;
}

void HeadlessLogger::lineRestored(qint64 outageMs)
{
    m_lostAtMs = -1;
    m_reminder.stop();
    m_out << "Line back: " << portName() << " open again after " << duration(outageMs) << "." << Qt::endl;
}

void HeadlessLogger::monitoringStopped(bool alarmMailCut)
{
    m_reminder.stop();
    if (alarmMailCut)
        m_out << "An alarm mail was still being sent and has been given up." << Qt::endl;
    // Nothing answers while the program is away.
    RecordStore::setAllRowsOffline();
    m_out << "Monitoring stopped after " << m_cycles << " cycle(s)." << Qt::endl;
    emit finished();
}
