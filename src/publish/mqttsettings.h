#pragma once

#include <QCoreApplication>
#include <QString>

class AppSettings;

// Where and how the readings are published: the MQTT keys of app.ini with
// their defaults filled in. Off unless enabled with a broker host.
struct MqttSettings
{
    Q_DECLARE_TR_FUNCTIONS(MqttSettings)

public:
    static constexpr int kPlainPort = 1883;
    static constexpr int kTlsPort = 8883;

    bool enabled = false;
    QString host;
    int port = kPlainPort;
    bool tls = false;
    QString caFile; // CA certificates trusted besides the system's
    QString user;   // empty: no login
    QString password;
    QString clientId;
    QString site;        // the plant's name in topics and identifiers
    QString siteName;    // and as people read it
    QString topicPrefix; // no trailing "/"
    int qos = 1;
    bool retain = true;           // of the state messages
    QString discoveryPrefix;      // Home Assistant's; empty: no discovery

    bool isActive() const { return enabled && !host.trimmed().isEmpty(); }

    // Empty values get their defaults: the site from MQTT_SITE, else the
    // dashboard's title (leTitle), else "plant"; client id lumora-<site>;
    // topic prefix lumora/<site>; port 1883, or 8883 with TLS.
    static MqttSettings load(const AppSettings &settings);
    // Writes every key; values equal to their defaults are written empty, so
    // that they follow a later change of the site.
    void save(AppSettings &settings) const;

    // What is wrong with settings that are switched on, in one sentence for the
    // user; empty when nothing is. Checks the fields, not the broker.
    QString problem() const;

    // "Lumora demo plant" -> "lumora-demo-plant": letters (accents dropped), digits and "-".
    static QString slug(const QString &text);
    QString defaultClientId() const;
    QString defaultTopicPrefix() const;
    int defaultPort() const { return tls ? kTlsPort : kPlainPort; }
    // "host:port" for messages.
    QString address() const;
};
