#pragma once

#include <QString>

// Every key of app.ini, with the type it is read as and its usual default.
// Code names keys only through this table, never by string literal.
enum class SettingType { Int, Double, String };

struct SettingKey
{
    const char *name;
    SettingType type;
    const char *defaultText; // usual default, as text; nullptr: none (reads as "", 0 or 0.0)

    QString key() const { return QString::fromLatin1(name); }
};

namespace Setting {
extern const SettingKey LANG;
extern const SettingKey VIEW_SEQ;
extern const SettingKey ShowField;
extern const SettingKey INV_ADDR;
extern const SettingKey COMPortFrm_com_name;
extern const SettingKey COMPortFrm_baud_index;
extern const SettingKey auto_search;
extern const SettingKey auto_search_time;
extern const SettingKey BK_IMG;
extern const SettingKey HEADER_FONT;
extern const SettingKey VIEW_FONT;
extern const SettingKey MESSAGE_FONT;
extern const SettingKey HEADER_RGB;
extern const SettingKey VIEW_RGB;
extern const SettingKey MSG_RGB;
extern const SettingKey TitlePixel;
extern const SettingKey MsgPixel;
extern const SettingKey leTitle;
extern const SettingKey leMessage;
extern const SettingKey sbSaveInterval;
extern const SettingKey rbAuto;
extern const SettingKey sbStart;
extern const SettingKey sbStop;
extern const SettingKey sbCo2;
extern const SettingKey sbMoney;
extern const SettingKey co2symbol;
extern const SettingKey event_type;
extern const SettingKey event_type_83;
// The MQTT publisher (off unless MQTT_ENABLED is 1 and MQTT_HOST is set).
extern const SettingKey MQTT_ENABLED;
extern const SettingKey MQTT_HOST;
extern const SettingKey MQTT_PORT;
extern const SettingKey MQTT_TLS;
extern const SettingKey MQTT_CA_FILE;
extern const SettingKey MQTT_USER;
extern const SettingKey MQTT_PASSWORD;
extern const SettingKey MQTT_CLIENT_ID;
extern const SettingKey MQTT_SITE;
extern const SettingKey MQTT_TOPIC_PREFIX;
extern const SettingKey MQTT_QOS;
extern const SettingKey MQTT_RETAIN;
extern const SettingKey MQTT_DISCOVERY_PREFIX;
// Alarm mail: how the dialogue with the server is protected ("none", "starttls"
// or "tls"), and a PEM file of CA certificates trusted besides the system's.
extern const SettingKey MAIL_ENCRYPTION;
extern const SettingKey MAIL_CA_FILE;

// The alarm-mail error selection of one family (0 EUR, 1 USA0, 2 USA1) and
// error word index (0 to 3): EUR_ERR0 ... USA1_ERR3.
const SettingKey &alarmErrors(int familyIndex, int wordIndex);

// The values the one-time view reset writes.
extern const char *const kResetShowField;
extern const char *const kResetViewSeq;
} // namespace Setting
