#pragma once

#include "monitor/monitoringsession.h"
#include "publish/discoverymessages.h"
#include "publish/mqttsettings.h"
#include "publish/statemessages.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <memory>

class MqttConnection;
class SensorList;

// Publishes every polling cycle to an MQTT broker, for the window and the
// headless logger alike: connected to MonitoringSession::cycleFinished, it
// turns the cycle's records, the sensors' latest values and the plant totals
// into messages and hands them to the connection's thread, which never
// holds up the caller. Announces each inverter and sensor to Home Assistant
// when it first appears or its identity changes, and withdraws an inverter
// deleted by the user until it answers again. Does nothing until configured
// with active settings.
class MqttPublisher : public QObject
{
    Q_OBJECT

public:
    explicit MqttPublisher(SensorList &sensors, QObject *parent = nullptr);
    ~MqttPublisher() override; // stop()

    // Publishing with these settings from now on (a running connection is
    // stopped first); settings that are off stop it. False when the settings
    // are switched on but wrong: that is logged and reported by problem().
    bool configure(const MqttSettings &settings);
    bool isActive() const { return m_connection != nullptr; }
    // Sends what waits for up to drainMs, says "offline" and disconnects.
    void stop(int drainMs);
    void stop();

    // Messages not yet taken by the broker; 0 when not active.
    int waitingMessages() const;
    // Bounds of the queue, for the connections made from now on.
    void setQueueLimits(qint64 spanMs, qint64 maxBytes);

public slots:
    void publishCycle(const DeviceSnapshot &devices);
    // The user deleted the inverter: its discovery and its retained state go.
    void removeInverter(const QString &serial);
    // The CO2 and money factors and the currency of app.ini changed.
    void reloadPlantFactors();

signals:
    void connected(const QString &address);
    // Each new problem of the settings or the connection, once.
    void problem(const QString &message);

private:
    void announceInverter(const DeviceRecord &device);
    void announceSensors(const QList<SensorReading> &sensors);
    QList<SensorReading> sensorReadings() const;
    static PlantFactors plantFactors();

    SensorList &m_sensors;
    MqttSettings m_settings;
    std::unique_ptr<MqttConnection> m_connection;
    std::unique_ptr<StateMessages> m_states;
    std::unique_ptr<DiscoveryMessages> m_discovery;
    QHash<QString, QString> m_announcedInverters; // serial -> identity announced
    QHash<int, QString> m_announcedSensors;       // id -> name and unit announced
    QSet<QString> m_removed;                      // deleted, and not answering since
    qint64 m_spanMs;
    qint64 m_maxBytes;
};
