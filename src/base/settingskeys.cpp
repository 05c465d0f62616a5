#include "base/settingskeys.h"

namespace Setting {

using T = SettingType;

const SettingKey LANG{"LANG", T::Int, "0"}; // start-up reads it with -1: ask the user
const SettingKey VIEW_SEQ{"VIEW_SEQ", T::String, nullptr};
const SettingKey ShowField{"ShowField", T::String, nullptr};
const SettingKey INV_ADDR{"INV_ADDR", T::String, nullptr};
const SettingKey COMPortFrm_com_name{"COMPortFrm_com_name", T::String, ""};
const SettingKey COMPortFrm_baud_index{"COMPortFrm_baud_index", T::Int, "3"};
const SettingKey auto_search{"auto_search", T::Int, "-1"};
const SettingKey auto_search_time{"auto_search_time", T::Int, "0"};
const SettingKey BK_IMG{"BK_IMG", T::String, nullptr};
const SettingKey HEADER_FONT{"HEADER_FONT", T::String, nullptr};
const SettingKey VIEW_FONT{"VIEW_FONT", T::String, nullptr};
const SettingKey MESSAGE_FONT{"MESSAGE_FONT", T::String, nullptr};
const SettingKey HEADER_RGB{"HEADER_RGB", T::String, nullptr};
const SettingKey VIEW_RGB{"VIEW_RGB", T::String, nullptr};
const SettingKey MSG_RGB{"MSG_RGB", T::String, nullptr};
const SettingKey TitlePixel{"TitlePixel", T::Int, nullptr};
const SettingKey MsgPixel{"MsgPixel", T::Int, nullptr};
const SettingKey leTitle{"leTitle", T::String, nullptr};
const SettingKey leMessage{"leMessage", T::String, nullptr};
const SettingKey sbSaveInterval{"sbSaveInterval", T::Int, nullptr};
const SettingKey rbAuto{"rbAuto", T::Int, nullptr};
const SettingKey sbStart{"sbStart", T::Int, nullptr};
const SettingKey sbStop{"sbStop", T::Int, nullptr};
const SettingKey sbCo2{"sbCo2", T::Double, nullptr};
const SettingKey sbMoney{"sbMoney", T::Double, nullptr};
const SettingKey co2symbol{"co2symbol", T::Int, nullptr};
const SettingKey event_type{"event_type", T::String, ""};
const SettingKey event_type_83{"event_type_83", T::String, ""};
const SettingKey MQTT_ENABLED{"MQTT_ENABLED", T::Int, "0"};
const SettingKey MQTT_HOST{"MQTT_HOST", T::String, ""};
const SettingKey MQTT_PORT{"MQTT_PORT", T::Int, nullptr}; // 1883, or 8883 with TLS
const SettingKey MQTT_TLS{"MQTT_TLS", T::Int, "0"};
const SettingKey MQTT_CA_FILE{"MQTT_CA_FILE", T::String, ""}; // trusted besides the system's certificates
const SettingKey MQTT_USER{"MQTT_USER", T::String, ""};
const SettingKey MQTT_PASSWORD{"MQTT_PASSWORD", T::String, ""};
const SettingKey MQTT_CLIENT_ID{"MQTT_CLIENT_ID", T::String, nullptr}; // lumora-<site>
const SettingKey MQTT_SITE{"MQTT_SITE", T::String, nullptr};           // from leTitle
const SettingKey MQTT_TOPIC_PREFIX{"MQTT_TOPIC_PREFIX", T::String, nullptr}; // lumora/<site>
const SettingKey MQTT_QOS{"MQTT_QOS", T::Int, "1"};
const SettingKey MQTT_RETAIN{"MQTT_RETAIN", T::Int, "1"};
const SettingKey MQTT_DISCOVERY_PREFIX{"MQTT_DISCOVERY_PREFIX", T::String, "homeassistant"}; // empty: none
const SettingKey MAIL_ENCRYPTION{"MAIL_ENCRYPTION", T::String, "none"};
const SettingKey MAIL_CA_FILE{"MAIL_CA_FILE", T::String, ""};

namespace {
const SettingKey kAlarmErrors[3][4] = {
    {{"EUR_ERR0", T::String, nullptr},
     {"EUR_ERR1", T::String, nullptr},
     {"EUR_ERR2", T::String, nullptr},
     {"EUR_ERR3", T::String, nullptr}},
    {{"USA0_ERR0", T::String, nullptr},
     {"USA0_ERR1", T::String, nullptr},
     {"USA0_ERR2", T::String, nullptr},
     {"USA0_ERR3", T::String, nullptr}},
    {{"USA1_ERR0", T::String, nullptr},
     {"USA1_ERR1", T::String, nullptr},
     {"USA1_ERR2", T::String, nullptr},
     {"USA1_ERR3", T::String, nullptr}},
};
} // namespace

const SettingKey &alarmErrors(int familyIndex, int wordIndex)
{
    Q_ASSERT(familyIndex >= 0 && familyIndex < 3 && wordIndex >= 0 && wordIndex < 4);
    return kAlarmErrors[familyIndex][wordIndex];
}

const char *const kResetShowField = "0,1,2,3,4,5,6,7";
const char *const kResetViewSeq = "0,7,1,8,2,3,9,10,6,13,20,27";

} // namespace Setting
