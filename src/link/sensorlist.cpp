#include "link/sensorlist.h"

#include "base/clock.h"
#include "link/ccommand.h"
#include "link/crc16.h"
#include "link/cserial.h"
#include "link/linehealth.h"

#include <QMutexLocker>
#include <QStringList>
#include <QtEndian>

#include <chrono>

namespace {

constexpr int kPauseMs = 1000;
constexpr int kReplyTimeoutMs = 1000;
constexpr quint8 kReadFunction = 3;

double msSince(std::chrono::steady_clock::time_point begin)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

} // namespace

void SensorList::load(const QList<SensorDefinition> &definitions)
{
    const QList<SensorDefinition> sensors = definitions.mid(0, kMaxSensors);
    QMutexLocker locker(&m_mutex);
    m_sensors = sensors;
    m_values = QList<double>();
    for (int i = 0; i < sensors.size(); ++i)
        m_values << 0.0;
    ++m_generation;
}

void SensorList::clear()
{
    QMutexLocker locker(&m_mutex);
    m_sensors.clear();
    m_values.clear();
    ++m_generation;
}

int SensorList::count() const
{
    QMutexLocker locker(&m_mutex);
    return m_sensors.size();
}

QList<SensorDefinition> SensorList::definitions() const
{
    QMutexLocker locker(&m_mutex);
    return m_sensors;
}

QList<double> SensorList::latestValues() const
{
    QMutexLocker locker(&m_mutex);
    return m_values;
}

void SensorList::readAll(CSerial &port, LineHealth *health)
{
    QList<SensorDefinition> sensors;
    quint64 generation;
    {
        QMutexLocker locker(&m_mutex);
        sensors = m_sensors;
        generation = m_generation;
    }
    for (int i = 0; i < sensors.size(); ++i) {
        if (port.is_closed())
            return; // nothing can answer; skip the pauses
        quint8 reply[kReplySize];
        const int count = exchange(port, sensors[i], reply, health);
        double value;
        if (!replyValue(sensors[i], reply, count, value))
            continue; // silent or cut short: the latest value stays
        QMutexLocker locker(&m_mutex);
        if (m_generation != generation)
            return; // reloaded meanwhile: these definitions are gone
        m_values[i] = value;
    }
}

// The first try waits twice for the reply; a second try sends the request again.
int SensorList::exchange(CSerial &port, const SensorDefinition &sensor, quint8 *reply, LineHealth *health)
{
    quint8 request[kRequestSize];
    buildRequest(sensor, request);
    LineHealth::Exchange counted(LineDevice::sensor(sensor.request[0]));
    port.purge();
    Clock::instance().sleepMs(kPauseMs);
    const auto began = std::chrono::steady_clock::now();
    port.write(request, kRequestSize);
    int count = port.read(reply, kReplySize, kReplyTimeoutMs);
    if (count == 0)
        count = port.read(reply, kReplySize, kReplyTimeoutMs);
    counted.addTry(replyCheck(sensor, reply, count), msSince(began));
    if (count == 0) {
        port.write(request, kRequestSize);
        Clock::instance().sleepMs(kPauseMs);
        count = port.read(reply, kReplySize, kReplyTimeoutMs);
        counted.addTry(replyCheck(sensor, reply, count), -1.0); // the pause hides its round trip
    }
    port.purge();
    if (health)
        health->count(counted);
    return count;
}

ReplyCheck SensorList::replyCheck(const SensorDefinition &sensor, const quint8 *reply, int count)
{
    ReplyCheck check;
    double value;
    check.taken = replyValue(sensor, reply, count, value);
    if (count <= 0) {
        check.timeout = true;
    } else if (count < kReplySize) {
        check.shortReply = true;
    } else {
        const quint16 crc = crc16_modbus(reply, kReplySize - 2);
        const quint8 first = sensor.crcHighFirst ? quint8(crc >> 8) : quint8(crc & 0xFF);
        const quint8 second = sensor.crcHighFirst ? quint8(crc & 0xFF) : quint8(crc >> 8);
        check.corrupt = reply[kReplySize - 2] != first || reply[kReplySize - 1] != second;
        if (!check.corrupt) {
            check.wrongAddress = reply[0] != sensor.request[0];
            check.wrongFunction = reply[1] != kReadFunction;
            check.wrongLength = reply[2] != kReplySize - 5;
        }
    }
    return check;
}

std::array<SensorSlot, SensorList::kMaxSensors>
SensorList::mainViewSlots(const QString &showField, const std::function<QString(const QString &)> &formatNumber) const
{
    QStringList shown = showField.split(QLatin1Char(','));
    for (QString &item : shown)
        item = item.trimmed();
    QMutexLocker locker(&m_mutex);
    std::array<SensorSlot, kMaxSensors> result;
    for (int i = 0; i < kMaxSensors; ++i) {
        SensorSlot &slot = result[size_t(i)];
        if (i >= m_sensors.size()) {
            slot.update = true; // a missing sensor: empty texts
        } else if (shown.contains(QString::number(kFirstMainViewItem + i))) {
            slot.update = true;
            slot.title = m_sensors[i].header;
            slot.value = formatNumber(QString::number(m_values[i], 'g', 6));
            slot.unit = m_sensors[i].unit;
        }
    }
    return result;
}

void SensorList::buildRequest(const SensorDefinition &sensor, quint8 *request)
{
    std::copy(sensor.request.begin(), sensor.request.end(), request);
    const quint16 crc = crc16_modbus(request, 6);
    const quint8 low = quint8(crc & 0xFF);
    const quint8 high = quint8(crc >> 8);
    request[6] = sensor.crcHighFirst ? high : low;
    request[7] = sensor.crcHighFirst ? low : high;
}

bool SensorList::replyValue(const SensorDefinition &sensor, const quint8 *reply, int count, double &value)
{
    if (count < 5)
        return false;
    const quint16 raw = sensor.lowByteFirst ? qFromLittleEndian<quint16>(reply + 3) : CCommand::word_at(reply, 3);
    const double factor = sensor.factor == 0.0 ? 1.0 : sensor.factor;
    value = raw;
    if (sensor.op == QLatin1String("*"))
        value = raw * factor;
    else if (sensor.op == QLatin1String("-"))
        value = raw - factor;
    else if (sensor.op == QLatin1String("/"))
        value = raw / factor;
    else if (sensor.op == QLatin1String("+"))
        value = raw + factor;
    return true;
}
