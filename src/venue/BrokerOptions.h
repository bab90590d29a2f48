#pragma once

#include "platform/Mqtt.h"

class Settings;

// The venue's broker as the settings give it (host, port, login, TLS); the host is empty when
// none is set.
MqttOptions BrokerOptions(const Settings& settings);
