#include "live/Broadcast.h"

#include "live/Snapshot.h"
#include "platform/LiveServer.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
QByteArray Compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
} // namespace

Broadcast::Broadcast(LiveServer& server, StateSource state, std::function<QString()> dataFolder)
    : server_(server), state_(std::move(state)),
      router_({[this] { return StateJson(); },
               [this] {
                   return QJsonDocument(QJsonArray{VmixFlat(state_(version_))})
                       .toJson(QJsonDocument::Compact);
               },
               [this] { return VmixXml(VmixFlat(state_(version_))); }, std::move(dataFolder)}) {
    beat_.setInterval(HttpLimits::Beat);
    connect(&beat_, &QTimer::timeout, this, [this] { server_.Broadcast(": ping\n\n"); });
}

bool Broadcast::Start(quint16 port, bool lan) {
    server_.Handler = [this](const HttpRequest& r) {
        if (control_ && ownControl_(r.Target)) {
            return control_(r);
        }
        return router_.Reply(r);
    };
    if (!server_.Start(port, lan)) {
        return false;
    }
    beat_.start();
    return true;
}

void Broadcast::Stop() {
    beat_.stop();
    server_.Stop();
}

bool Broadcast::Active() const {
    return server_.Port() != 0;
}

quint16 Broadcast::Port() const {
    return server_.Port();
}

void Broadcast::Changed() {
    ++version_;
    if (pending_ || !Active()) {
        return;
    }
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_) {
            SendNow();
        }
    });
}

void Broadcast::SendNow() {
    pending_ = false;
    if (server_.Streams() > 0) {
        server_.Broadcast(StateEvent(StateJson()));
    }
}

QByteArray Broadcast::StateJson() const {
    return Compact(state_(version_));
}
