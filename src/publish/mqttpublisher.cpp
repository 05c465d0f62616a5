#include "publish/mqttpublisher.h"

#include "base/appsettings.h"
#include "base/clock.h"
#include "base/currencysymbols.h"
#include "base/log.h"
#include "link/sensorlist.h"
#include "publish/mqttconnection.h"

MqttPublisher::MqttPublisher(SensorList &sensors, QObject *parent)
    : QObject(parent)
    , m_sensors(sensors)
    , m_spanMs(PublishQueue::kDayMs)
    , m_maxBytes(PublishQueue::kMaxBytes)
{}

MqttPublisher::~MqttPublisher()
{
    stop();
}

bool MqttPublisher::configure(const MqttSettings &settings)
{
    stop();
    m_settings = settings;
    m_announcedInverters.clear();
    m_announcedSensors.clear();
    if (!settings.enabled)
        return true;
    const QString problem = settings.problem();
    if (!problem.isEmpty()) {
        write_log(QStringLiteral("[MQTT] not publishing: ") + problem);
        emit this->problem(problem);
        return false;
    }
    const MqttTopics topics(settings);
    m_states = std::make_unique<StateMessages>(topics, settings.retain);
    m_discovery = std::make_unique<DiscoveryMessages>(topics, settings.siteName);
    m_connection = std::make_unique<MqttConnection>(settings);
    m_connection->setQueueLimits(m_spanMs, m_maxBytes);
    connect(m_connection.get(), &MqttConnection::connected, this,
            [this] { emit connected(m_settings.address()); });
    connect(m_connection.get(), &MqttConnection::failed, this, &MqttPublisher::problem);
    reloadPlantFactors();
    m_connection->start();
    return true;
}

void MqttPublisher::reloadPlantFactors()
{
    if (!m_connection)
        return;
    const PlantFactors factors = plantFactors();
    m_states->setPlantFactors(factors);
    if (!m_settings.discoveryPrefix.isEmpty()) // the earning's unit is the currency
        m_connection->announce(QStringLiteral("plant"), m_discovery->plant(factors.currency));
}

void MqttPublisher::stop(int drainMs)
{
    if (m_connection)
        m_connection->stop(drainMs);
    m_connection.reset();
}

void MqttPublisher::stop()
{
    stop(MqttConnection::kStopDrainMs);
}

int MqttPublisher::waitingMessages() const
{
    return m_connection ? m_connection->waitingMessages() : 0;
}

void MqttPublisher::setQueueLimits(qint64 spanMs, qint64 maxBytes)
{
    m_spanMs = spanMs;
    m_maxBytes = maxBytes;
}

PlantFactors MqttPublisher::plantFactors()
{
    const AppSettings settings;
    PlantFactors factors;
    factors.co2PerKWh = settings.doubleValue(Setting::sbCo2, 0.0);
    factors.moneyPerKWh = settings.doubleValue(Setting::sbMoney, 0.0);
    const double currency = settings.doubleValue(Setting::co2symbol, 0.0);
    if (currency >= 0 && currency < currencySymbols().size())
        factors.currency = currencySymbols().at(int(currency));
    return factors;
}

QList<SensorReading> MqttPublisher::sensorReadings() const
{
    const QList<SensorDefinition> definitions = m_sensors.definitions();
    const QList<double> values = m_sensors.latestValues();
    QList<SensorReading> readings;
    for (int i = 0; i < definitions.size() && i < values.size(); ++i) {
        const SensorDefinition &sensor = definitions.at(i);
        readings.append({sensor.id > 0 ? sensor.id : i + 1, sensor.header, sensor.unit, values.at(i)});
    }
    return readings;
}

void MqttPublisher::publishCycle(const DeviceSnapshot &devices)
{
    if (!m_connection)
        return;
    DeviceSnapshot published;
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        const DeviceRecord &device = it.value();
        // A deleted inverter comes back once it answers again, as it does in the window.
        if (m_removed.contains(device.sn_name)) {
            if (device.fail_count > 0)
                continue;
            m_removed.remove(device.sn_name);
        }
        published.insert(it.key(), device);
        if (!device.sn_name.isEmpty())
            announceInverter(device);
    }
    const QList<SensorReading> sensors = sensorReadings();
    announceSensors(sensors);
    m_connection->enqueue(Clock::instance().elapsedMs(), m_states->cycle(published, sensors, Clock::instance().now()));
}

void MqttPublisher::announceInverter(const DeviceRecord &device)
{
    if (m_settings.discoveryPrefix.isEmpty())
        return;
    const QString identity =
        QStringList{device.brand_name, device.type_name, device.currentVersionText()}.join(QLatin1Char('\n'));
    if (m_announcedInverters.value(device.sn_name) == identity)
        return;
    m_announcedInverters.insert(device.sn_name, identity);
    m_connection->announce(QStringLiteral("inverter/") + device.sn_name, m_discovery->inverter(device));
}

void MqttPublisher::announceSensors(const QList<SensorReading> &sensors)
{
    if (m_settings.discoveryPrefix.isEmpty())
        return;
    QSet<int> gone;
    for (auto it = m_announcedSensors.cbegin(); it != m_announcedSensors.cend(); ++it)
        gone.insert(it.key());
    for (const SensorReading &sensor : sensors) {
        gone.remove(sensor.id);
        const QString identity = sensor.name + QLatin1Char('\n') + sensor.unit;
        const auto announced = m_announcedSensors.constFind(sensor.id);
        if (announced != m_announcedSensors.constEnd() && *announced == identity)
            continue;
        m_announcedSensors.insert(sensor.id, identity);
        m_connection->announce(QStringLiteral("sensor/%1").arg(sensor.id), m_discovery->sensor(sensor));
    }
    for (int id : qAsConst(gone)) {
        m_announcedSensors.remove(id);
        m_connection->announce(QStringLiteral("sensor/%1").arg(id), {});
        m_connection->enqueue(Clock::instance().elapsedMs(), m_discovery->sensorRemoval(id));
    }
}

void MqttPublisher::removeInverter(const QString &serial)
{
    if (serial.isEmpty())
        return;
    m_removed.insert(serial);
    m_announcedInverters.remove(serial);
    if (!m_connection)
        return;
    MqttBatch removal = m_states->inverterRemoval(serial);
    if (!m_settings.discoveryPrefix.isEmpty()) {
        m_connection->announce(QStringLiteral("inverter/") + serial, {});
        removal = m_discovery->inverterRemoval(serial) + removal;
    }
    m_connection->enqueue(Clock::instance().elapsedMs(), removal);
}
