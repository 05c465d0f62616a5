#include "monitor/qpollingthread.h"

#include "base/appsettings.h"
#include "base/clock.h"
#include "device/devicemap.h"
#include "device/devicereader.h"
#include "link/cserial.h"
#include "monitor/programstate.h"

#include <array>

namespace {

constexpr int kFirstCycleSleepMs = 3000;
constexpr int kCycleSleepMs = 100;
constexpr int kWaitCheckMs = 50;
constexpr qint64 kHourMs = 3600 * 1000;
constexpr int kMinutesPerDay = 24 * 60;
constexpr quint16 kVersionRegister = 133; // versionw3, the first identity read

} // namespace

QPollingThread::QPollingThread(QObject *parent)
    : QThread(parent)
    , m_command(ProgramState::instance().sharedPort())
{
    m_command.setLineHealth(&m_lineHealth);
}

QPollingThread::~QPollingThread()
{
    stop();
    wait();
}

void QPollingThread::stop()
{
    // The stop flag is the thread's interruption request: start() clears it
    // before the thread runs, so that a stop asked for right after start() is
    // never lost, and a stop of a thread that does not run is no stop at all.
    requestInterruption();
}

void QPollingThread::enterWaitMode()
{
    m_waiting.store(false);
    m_waitRequest.store(true);
}

void QPollingThread::leaveWaitMode()
{
    m_waitRequest.store(false);
}

void QPollingThread::readSettings()
{
    AppSettings settings;
    const int interval = settings.intValue(Setting::sbSaveInterval, 0);
    m_settings.saveIntervalMinutes = interval > 0 ? interval : 1;
    m_settings.startHour = settings.intValue(Setting::sbStart, 0);
    m_settings.stopHour = settings.intValue(Setting::sbStop, 0);
    m_settings.anyHour = settings.intValue(Setting::rbAuto, 0) == 1;
}

bool QPollingThread::inRecordWindow() const
{
    const int hour = Clock::instance().now().time().hour();
    return m_settings.anyHour || (m_settings.startHour <= hour && hour < m_settings.stopHour);
}

// Sleeps on the program's clock in short slices so that a stop is seen at once.
// False when the stop flag is set.
bool QPollingThread::sleepUnlessStopped(int ms)
{
    while (ms > 0 && !isInterruptionRequested()) {
        const int slice = qMin(ms, kWaitCheckMs);
        Clock::instance().sleepMs(slice);
        ms -= slice;
    }
    return !isInterruptionRequested();
}

// The pause before the next attempt to open the lost port, cut short when its
// device appears or the line is wanted (wait mode). False when the stop flag is set.
bool QPollingThread::waitForLine()
{
    for (int left = m_line.retryMs(); left > 0 && !m_line.deviceAppeared() && !m_waitRequest.load();
         left -= kWaitCheckMs) {
        if (!sleepUnlessStopped(qMin(left, kWaitCheckMs)))
            return false;
    }
    return !isInterruptionRequested();
}

void QPollingThread::run()
{
    readSettings();
    m_waitRequest.store(false);
    m_waiting.store(false);
    ProgramState::instance().devices().clear();
    m_line = LineOutage();
    m_asleep.clear();
    // A day's readings of every inverter may wait for the database.
    const int perDay = (kMinutesPerDay + m_settings.saveIntervalMinutes - 1) / m_settings.saveIntervalMinutes;
    m_writer.begin(perDay * qMax(1, ProgramState::instance().addressTable().size()));
    cycles();
    m_writer.finish(kWriteLimitMs);
}

void QPollingThread::cycles()
{
    bool firstCycle = true;
    DeviceMap &devices = ProgramState::instance().devices();
    ClockTimer hourTimer;
    hourTimer.start();

    while (!isInterruptionRequested()) {
        if (!ProgramState::instance().addressTable().isEmpty()) {
            rollLineHealthHour();
            {
                DeviceMap::Cycle cycle(devices);
                pollingPass(cycle);
                publishLineHealth(cycle);
                if (hourTimer.elapsed() >= kHourMs) {
                    for (QDevice *device : cycle.records())
                        device->alarmedErrors.clear();
                    hourTimer.start();
                }
                m_recorder.resolveInverterIds(cycle.records());
                record(cycle, firstCycle);
            } // the records are published here
            if (isInterruptionRequested())
                return;
            m_waiting.store(false);
            emit polling_ok();
        }
        const bool rested =
            m_line.isLost() ? waitForLine() : sleepUnlessStopped(firstCycle ? kFirstCycleSleepMs : kCycleSleepMs);
        firstCycle = false;
        if (!rested)
            return;
        while (m_waitRequest.load() && !isInterruptionRequested()) {
            Clock::instance().sleepMs(kWaitCheckMs);
            if (!m_waiting.load()) {
                m_waiting.store(true);
                emit enter_wait_mode();
            }
        }
    }
}

// The first cycle records every inverter at once; after it, readings fall due
// on the interval's grid inside the record window, after the cycle's error rows.
void QPollingThread::record(DeviceMap::Cycle &cycle, bool firstCycle)
{
    const qint64 nowMs = Clock::instance().elapsedMs();
    if (firstCycle)
        m_schedule.start(nowMs, qint64(m_settings.saveIntervalMinutes) * 60000);
    const QList<QDevice *> due = m_schedule.due(cycle.records(), nowMs, firstCycle || inRecordWindow());
    if (firstCycle)
        m_recorder.recordReadings(due);
    m_recorder.recordErrors(cycle.records());
    if (!firstCycle)
        m_recorder.recordReadings(due);
}

void QPollingThread::pollingPass(DeviceMap::Cycle &cycle)
{
    ProgramState &state = ProgramState::instance();
    CSerial &port = state.sharedPort();
    DeviceReader reader(m_command);
    if (!port.open(state.portNumber(), state.baudRate())) {
        if (m_line.failed(state.portNumber()))
            emit lineLost();
        // Nothing answers without the line: every known inverter counts a failed
        // read, so that no stale reading is recorded and the rows go offline.
        for (QDevice *device : cycle.records())
            countUnreachable(reader, *device);
        return;
    }
    if (m_line.opened(state.portNumber())) {
        // Their silence while the line was gone was not theirs: every inverter is asked again at once.
        m_asleep.clear();
        emit lineRestored(m_line.lostForMs());
    }
    bool stopped = false;
    for (int address : state.addressTable().addresses()) {
        stopped = isInterruptionRequested();
        if (stopped)
            break;
        QDevice &device = cycle.record(address);
        if (port.lineFailed()) { // the device hung up during the pass: nothing answers any more
            countUnreachable(reader, device);
        } else if (!stillAsleep(device)) {
            readIdentity(reader, device);
            if (reader.readMonitoring(device))
                m_recorder.updateInverterRow(device);
            else if (device.isOffline())
                m_recorder.markOffline(device.sn_name);
        }
        if (m_waitRequest.load())
            break;
    }
    if (!stopped)
        state.sensors().readAll(port, &m_lineHealth);
    port.close();
}

// The counts of an hour go on at the first cycle of a later one.
void QPollingThread::rollLineHealthHour()
{
    const QDateTime now = Clock::instance().now();
    const QDateTime hour(now.date(), QTime(now.time().hour(), 0));
    if (hour == m_healthHour)
        return;
    const LineHealthReport ended = takeLineHealthHour();
    if (!ended.isEmpty())
        emit lineHealthHourEnded(m_healthHour, ended);
    m_healthHour = hour;
}

LineHealthReport QPollingThread::takeLineHealthHour()
{
    const LineHealthReport report = m_lineHealth.hourReport();
    m_lineHealth.clearHour();
    return report;
}

// Each record takes its own counts; the whole line goes out by value.
void QPollingThread::publishLineHealth(DeviceMap::Cycle &cycle)
{
    const LineHealthReport report = m_lineHealth.report();
    for (const LinkStats &stats : report) {
        if (stats.device.isSensor())
            continue;
        if (QDevice *device = cycle.find(stats.device.address))
            device->link = stats;
    }
    emit lineHealthCounted(report);
}

void QPollingThread::countUnreachable(DeviceReader &reader, QDevice &device)
{
    reader.countUnreachable(device);
    if (device.isOffline())
        m_recorder.markOffline(device.sn_name);
}

// With the probe on, an offline inverter (asleep at night, switched off) is only asked whether it
// answers, at growing intervals, instead of being read in full every cycle.
// True when it is left alone in this cycle.
bool QPollingThread::stillAsleep(QDevice &device)
{
    if (!m_probeOffline || !device.isOffline()) {
        m_asleep.remove(device.addr);
        return false;
    }
    Backoff &probes = m_asleep[device.addr];
    const qint64 nowMs = Clock::instance().elapsedMs();
    if (!probes.isDue(nowMs))
        return true;
    std::array<quint8, CCommand::kReplyBufferSize> reply;
    if (m_command.read_word(device.addr, reply.data(), kVersionRegister) > 0)
        return false;
    if (!ProgramState::instance().sharedPort().lineFailed()) // a line that fails is not the inverter's silence
        probes.failed(nowMs);
    return true;
}

// A serial that changed belongs to another inverter now: the old serial's row
// goes offline, and the record starts afresh and is matched to a row again.
// A new family or grid standard takes its own parameter set.
void QPollingThread::readIdentity(DeviceReader &reader, QDevice &device)
{
    const QString serial = device.sn_name;
    const DeviceFamily family = device.family();
    const int typeNo = device.type_no;
    reader.readIdentity(device);
    if (device.sn_name != serial) {
        if (!serial.isEmpty())
            m_recorder.markOffline(serial);
        // Nothing of the old inverter's memory belongs to the new one.
        device.inverter_id = -1;
        device.forgetInverterMemory();
    }
    if (device.family() != family || device.type_no != typeNo)
        device.paramSet.clear();
    device.attachParamSet();
}
