#include "publish/mqtttopics.h"

#include "publish/mqttsettings.h"

MqttTopics::MqttTopics(const MqttSettings &settings)
    : m_prefix(settings.topicPrefix)
    , m_discoveryPrefix(settings.discoveryPrefix)
    , m_site(settings.site)
{}

QString MqttTopics::status() const
{
    return m_prefix + QStringLiteral("/status");
}

QString MqttTopics::inverterState(const QString &serial) const
{
    return QStringLiteral("%1/inverter/%2/state").arg(m_prefix, level(serial));
}

QString MqttTopics::sensorState(int sensorId) const
{
    return QStringLiteral("%1/sensor/%2/state").arg(m_prefix).arg(sensorId);
}

QString MqttTopics::plantState() const
{
    return m_prefix + QStringLiteral("/plant/state");
}

QString MqttTopics::discoveryConfig(const QString &node, const QString &field) const
{
    return QStringLiteral("%1/sensor/%2/%3/config").arg(m_discoveryPrefix, node, field);
}

QString MqttTopics::inverterNode(const QString &serial)
{
    return QStringLiteral("lumora_") + level(serial);
}

QString MqttTopics::plantNode() const
{
    return QStringLiteral("lumora_") + level(m_site);
}

QString MqttTopics::level(const QString &text)
{
    QString level = text.trimmed();
    for (QChar &c : level) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
                           c == QLatin1Char('_');
        if (!plain)
            c = QLatin1Char('_');
    }
    return level.isEmpty() ? QStringLiteral("_") : level;
}
