#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Where and how a program reaches the venue's MQTT broker.
struct MqttOptions {
    QString host;
    quint16 port = 1883;
    QString user;
    QString password;
    bool tls = false;
    QString caFile;
    QString clientId;
    // Published by the broker itself when this client goes without saying goodbye.
    QString willTopic;
    QByteArray willPayload;
    int keepAliveSeconds = 10;
};

enum class MqttState { Off, Connecting, Connected, Refused };

// A connection to an MQTT broker that keeps itself up: it reconnects on its own, waiting 1 s
// and doubling up to 30 s. Its network runs on a thread of its own, so publishing never waits
// for the network; the callbacks arrive on that thread.
class MqttClient {
  public:
    virtual ~MqttClient() = default;
    virtual void Start(const MqttOptions& options) = 0;
    // Says goodbye (no last will) and stops reconnecting.
    virtual void Stop() = 0;
    // Queued for the broker; the id `onPublished` reports when the broker has it (QoS 1), or 0
    // when the message was refused (too big, not started).
    virtual int Publish(const QString& topic, const QByteArray& payload, int qos, bool retain) = 0;
    // Kept across reconnections.
    virtual void Subscribe(const QString& pattern) = 0;

    // The state and, when refused or dropped, the broker's or the network's reason.
    std::function<void(MqttState, const QString& reason)> onState;
    std::function<void(int id)> onPublished;
    std::function<void(const QString& topic, const QByteArray& payload)> onMessage;
};
