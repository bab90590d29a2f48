#include "venue/BrokerOptions.h"

#include "shared/SettingsTable.h"

MqttOptions BrokerOptions(const Settings& settings) {
    MqttOptions o;
    o.host = ReadText(settings, Setting::MqttHost).trimmed();
    o.port = static_cast<quint16>(ReadNumber(settings, Setting::MqttPort));
    o.user = ReadText(settings, Setting::MqttUser);
    o.password = ReadText(settings, Setting::MqttPassword);
    o.tls = ReadFlag(settings, Setting::MqttTls);
    o.caFile = ReadText(settings, Setting::MqttCaFile);
    return o;
}
