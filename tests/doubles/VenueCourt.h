#pragma once

#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "platform/qt/MosquittoClient.h"

// One court: a started console on the platform doubles with a real broker client, its
// settings naming the broker on `port` (0: no broker) and the court `name` of venue "gym".
struct VenueCourt {
    VenueCourt(quint16 port, const QString& name, const QString& password = {}) {
        auto& s = a.f.settings.values;
        s[QStringLiteral("HubPort")] = QStringLiteral("0");
        if (port != 0) {
            s[QStringLiteral("MqttHost")] = QStringLiteral("127.0.0.1");
            s[QStringLiteral("MqttPort")] = QString::number(port);
            s[QStringLiteral("Venue")] = QStringLiteral("gym");
            s[QStringLiteral("Court")] = name;
        }
        if (!password.isEmpty()) {
            s[QStringLiteral("MqttUser")] = QStringLiteral("court");
            s[QStringLiteral("MqttPassword")] = password;
        }
        console.load();
    }
    void Points(int side, int count) {
        for (int i = 0; i < count; ++i) {
            console.changeScore(side);
        }
    }
    Environment a;
    MosquittoClient client;
    Platform platform{a.f.dialogs, a.f.settings, a.f.folders, a.f.clock, a.f.shell, a.f.process,
                      a.f.audio,   a.f.modal,    a.f.live,    a.f.disk,  &client};
    ConsoleProbe console{platform};
};
