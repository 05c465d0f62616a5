#pragma once

#include "device/devicerecord.h"
#include "publish/mqttmessage.h"
#include "publish/mqtttopics.h"
#include "publish/statemessages.h"

#include <QJsonObject>

// Home Assistant MQTT discovery: one device per inverter (serial, model,
// firmware) with a sensor per reading, and one device for the plant with its
// totals and the Modbus sensors. Every config is retained; an empty retained
// config removes its sensor again.
class DiscoveryMessages
{
public:
    struct Field; // one sensor of a device

    DiscoveryMessages(const MqttTopics &topics, const QString &siteTitle);

    MqttBatch inverter(const DeviceRecord &device) const;
    MqttBatch inverterRemoval(const QString &serial) const;
    MqttBatch sensor(const SensorReading &sensor) const;
    // The sensor's config and its retained value, cleared.
    MqttBatch sensorRemoval(int sensorId) const;
    MqttBatch plant(const QString &currency) const;

private:
    QJsonObject config(const Field &field, const QString &node, const QString &stateTopic,
                       const QJsonObject &device) const;
    QJsonObject plantDevice() const;

    MqttTopics m_topics;
    QString m_siteTitle;
};
