#include "publish/statemessages.h"

#include "device/errortables.h"
#include "device/statetables.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The registers of today's energy (tenths of a kWh) and of the heat-sink
// temperature (signed tenths of a degree) by family.
int todayEnergyRegister(const DeviceRecord &device)
{
    return device.isUSA1Family() ? 213 : 217;
}

int temperatureRegister(const DeviceRecord &device)
{
    return device.isUSA1Family() ? 212 : 206;
}

bool hasReading(const DeviceRecord &device)
{
    return device.fail_count == 0 && !device.sn_name.isEmpty();
}

} // namespace

StateMessages::StateMessages(const MqttTopics &topics, bool retain)
    : m_topics(topics)
    , m_retain(retain)
{}

QString StateMessages::isoTime(const QDateTime &time)
{
    QDateTime withOffset = time;
    withOffset.setOffsetFromUtc(time.offsetFromUtc());
    return withOffset.toString(Qt::ISODate);
}

QJsonObject StateMessages::inverterState(const DeviceRecord &device, const QDateTime &time)
{
    const bool read = hasReading(device);
    QJsonObject state{
        {QStringLiteral("serial"), device.sn_name},
        {QStringLiteral("address"), int(device.addr)},
        {QStringLiteral("brand"), device.brand_name},
        {QStringLiteral("model"), device.type_name},
        {QStringLiteral("family"), familyLabel(device.family())},
        {QStringLiteral("firmware"), device.currentVersionText()},
        {QStringLiteral("online"), !device.isOffline()},
        {QStringLiteral("time"), isoTime(time)},
    };
    const auto reading = [&](const char *key, double value, int decimals) {
        state.insert(QLatin1String(key), read ? QJsonValue(rounded(value, decimals)) : QJsonValue());
    };
    reading("ac_power", device.ac_power, 0);
    reading("dc_power", device.dc_power, 0);
    reading("energy_today", device.word(todayEnergyRegister(device)) * 0.1, 1);
    reading("energy_total", device.total_power, 1);
    reading("ac_voltage", device.vac, 1);
    reading("ac_current", device.iac, 2);
    reading("dc_voltage", device.vpv, 1);
    reading("dc_current", device.ipv, 2);
    reading("frequency", device.fac, 2);
    reading("temperature", qint16(device.word(temperatureRegister(device))) * 0.1, 1);
    reading("efficiency", device.efficiency, 1);
    reading("state_code", device.state_code, 0);
    state.insert(QStringLiteral("state"), read ? QJsonValue(stateName(device.versionw3, device.state_code)) : QJsonValue());

    QJsonArray words;
    QJsonArray errors;
    if (read) {
        for (quint16 word : device.errorWords().words)
            words.append(int(word));
        for (const DecodedError &error : decodeErrors(device.versionw3, device.err1, device.err2, device.err3, device.err4))
            errors.append(QJsonObject{{QStringLiteral("word"), error.word},
                                      {QStringLiteral("bit"), error.info->bit},
                                      {QStringLiteral("name"), error.info->name},
                                      {QStringLiteral("text"), error.info->description}});
    }
    state.insert(QStringLiteral("error_words"), read ? QJsonValue(words) : QJsonValue());
    state.insert(QStringLiteral("errors"), errors);
    return state;
}

QJsonObject StateMessages::sensorState(const SensorReading &sensor, const QDateTime &time)
{
    return {{QStringLiteral("id"), sensor.id},
            {QStringLiteral("name"), sensor.name},
            {QStringLiteral("unit"), sensor.unit},
            {QStringLiteral("value"), rounded(sensor.value, 3)},
            {QStringLiteral("time"), isoTime(time)}};
}

QJsonObject StateMessages::plantState(const DeviceSnapshot &devices, const QDateTime &time)
{
    int online = 0;
    double ac = 0;
    double dc = 0;
    double energy = 0;
    for (const DeviceRecord &device : devices) {
        if (device.sn_name.isEmpty())
            continue;
        if (hasReading(device))
            m_last[device.sn_name] = {double(device.ac_power), double(device.dc_power), device.total_power};
        const auto last = m_last.constFind(device.sn_name);
        if (device.isOffline() || last == m_last.constEnd())
            continue;
        ++online;
        ac += last->acPower;
        dc += last->dcPower;
        energy += last->energyTotal;
    }
    const double efficiency = (ac != 0 && dc != 0) ? ac / dc * 100.0 : 0.0;
    return {{QStringLiteral("inverters_online"), online},
            {QStringLiteral("ac_power"), rounded(ac, 0)},
            {QStringLiteral("dc_power"), rounded(dc, 0)},
            {QStringLiteral("efficiency"), rounded(efficiency, 1)},
            {QStringLiteral("energy_total"), rounded(energy, 1)},
            {QStringLiteral("co2_reduction"), rounded(energy * m_factors.co2PerKWh, 2)},
            {QStringLiteral("earning"), rounded(energy * m_factors.moneyPerKWh, 2)},
            {QStringLiteral("currency"), m_factors.currency},
            {QStringLiteral("time"), isoTime(time)}};
}

MqttBatch StateMessages::cycle(const DeviceSnapshot &devices, const QList<SensorReading> &sensors,
                               const QDateTime &time)
{
    MqttBatch batch;
    for (const DeviceRecord &device : devices) {
        if (!device.sn_name.isEmpty())
            batch.append({m_topics.inverterState(device.sn_name), compact(inverterState(device, time)), m_retain});
    }
    for (const SensorReading &sensor : sensors)
        batch.append({m_topics.sensorState(sensor.id), compact(sensorState(sensor, time)), m_retain});
    batch.append({m_topics.plantState(), compact(plantState(devices, time)), m_retain});
    return batch;
}

MqttBatch StateMessages::inverterRemoval(const QString &serial) const
{
    return {{m_topics.inverterState(serial), QByteArray(), true}};
}
