#include "linesimulator.h"

#include "inverterreplies.h"
#include "lineframes.h"
#include "pseudoterminal.h"
#include "scenarioparser.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Micro = std::chrono::microseconds;

constexpr int kFallbackBaud = 9600; // when the program left the rate unknown
constexpr int kIdleWakeMs = 50;
constexpr int kMaxFrame = 512;
constexpr quint32 kSensorSeeds = 1000; // sensors draw apart from inverters 1, 2, ...

Micro micros(double us)
{
    return Micro(qint64(us));
}

QString describe(const QByteArray &frame, HeardRequest::Kind kind)
{
    if (kind == HeardRequest::Kind::Sensor)
        return QStringLiteral("sensor %1 read %2 x%3")
            .arg(quint8(frame.at(0)))
            .arg(lineframes::wordAt(frame, 2))
            .arg(lineframes::wordAt(frame, 4));
    if (kind == HeardRequest::Kind::Unknown)
        return QStringLiteral("not understood");
    return lineframes::describeInverterRequest(frame);
}

} // namespace

LineSimulator::LineSimulator()
    : m_pty(std::make_unique<PseudoTerminal>())
    , m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{}

LineSimulator::~LineSimulator()
{
    stop();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

bool LineSimulator::start(const Scenario &scenario, QString *error)
{
    if (isRunning() || !m_pty->isOpen() || m_wakeFd < 0) {
        if (error)
            *error = isRunning() ? QStringLiteral("the simulator runs already")
                                 : QStringLiteral("no pseudo-terminal could be opened");
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_line = scenario.line;
        m_inverters.clear();
        for (const InverterSpec &definition : scenario.inverters) {
            m_inverters.emplace_back(definition);
            m_inverters.back().faults().seed(scenario.seed, quint32(m_inverters.size()));
        }
        m_sensors.clear();
        for (const SensorSpec &definition : scenario.sensors) {
            SimulatedSensor *device = sensor(definition.slave);
            if (!device) {
                m_sensors.emplace_back(definition.slave, definition.crcHighFirst, definition.lowByteFirst);
                device = &m_sensors.back();
                device->faults().seed(scenario.seed, kSensorSeeds + quint32(definition.slave));
            }
            device->defineRegister(definition.reg, definition.value);
            for (const FaultSpec &fault : definition.faults)
                device->faults().add(fault);
        }
        m_random.seed(scenario.seed);
        m_clock.markStart();
        m_log.clear();
        m_heardCount = 0;
        m_listening = false;
    }
    m_pty->read(0); // what the program sent while nobody listened
    quint64 wakeups = 0;
    [[maybe_unused]] const ssize_t drained = ::read(m_wakeFd, &wakeups, sizeof wakeups); // the last stop's
    m_pending.clear();
    m_floodCredit.assign(scenario.inverters.size(), 0.0);
    m_startedAt = Clock::now();
    m_lastFlood = m_startedAt;
    m_stop = false;
    m_thread = std::thread([this] { run(); });
    // A request sent before the thread first runs would be timed from when the
    // thread got to it: on a busy machine its answer would come too late.
    std::unique_lock<std::mutex> lock(m_mutex);
    m_heardCondition.wait(lock, [this] { return m_listening; });
    return true;
}

bool LineSimulator::start(const QJsonObject &json, QString *error)
{
    QStringList errors;
    return startParsed(Scenario::fromJson(json, &errors), errors, error);
}

bool LineSimulator::startFile(const QString &path, QString *error)
{
    QStringList errors;
    return startParsed(Scenario::load(path, &errors), errors, error);
}

bool LineSimulator::startParsed(const std::optional<Scenario> &scenario, const QStringList &errors, QString *error)
{
    if (scenario)
        return start(*scenario, error);
    if (error)
        *error = errors.join('\n');
    return false;
}

void LineSimulator::stop()
{
    if (!isRunning())
        return;
    m_stop = true;
    // Wakes the thread at once; it would see the flag within kIdleWakeMs anyway.
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t woken = ::write(m_wakeFd, &one, sizeof one);
    m_thread.join();
}

QString LineSimulator::ptyPath() const
{
    return m_pty->slavePath();
}

bool LineSimulator::link(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isSymLink())
        return false; // never replaces a real file or device
    QDir().mkpath(info.absolutePath());
    return m_pty->link(path);
}

void LineSimulator::setTrace(std::function<void(const QString &)> trace)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_trace = std::move(trace);
}

// ---- the simulator's thread

void LineSimulator::run()
{
    // Answers are due to the microsecond: no timer slack (50 us by default) on top.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    QByteArray frame;
    TimePoint firstByte;
    TimePoint lastByte;
    const int master = m_pty->masterFd();
    Micro gap;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        gap = micros(m_line.gapMs * 1000.0);
        m_listening = true;
    }
    m_heardCondition.notify_all();
    while (!m_stop) {
        TimePoint wake = Clock::now() + std::chrono::milliseconds(kIdleWakeMs);
        if (!m_pending.empty())
            wake = std::min(wake, m_pending.front().due);
        if (!frame.isEmpty())
            wake = std::min(wake, lastByte + gap);
        const auto wait = std::max(Micro(0), std::chrono::duration_cast<Micro>(wake - Clock::now()));
        const struct timespec timeout = {time_t(wait.count() / 1000000), long(wait.count() % 1000000) * 1000};
        struct pollfd fds[2] = {{master, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        if (::ppoll(fds, 2, &timeout, nullptr) < 0 && errno != EINTR)
            break;

        TimePoint now = Clock::now();
        if (fds[0].revents & POLLIN) {
            const QByteArray bytes = m_pty->read(0);
            if (!bytes.isEmpty()) {
                if (frame.isEmpty())
                    firstByte = now;
                frame.append(bytes);
                lastByte = now;
            }
        } else if (fds[0].revents & POLLHUP) {
            // No slave side open at all: nothing can arrive; do not spin.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        QStringList trace;
        if (!frame.isEmpty() && (now - lastByte >= gap || frame.size() >= kMaxFrame)) {
            handleFrame(frame, firstByte, trace);
            frame.clear();
        }
        now = Clock::now();
        writeDue(now, trace);
        flood(now, trace);
        emitTrace(trace);
    }
}

void LineSimulator::handleFrame(const QByteArray &frame, TimePoint firstByte, QStringList &trace)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    HeardRequest heard;
    heard.sequence = m_heardCount;
    heard.atMs = msSinceStart(firstByte);
    heard.simTime = m_clock.now();
    heard.bytes = frame;
    heard.baud = m_pty->baudRate();
    const int baud = heard.baud > 0 ? heard.baud : kFallbackBaud;
    const bool rateMatches = m_line.baud == 0 || m_line.baud == baud;
    const lineframes::CrcOrder sensorOrder = lineframes::sensorRequestCrcOrder(frame);
    if (rateMatches && lineframes::isInverterRequest(frame))
        heard.kind = HeardRequest::Kind::Inverter;
    else if (rateMatches && sensorOrder != lineframes::CrcOrder::None)
        heard.kind = HeardRequest::Kind::Sensor;
    const bool understood = lineframes::isInverterRequest(frame) || sensorOrder != lineframes::CrcOrder::None;
    QString what = understood && !rateMatches
                       ? QStringLiteral("at %1 baud; the plant speaks %2").arg(baud).arg(m_line.baud)
                       : describe(frame, heard.kind);

    // Ten bits per byte on the wire: the request has gone out completely only
    // this long after its first byte, and every reply takes its own length.
    const double byteUs = 1e7 / baud;
    const TimePoint requestEnd = firstByte + micros(frame.size() * byteUs);
    QStringList answerTrace;
    if (heard.kind == HeardRequest::Kind::Inverter)
        answerInverters(frame, requestEnd, byteUs, heard, answerTrace);
    else if (heard.kind == HeardRequest::Kind::Sensor)
        answerSensors(frame, requestEnd, byteUs, heard);
    for (FaultSpec::Type fault : qAsConst(heard.struck))
        what += QStringLiteral("; ") + ScenarioParser::faultName(fault);
    trace << QStringLiteral("%1 <- %2  (%3)").arg(heard.atMs, 0, 'f', 1).arg(lineframes::hex(frame), what);
    trace << answerTrace;

    m_log.push_back(heard);
    if (m_log.size() > size_t(kLogLimit))
        m_log.pop_front();
    ++m_heardCount;
    m_heardCondition.notify_all();
}

void LineSimulator::answerInverters(const QByteArray &frame, TimePoint requestEnd, double byteUs, HeardRequest &heard,
                                    QStringList &trace)
{
    int replying = 0;
    const QVector<TimedReply> replies = inverterReplies(m_inverters, frame, m_clock.moment(), m_random, byteUs,
                                                        m_line.turnaroundMs * 1000.0, &replying, &heard.struck);
    for (const TimedReply &reply : replies)
        queue(requestEnd + micros(reply.afterUs), reply.bytes, heard.sequence);
    if (replying > 1 && frame.at(2) != 9)
        trace << QStringLiteral("%1 replies at addr %2 collide").arg(replying).arg(quint8(frame.at(1)));
}

void LineSimulator::answerSensors(const QByteArray &frame, TimePoint requestEnd, double byteUs, HeardRequest &heard)
{
    SimulatedSensor *device = sensor(quint8(frame.at(0)));
    if (!device)
        return;
    const std::optional<DeviceAnswer> answer =
        device->answer(frame, lineframes::sensorRequestCrcOrder(frame), m_clock.moment(), m_random);
    if (!answer)
        return;
    heard.struck = answer->struck;
    queue(requestEnd + micros(m_line.turnaroundMs * 1000.0) + std::chrono::milliseconds(answer->delayMs) +
              micros(answer->bytes.size() * byteUs),
          answer->bytes, heard.sequence);
}

void LineSimulator::queue(TimePoint due, const QByteArray &bytes, qint64 sequence)
{
    if (bytes.isEmpty())
        return;
    auto position = std::upper_bound(m_pending.begin(), m_pending.end(), due,
                                     [](TimePoint t, const Pending &pending) { return t < pending.due; });
    m_pending.insert(position, Pending{due, bytes, sequence});
}

void LineSimulator::writeDue(TimePoint now, QStringList &trace)
{
    while (!m_pending.empty() && m_pending.front().due <= now) {
        const Pending pending = m_pending.front();
        m_pending.erase(m_pending.begin());
        // Bytes that do not fit into the line's buffer are lost, as on a line nobody reads.
        const ssize_t written = ::write(m_pty->masterFd(), pending.bytes.constData(), size_t(pending.bytes.size()));
        const QByteArray sent = pending.bytes.left(written > 0 ? int(written) : 0);
        trace << QStringLiteral("%1 -> %2").arg(msSinceStart(now), 0, 'f', 1).arg(lineframes::hex(sent));
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_log.empty() && pending.sequence >= m_log.front().sequence) {
            const size_t index = size_t(pending.sequence - m_log.front().sequence);
            if (index < m_log.size()) {
                HeardRequest &heard = m_log[index];
                heard.answer.append(sent);
                heard.lateMs =
                    std::max(heard.lateMs, std::chrono::duration<double, std::milli>(now - pending.due).count());
            }
        }
    }
}

void LineSimulator::flood(TimePoint now, QStringList &trace)
{
    const double seconds = std::chrono::duration<double>(now - m_lastFlood).count();
    m_lastFlood = now;
    QByteArray bytes;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const double elapsed = m_clock.moment().elapsed;
        for (size_t i = 0; i < m_inverters.size() && i < m_floodCredit.size(); ++i) {
            const FaultSpec *fault = m_inverters[i].faults().active(FaultSpec::Type::Flood, elapsed);
            if (!fault)
                continue;
            m_floodCredit[i] += fault->bytesPerSecond * seconds;
            const int count = int(m_floodCredit[i]);
            m_floodCredit[i] -= count;
            bytes.append(lineframes::noise(count, m_random));
        }
    }
    if (bytes.isEmpty())
        return;
    const ssize_t written = ::write(m_pty->masterFd(), bytes.constData(), size_t(bytes.size()));
    trace << QStringLiteral("%1 -> %2  (flood)")
                 .arg(msSinceStart(now), 0, 'f', 1)
                 .arg(lineframes::hex(bytes.left(written > 0 ? int(written) : 0)));
}

void LineSimulator::emitTrace(const QStringList &lines) const
{
    if (lines.isEmpty())
        return;
    std::function<void(const QString &)> trace;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        trace = m_trace;
    }
    if (!trace)
        return;
    for (const QString &line : lines)
        trace(line);
}

double LineSimulator::msSinceStart(TimePoint t) const
{
    return std::chrono::duration<double, std::milli>(t - m_startedAt).count();
}

SimulatedSensor *LineSimulator::sensor(int slave)
{
    for (SimulatedSensor &device : m_sensors) {
        if (device.slave() == slave)
            return &device;
    }
    return nullptr;
}

// ---- the plant at run time

int LineSimulator::inverterCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_inverters.size());
}

int LineSimulator::address(int inverter) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return inverter >= 0 && size_t(inverter) < m_inverters.size() ? m_inverters[size_t(inverter)].address() : -1;
}

QVector<int> LineSimulator::invertersAt(int address) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<int> indexes;
    for (size_t i = 0; i < m_inverters.size(); ++i) {
        if (m_inverters[i].address() == address)
            indexes << int(i);
    }
    return indexes;
}

bool LineSimulator::changeInverter(int index, const std::function<void(SimulatedInverter &)> &change)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < 0 || size_t(index) >= m_inverters.size())
        return false;
    change(m_inverters[size_t(index)]);
    return true;
}

bool LineSimulator::setAddress(int inverter, int address)
{
    return changeInverter(inverter, [=](SimulatedInverter &device) { device.setAddress(address); });
}

bool LineSimulator::setRegister(int inverter, int reg, quint16 value)
{
    return changeInverter(inverter, [=](SimulatedInverter &device) { device.setRegister(reg, value); });
}

bool LineSimulator::clearRegister(int inverter, int reg)
{
    return changeInverter(inverter, [=](SimulatedInverter &device) { device.clearRegister(reg); });
}

bool LineSimulator::setErrorWord(int inverter, int word, quint16 value)
{
    return word >= 1 && word <= 4 && setRegister(inverter, 181 + word, value);
}

bool LineSimulator::setFaults(int inverter, const QVector<FaultSpec> &faults)
{
    return changeInverter(inverter, [&](SimulatedInverter &device) { device.faults().set(faults); });
}

bool LineSimulator::addFault(int inverter, const FaultSpec &fault)
{
    return changeInverter(inverter, [&](SimulatedInverter &device) { device.faults().add(fault); });
}

QVector<quint16> LineSimulator::readRegisters(int inverter, int first, int count) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (inverter < 0 || size_t(inverter) >= m_inverters.size())
        return {};
    return m_inverters[size_t(inverter)].read(first, count, m_clock.moment());
}

bool LineSimulator::setSensorRegister(int slave, int reg, quint16 value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimulatedSensor *device = sensor(slave);
    if (!device)
        return false;
    device->defineRegister(reg, ValueSpec::constant(value));
    return true;
}

bool LineSimulator::setSensorFaults(int slave, const QVector<FaultSpec> &faults)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimulatedSensor *device = sensor(slave);
    if (!device)
        return false;
    device->faults().set(faults);
    return true;
}

void LineSimulator::setTimeOffset(qint64 seconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock.setOffsetSeconds(seconds);
}

void LineSimulator::setFixedTime(const QDateTime &time)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock.setFixedTime(time);
}

QDateTime LineSimulator::now() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_clock.now();
}

double LineSimulator::elapsedSeconds() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_clock.moment().elapsed;
}

QVector<HeardRequest> LineSimulator::requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QVector<HeardRequest>(m_log.begin(), m_log.end());
}

void LineSimulator::clearRequests()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
}

qint64 LineSimulator::requestCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_heardCount;
}

bool LineSimulator::waitForRequests(qint64 count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_heardCondition.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_heardCount >= count; });
}
