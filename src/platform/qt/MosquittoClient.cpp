#include "platform/qt/MosquittoClient.h"

#include <mosquitto.h>

namespace {

// Messages from the broker bigger than this are dropped by the library itself.
constexpr int MaxIncoming = 1024 * 1024;

struct Library {
    Library() { mosquitto_lib_init(); }
    ~Library() { mosquitto_lib_cleanup(); }
};

void EnsureLibrary() {
    static Library library;
}

} // namespace

MosquittoClient::MosquittoClient() {
    EnsureLibrary();
}

MosquittoClient::~MosquittoClient() {
    Stop();
}

void MosquittoClient::Start(const MqttOptions& o) {
    Stop();
    const QByteArray id = o.clientId.toUtf8();
    handle_ = mosquitto_new(id.isEmpty() ? nullptr : id.constData(), true, this);
    if (handle_ == nullptr) {
        Tell(MqttState::Refused, QStringLiteral("out of memory"));
        return;
    }
    mosquitto_int_option(handle_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_int_option(handle_, MOSQ_OPT_RECEIVE_MAXIMUM, 100);
    mosquitto_reconnect_delay_set(handle_, 1, 30, true);
    mosquitto_connect_callback_set(handle_, &MosquittoClient::Connected);
    mosquitto_disconnect_callback_set(handle_, &MosquittoClient::Disconnected);
    mosquitto_publish_callback_set(handle_, &MosquittoClient::Published);
    mosquitto_message_callback_set(handle_, &MosquittoClient::Received);
    if (!o.user.isEmpty()) {
        mosquitto_username_pw_set(handle_, o.user.toUtf8().constData(),
                                  o.password.isEmpty() ? nullptr : o.password.toUtf8().constData());
    }
    if (o.tls) {
        const QByteArray ca = o.caFile.toUtf8();
        mosquitto_tls_set(handle_, ca.isEmpty() ? nullptr : ca.constData(),
                          ca.isEmpty() ? "/etc/ssl/certs" : nullptr, nullptr, nullptr, nullptr);
    }
    if (!o.willTopic.isEmpty()) {
        mosquitto_will_set(handle_, o.willTopic.toUtf8().constData(),
                           static_cast<int>(o.willPayload.size()), o.willPayload.constData(), 1,
                           true);
    }
    Tell(MqttState::Connecting, {});
    running_ = true;
    // A first attempt that fails is retried by the network thread with the same back-off.
    mosquitto_connect_async(handle_, o.host.toUtf8().constData(), o.port, o.keepAliveSeconds);
    mosquitto_loop_start(handle_);
}

void MosquittoClient::Stop() {
    if (handle_ == nullptr) {
        return;
    }
    running_ = false;
    mosquitto_disconnect(handle_);
    mosquitto_loop_stop(handle_, false);
    mosquitto_destroy(handle_);
    handle_ = nullptr;
    Tell(MqttState::Off, {});
}

void MosquittoClient::Vanish() {
    if (handle_ == nullptr) {
        return;
    }
    running_ = false;
    mosquitto_loop_stop(handle_, true);
    mosquitto_destroy(handle_);
    handle_ = nullptr;
}

int MosquittoClient::Publish(const QString& topic, const QByteArray& payload, int qos,
                             bool retain) {
    if (handle_ == nullptr) {
        return 0;
    }
    int id = 0;
    const int rc =
        mosquitto_publish(handle_, &id, topic.toUtf8().constData(),
                          static_cast<int>(payload.size()), payload.constData(), qos, retain);
    // While disconnected the library keeps QoS 1 messages for the next connection.
    return rc == MOSQ_ERR_SUCCESS || rc == MOSQ_ERR_NO_CONN ? id : 0;
}

void MosquittoClient::Subscribe(const QString& pattern) {
    {
        std::lock_guard lock(mutex_);
        subscriptions_ << pattern;
    }
    if (handle_ != nullptr) {
        mosquitto_subscribe(handle_, nullptr, pattern.toUtf8().constData(), 1);
    }
}

void MosquittoClient::Connected(mosquitto* m, void* self, int rc) {
    auto* c = static_cast<MosquittoClient*>(self);
    if (rc != 0) {
        // The library retries; the operator keeps seeing why until a connection succeeds.
        c->refused_ = true;
        c->Tell(MqttState::Refused, QString::fromUtf8(mosquitto_connack_string(rc)));
        return;
    }
    c->refused_ = false;
    QStringList subscriptions;
    {
        std::lock_guard lock(c->mutex_);
        subscriptions = c->subscriptions_;
    }
    for (const QString& s : subscriptions) {
        mosquitto_subscribe(m, nullptr, s.toUtf8().constData(), 1);
    }
    c->Tell(MqttState::Connected, {});
}

void MosquittoClient::Disconnected(mosquitto*, void* self, int rc) {
    auto* c = static_cast<MosquittoClient*>(self);
    if (c->running_ && rc != 0 && !c->refused_) {
        c->Tell(MqttState::Connecting, QString::fromUtf8(mosquitto_strerror(rc)));
    }
}

void MosquittoClient::Published(mosquitto*, void* self, int id) {
    auto* c = static_cast<MosquittoClient*>(self);
    if (c->onPublished) {
        c->onPublished(id);
    }
}

void MosquittoClient::Received(mosquitto*, void* self, const mosquitto_message* message) {
    auto* c = static_cast<MosquittoClient*>(self);
    if (c->onMessage && message->payloadlen <= MaxIncoming) {
        c->onMessage(QString::fromUtf8(message->topic),
                     QByteArray(static_cast<const char*>(message->payload), message->payloadlen));
    }
}

void MosquittoClient::Tell(MqttState state, const QString& reason) {
    if (onState) {
        onState(state, reason);
    }
}
