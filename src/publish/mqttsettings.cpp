#include "publish/mqttsettings.h"

#include "base/appsettings.h"

#include <QFileInfo>

MqttSettings MqttSettings::load(const AppSettings &settings)
{
    MqttSettings s;
    s.enabled = settings.intValue(Setting::MQTT_ENABLED) == 1;
    s.host = settings.text(Setting::MQTT_HOST).trimmed();
    s.tls = settings.intValue(Setting::MQTT_TLS) == 1;
    s.port = settings.intValue(Setting::MQTT_PORT, s.defaultPort());
    s.caFile = settings.text(Setting::MQTT_CA_FILE).trimmed();
    s.user = settings.text(Setting::MQTT_USER);
    s.password = settings.text(Setting::MQTT_PASSWORD);
    for (const SettingKey *key : {&Setting::MQTT_SITE, &Setting::leTitle}) {
        s.siteName = settings.text(*key).trimmed();
        s.site = slug(s.siteName);
        if (!s.site.isEmpty())
            break;
    }
    if (s.site.isEmpty()) {
        s.site = QStringLiteral("plant");
        s.siteName = QStringLiteral("Lumora plant");
    }
    s.clientId = settings.text(Setting::MQTT_CLIENT_ID).trimmed();
    if (s.clientId.isEmpty())
        s.clientId = s.defaultClientId();
    s.topicPrefix = settings.text(Setting::MQTT_TOPIC_PREFIX).trimmed();
    while (s.topicPrefix.endsWith(QLatin1Char('/')))
        s.topicPrefix.chop(1);
    if (s.topicPrefix.isEmpty())
        s.topicPrefix = s.defaultTopicPrefix();
    s.qos = settings.intValue(Setting::MQTT_QOS);
    s.retain = settings.intValue(Setting::MQTT_RETAIN) == 1;
    s.discoveryPrefix = settings.text(Setting::MQTT_DISCOVERY_PREFIX).trimmed();
    return s;
}

void MqttSettings::save(AppSettings &settings) const
{
    settings.setValue(Setting::MQTT_ENABLED, enabled ? 1 : 0);
    settings.setValue(Setting::MQTT_HOST, host.trimmed());
    settings.setValue(Setting::MQTT_PORT, port);
    settings.setValue(Setting::MQTT_TLS, tls ? 1 : 0);
    settings.setValue(Setting::MQTT_CA_FILE, caFile.trimmed());
    settings.setValue(Setting::MQTT_USER, user);
    settings.setValue(Setting::MQTT_PASSWORD, password);
    settings.setValue(Setting::MQTT_CLIENT_ID, clientId == defaultClientId() ? QString() : clientId.trimmed());
    settings.setValue(Setting::MQTT_TOPIC_PREFIX, topicPrefix == defaultTopicPrefix() ? QString() : topicPrefix);
    settings.setValue(Setting::MQTT_QOS, qos);
    settings.setValue(Setting::MQTT_RETAIN, retain ? 1 : 0);
    settings.setValue(Setting::MQTT_DISCOVERY_PREFIX, discoveryPrefix.trimmed());
}

QString MqttSettings::problem() const
{
    if (!enabled)
        return {};
    if (host.trimmed().isEmpty())
        return tr("Please enter the host name or address of the MQTT broker.");
    if (port < 1 || port > 65535)
        return tr("The MQTT port must be a number from 1 to 65535.");
    if (qos < 0 || qos > 2)
        return tr("The MQTT QoS must be 0, 1 or 2.");
    if (clientId.trimmed().isEmpty() || clientId.toUtf8().size() > 65535)
        return tr("Please enter an MQTT client id.");
    const auto wildcard = [](const QString &topic) {
        return topic.contains(QLatin1Char('+')) || topic.contains(QLatin1Char('#'));
    };
    if (topicPrefix.isEmpty() || wildcard(topicPrefix) || wildcard(discoveryPrefix))
        return tr("Topic prefixes must not be empty or contain \"+\" or \"#\".");
    if (user.isEmpty() && !password.isEmpty())
        return tr("A password needs a user name.");
    if (tls && !caFile.isEmpty() && !QFileInfo(caFile).isReadable())
        return tr("The CA file \"%1\" cannot be read.").arg(caFile);
    return {};
}

QString MqttSettings::slug(const QString &text)
{
    QString slug;
    // Decomposed, an accented letter is its base letter and a mark: "démonstration" becomes "demonstration".
    for (const QChar c : text.trimmed().toLower().normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
    }
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    return slug;
}

QString MqttSettings::defaultClientId() const
{
    return QStringLiteral("lumora-") + site;
}

QString MqttSettings::defaultTopicPrefix() const
{
    return QStringLiteral("lumora/") + site;
}

QString MqttSettings::address() const
{
    return QStringLiteral("%1:%2").arg(host.trimmed()).arg(port);
}
