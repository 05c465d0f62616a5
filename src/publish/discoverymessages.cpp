#include "publish/discoverymessages.h"

#include "base/programinfo.h"

#include <QJsonArray>
#include <QJsonDocument>

// One sensor of a device: the key of the reading in the state message, its
// name, Home Assistant device class, unit and state class (each may be null).
struct DiscoveryMessages::Field
{
    const char *key;
    const char *name;
    const char *deviceClass;
    const char *unit;
    const char *stateClass;
};

namespace {

using Field = DiscoveryMessages::Field;

const char *const kPower = "power";
const char *const kEnergy = "energy";
const char *const kMeasurement = "measurement";
const char *const kIncreasing = "total_increasing";

const Field kInverterFields[] = {
    {"ac_power", "AC power", kPower, "W", kMeasurement},
    {"dc_power", "DC power", kPower, "W", kMeasurement},
    {"energy_today", "Energy today", kEnergy, "kWh", kIncreasing},
    {"energy_total", "Total energy", kEnergy, "kWh", kIncreasing},
    {"ac_voltage", "AC voltage", "voltage", "V", kMeasurement},
    {"ac_current", "AC current", "current", "A", kMeasurement},
    {"dc_voltage", "DC voltage", "voltage", "V", kMeasurement},
    {"dc_current", "DC current", "current", "A", kMeasurement},
    {"frequency", "Frequency", "frequency", "Hz", kMeasurement},
    {"temperature", "Temperature", "temperature", "°C", kMeasurement},
    {"efficiency", "Efficiency", nullptr, "%", kMeasurement},
    {"state", "State", nullptr, nullptr, nullptr},
};

// The plant's yield sums the online inverters only, so it falls when one goes
// to sleep: a total, not a total that only increases.
const Field kPlantFields[] = {
    {"energy_total", "Total yield", kEnergy, "kWh", "total"},
    {"ac_power", "AC power", kPower, "W", kMeasurement},
    {"dc_power", "DC power", kPower, "W", kMeasurement},
    {"efficiency", "Efficiency", nullptr, "%", kMeasurement},
    {"co2_reduction", "CO2 reduction", "weight", "kg", "total"},
    {"earning", "Earning", nullptr, nullptr, "total"},
    {"inverters_online", "Inverters online", nullptr, nullptr, kMeasurement},
};

QJsonValue orNull(const char *text)
{
    return text ? QJsonValue(QString::fromUtf8(text)) : QJsonValue();
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Home Assistant's device class and unit for the unit text of a Modbus sensor.
Field sensorField(const QString &unit)
{
    const QString u = unit.trimmed();
    if (u == QLatin1String("W/m2") || u == QStringLiteral("W/m²"))
        return {"value", nullptr, "irradiance", "W/m²", kMeasurement};
    if (u == QStringLiteral("°C") || u == QStringLiteral("℃") || u == QLatin1String("C"))
        return {"value", nullptr, "temperature", "°C", kMeasurement};
    if (u == QLatin1String("W"))
        return {"value", nullptr, kPower, "W", kMeasurement};
    if (u == QLatin1String("V"))
        return {"value", nullptr, "voltage", "V", kMeasurement};
    if (u == QLatin1String("A"))
        return {"value", nullptr, "current", "A", kMeasurement};
    if (u == QLatin1String("Hz"))
        return {"value", nullptr, "frequency", "Hz", kMeasurement};
    if (u == QLatin1String("kWh"))
        return {"value", nullptr, kEnergy, "kWh", kIncreasing};
    return {"value", nullptr, nullptr, nullptr, kMeasurement};
}

} // namespace

DiscoveryMessages::DiscoveryMessages(const MqttTopics &topics, const QString &siteTitle)
    : m_topics(topics)
    , m_siteTitle(siteTitle)
{}

QJsonObject DiscoveryMessages::config(const Field &field, const QString &node, const QString &stateTopic,
                                      const QJsonObject &device) const
{
    const QString key = QString::fromLatin1(field.key);
    QJsonObject config{
        {QStringLiteral("name"), orNull(field.name)},
        {QStringLiteral("unique_id"), node + QLatin1Char('_') + key},
        {QStringLiteral("state_topic"), stateTopic},
        {QStringLiteral("value_template"), QStringLiteral("{{ value_json.%1 }}").arg(key)},
        {QStringLiteral("availability"), QJsonArray{QJsonObject{{QStringLiteral("topic"), m_topics.status()}}}},
        {QStringLiteral("device"), device},
    };
    if (field.deviceClass)
        config.insert(QStringLiteral("device_class"), QString::fromLatin1(field.deviceClass));
    if (field.unit)
        config.insert(QStringLiteral("unit_of_measurement"), QString::fromUtf8(field.unit));
    if (field.stateClass)
        config.insert(QStringLiteral("state_class"), QString::fromLatin1(field.stateClass));
    return config;
}

QJsonObject DiscoveryMessages::plantDevice() const
{
    return {{QStringLiteral("identifiers"), QJsonArray{m_topics.plantNode()}},
            {QStringLiteral("name"), m_siteTitle},
            {QStringLiteral("manufacturer"), QStringLiteral("Lumora")},
            {QStringLiteral("model"), QString::fromLatin1(ProgramInfo::kName)},
            {QStringLiteral("sw_version"), QString::fromLatin1(ProgramInfo::kVersion)}};
}

MqttBatch DiscoveryMessages::inverter(const DeviceRecord &device) const
{
    const QString node = MqttTopics::inverterNode(device.sn_name);
    const QString stateTopic = m_topics.inverterState(device.sn_name);
    const QJsonObject deviceInfo{
        {QStringLiteral("identifiers"), QJsonArray{node}},
        {QStringLiteral("name"), QStringLiteral("%1 %2").arg(device.type_name, device.sn_name).trimmed()},
        {QStringLiteral("manufacturer"), device.brand_name},
        {QStringLiteral("model"), device.type_name},
        {QStringLiteral("serial_number"), device.sn_name},
        {QStringLiteral("sw_version"), device.currentVersionText()},
        {QStringLiteral("via_device"), m_topics.plantNode()},
    };
    // Unavailable while the program is away or the inverter does not answer.
    const QJsonObject answering{
        {QStringLiteral("topic"), stateTopic},
        {QStringLiteral("value_template"), QStringLiteral("{{ 'online' if value_json.online else 'offline' }}")}};
    MqttBatch batch;
    for (const Field &field : kInverterFields) {
        QJsonObject entry = config(field, node, stateTopic, deviceInfo);
        QJsonArray availability = entry.value(QStringLiteral("availability")).toArray();
        availability.append(answering);
        entry.insert(QStringLiteral("availability"), availability);
        entry.insert(QStringLiteral("availability_mode"), QStringLiteral("all"));
        if (qstrcmp(field.key, "state") == 0) // the error words and texts as attributes
            entry.insert(QStringLiteral("json_attributes_topic"), stateTopic);
        batch.append({m_topics.discoveryConfig(node, QString::fromLatin1(field.key)), compact(entry), true});
    }
    return batch;
}

MqttBatch DiscoveryMessages::inverterRemoval(const QString &serial) const
{
    const QString node = MqttTopics::inverterNode(serial);
    MqttBatch batch;
    for (const Field &field : kInverterFields)
        batch.append({m_topics.discoveryConfig(node, QString::fromLatin1(field.key)), QByteArray(), true});
    return batch;
}

MqttBatch DiscoveryMessages::sensor(const SensorReading &sensor) const
{
    const Field field = sensorField(sensor.unit);
    const QString object = QStringLiteral("sensor_%1").arg(sensor.id);
    QJsonObject entry = config(field, m_topics.plantNode() + QLatin1Char('_') + object,
                               m_topics.sensorState(sensor.id), plantDevice());
    entry.insert(QStringLiteral("name"), sensor.name);
    if (!field.unit && !sensor.unit.trimmed().isEmpty())
        entry.insert(QStringLiteral("unit_of_measurement"), sensor.unit.trimmed());
    return {{m_topics.discoveryConfig(m_topics.plantNode(), object), compact(entry), true}};
}

MqttBatch DiscoveryMessages::sensorRemoval(int sensorId) const
{
    return {{m_topics.discoveryConfig(m_topics.plantNode(), QStringLiteral("sensor_%1").arg(sensorId)), QByteArray(),
             true},
            {m_topics.sensorState(sensorId), QByteArray(), true}};
}

MqttBatch DiscoveryMessages::plant(const QString &currency) const
{
    MqttBatch batch;
    for (const Field &field : kPlantFields) {
        QJsonObject entry = config(field, m_topics.plantNode(), m_topics.plantState(), plantDevice());
        if (qstrcmp(field.key, "earning") == 0 && !currency.isEmpty())
            entry.insert(QStringLiteral("unit_of_measurement"), currency);
        batch.append(
            {m_topics.discoveryConfig(m_topics.plantNode(), QString::fromLatin1(field.key)), compact(entry), true});
    }
    return batch;
}
