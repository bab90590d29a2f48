#pragma once

#include "platform/Mqtt.h"

#include <QStringList>
#include <atomic>
#include <mutex>

struct mosquitto;

// The only file that knows libmosquitto.
class MosquittoClient : public MqttClient {
  public:
    MosquittoClient();
    ~MosquittoClient() override;
    void Start(const MqttOptions& options) override;
    void Stop() override;
    int Publish(const QString& topic, const QByteArray& payload, int qos, bool retain) override;
    void Subscribe(const QString& pattern) override;
    // For tests: the network thread stops without a goodbye, as when the program is killed.
    void Vanish();

  private:
    static void Connected(mosquitto*, void* self, int rc);
    static void Disconnected(mosquitto*, void* self, int rc);
    static void Published(mosquitto*, void* self, int id);
    static void Received(mosquitto*, void* self, const struct mosquitto_message* message);
    void Tell(MqttState state, const QString& reason);

    mosquitto* handle_ = nullptr;
    std::mutex mutex_;
    QStringList subscriptions_;
    std::atomic<bool> running_ = false;
    std::atomic<bool> refused_ = false;
};
