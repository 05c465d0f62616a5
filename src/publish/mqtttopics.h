#pragma once

#include <QString>

struct MqttSettings;

// The topics of one plant:
//   <prefix>/status                       "online" / "offline" (the last will)
//   <prefix>/inverter/<serial>/state      one JSON reading per cycle
//   <prefix>/sensor/<id>/state            one JSON value per cycle
//   <prefix>/plant/state                  the plant totals per cycle
//   <discovery>/sensor/<node>/<field>/config   Home Assistant discovery
class MqttTopics
{
public:
    explicit MqttTopics(const MqttSettings &settings);

    QString status() const;
    QString inverterState(const QString &serial) const;
    QString sensorState(int sensorId) const;
    QString plantState() const;
    QString discoveryConfig(const QString &node, const QString &field) const;

    // The discovery node (and device identifier) of an inverter, and of the plant with its sensors.
    static QString inverterNode(const QString &serial);
    QString plantNode() const;

    // Text made fit for one topic level: everything but letters, digits, "-" and "_" becomes "_".
    static QString level(const QString &text);

private:
    QString m_prefix;
    QString m_discoveryPrefix;
    QString m_site;
};
