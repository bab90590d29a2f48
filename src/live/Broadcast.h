#pragma once

#include "live/Router.h"

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <functional>

class LiveServer;

// The live output: serves the routes and pushes the state to every event stream once per
// change. Changes in the same event-loop turn go out as one push of the newest state.
class Broadcast : public QObject {
    Q_OBJECT
  public:
    using StateSource = std::function<QJsonObject(qint64 version)>;
    Broadcast(LiveServer& server, StateSource state, std::function<QString()> dataFolder);

    // False when the port is taken; the program goes on without the server.
    bool Start(quint16 port, bool lan);
    void Stop();
    bool Active() const;
    quint16 Port() const;
    // The console's one change notice.
    void Changed();
    // Sends now what a pending notice would send at the end of the turn.
    void SendNow();

    QByteArray StateJson() const;
    // Requests the routes do not serve (the remote control) go here first when it says so.
    void SetControl(std::function<bool(const QByteArray&)> its,
                    std::function<HttpAnswer(const HttpRequest&)> handler) {
        ownControl_ = std::move(its);
        control_ = std::move(handler);
    }
    qint64 Version() const { return version_; }

  private:
    LiveServer& server_;
    StateSource state_;
    Router router_;
    std::function<bool(const QByteArray&)> ownControl_;
    std::function<HttpAnswer(const HttpRequest&)> control_;
    qint64 version_ = 1;
    bool pending_ = false;
    QTimer beat_;
};
