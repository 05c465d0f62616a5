#pragma once

#include "monitor/monitoringsession.h"
#include "publish/mqttmessage.h"
#include "publish/mqtttopics.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>

// One configured Modbus sensor and its latest value.
struct SensorReading
{
    int id = 0; // its row in sensor_setting
    QString name;
    QString unit;
    double value = 0;
};

// The plant's money and CO2 figures per kWh, as the dashboard uses them.
struct PlantFactors
{
    double co2PerKWh = 0;
    double moneyPerKWh = 0;
    QString currency; // the symbol, or empty
};

// The JSON state messages of one polling cycle: one per inverter with a
// serial, one per sensor, and the plant totals. An inverter whose read failed
// in the cycle has null readings. The plant totals are the dashboard's: the
// online inverters with their last good readings.
class StateMessages
{
public:
    StateMessages(const MqttTopics &topics, bool retain);

    void setPlantFactors(const PlantFactors &factors) { m_factors = factors; }

    MqttBatch cycle(const DeviceSnapshot &devices, const QList<SensorReading> &sensors, const QDateTime &time);
    // The inverter's retained state, cleared.
    MqttBatch inverterRemoval(const QString &serial) const;

    static QJsonObject inverterState(const DeviceRecord &device, const QDateTime &time);
    static QJsonObject sensorState(const SensorReading &sensor, const QDateTime &time);
    // ISO 8601 with the offset from UTC: 2026-06-01T13:00:02+02:00.
    static QString isoTime(const QDateTime &time);

private:
    struct LastReading
    {
        double acPower = 0;
        double dcPower = 0;
        double energyTotal = 0;
    };

    QJsonObject plantState(const DeviceSnapshot &devices, const QDateTime &time);

    MqttTopics m_topics;
    bool m_retain;
    PlantFactors m_factors;
    QHash<QString, LastReading> m_last; // by serial
};
