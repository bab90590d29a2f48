#include "venue/CourtPublisher.h"

#include "shared/FileText.h"
#include "venue/Topics.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {
// How often a result kept in memory tries the outbox again.
constexpr int RetryMs = 5000;
} // namespace

CourtPublisher::CourtPublisher(MqttClient& client, QString venue, QString court, QString outbox)
    : client_(client), venue_(Topics::SafeName(venue)), court_(Topics::SafeName(court)),
      outbox_(std::move(outbox)) {
    retry_.setInterval(RetryMs);
    connect(&retry_, &QTimer::timeout, this, &CourtPublisher::RetryKept);
    // The client's callbacks come from its network thread; the publisher lives on this one.
    client_.onState = [this](MqttState s, const QString& reason) {
        QMetaObject::invokeMethod(
            this, [this, s, reason] { OnState(s, reason); }, Qt::QueuedConnection);
    };
    client_.onPublished = [this](int id) {
        QMetaObject::invokeMethod(
            this, [this, id] { OnPublished(id); }, Qt::QueuedConnection);
    };
}

CourtPublisher::~CourtPublisher() {
    client_.Stop();
    client_.onState = nullptr;
    client_.onPublished = nullptr;
}

void CourtPublisher::Start(MqttOptions options) {
    options.willTopic = Topics::Presence(venue_, court_);
    options.willPayload = "offline";
    if (options.clientId.isEmpty()) {
        options.clientId = QStringLiteral("brivanta-") + venue_ + u'-' + court_;
    }
    QDir().mkpath(outbox_);
    client_.Start(options);
}

void CourtPublisher::PublishState(const QByteArray& stateJson) {
    QJsonObject o = QJsonDocument::fromJson(stateJson).object();
    o.insert(QStringLiteral("court"), court_);
    lastState_ = QJsonDocument(o).toJson(QJsonDocument::Compact);
    if (state_ == MqttState::Connected) {
        client_.Publish(Topics::State(venue_, court_), lastState_, 1, true);
    }
}

bool CourtPublisher::PublishResult(const QStringList& lines) {
    const auto id = Topics::ResultId(lines);
    if (!id) {
        return false;
    }
    const QString path = QDir(outbox_).filePath(*id + QStringLiteral(".txt"));
    QString reason;
    if (!WriteWholeFile(path, EncodeLines(lines), &reason)) {
        if (kept_.isEmpty()) {
            emit ResultKept(outbox_, reason);
        }
        kept_.insert(*id, EncodeLines(lines));
        retry_.start();
        if (state_ == MqttState::Connected) {
            SendKept();
        }
        return true;
    }
    if (state_ == MqttState::Connected) {
        SendOutbox();
    }
    return true;
}

void CourtPublisher::RetryKept() {
    for (auto it = kept_.begin(); it != kept_.end();) {
        // One on its way from memory stays there: written too, it would be sent twice.
        const bool sending = std::find(keptInFlight_.cbegin(), keptInFlight_.cend(), it.key()) !=
                             keptInFlight_.cend();
        if (!sending && QDir().mkpath(outbox_) &&
            WriteWholeFile(QDir(outbox_).filePath(it.key() + QStringLiteral(".txt")), it.value())) {
            it = kept_.erase(it);
        } else {
            ++it;
        }
    }
    if (kept_.isEmpty()) {
        retry_.stop();
    }
    if (state_ == MqttState::Connected) {
        SendOutbox();
        SendKept();
    }
}

int CourtPublisher::Waiting() const {
    return static_cast<int>(
               QDir(outbox_).entryList({QStringLiteral("*.txt")}, QDir::Files).size()) +
           Kept();
}

void CourtPublisher::OnState(MqttState state, const QString& reason) {
    state_ = state;
    reason_ = reason;
    if (state == MqttState::Connected) {
        client_.Publish(Topics::Presence(venue_, court_), "online", 1, true);
        if (!lastState_.isEmpty()) {
            client_.Publish(Topics::State(venue_, court_), lastState_, 1, true);
        }
        inFlight_.clear();
        keptInFlight_.clear();
        SendOutbox();
        SendKept();
    }
    emit StateChanged(state, reason);
}

void CourtPublisher::SendOutbox() {
    const QDir dir(outbox_);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        if (std::find(inFlight_.cbegin(), inFlight_.cend(), path) != inFlight_.cend()) {
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString id = name.chopped(4);
        if (const int mid =
                client_.Publish(Topics::Result(venue_, court_, id), file.readAll(), 1, true)) {
            inFlight_.insert(mid, path);
        }
    }
}

void CourtPublisher::SendKept() {
    for (auto it = kept_.cbegin(); it != kept_.cend(); ++it) {
        if (std::find(keptInFlight_.cbegin(), keptInFlight_.cend(), it.key()) !=
            keptInFlight_.cend()) {
            continue;
        }
        if (const int mid =
                client_.Publish(Topics::Result(venue_, court_, it.key()), it.value(), 1, true)) {
            keptInFlight_.insert(mid, it.key());
        }
    }
}

void CourtPublisher::OnPublished(int id) {
    // The broker has it: the same id sent again after a restart would count once anyway.
    if (const auto it = inFlight_.find(id); it != inFlight_.end()) {
        QFile::remove(it.value());
        inFlight_.erase(it);
    }
    if (const auto it = keptInFlight_.find(id); it != keptInFlight_.end()) {
        kept_.remove(it.value());
        keptInFlight_.erase(it);
        if (kept_.isEmpty()) {
            retry_.stop();
        }
    }
}
