#pragma once

#include "platform/Http.h"
#include "platform/Mqtt.h"
#include "venue/VenueBoard.h"

#include <QObject>
#include <QTimer>

class LiveServer;

// The venue view: every court of the venue from the broker, served as /venue (tiles),
// /venue.json, /venue/events, /results and /results.csv; each finished match also kept once
// as a file in the results folder.
class VenueServer : public QObject {
    Q_OBJECT
  public:
    VenueServer(LiveServer& server, MqttClient& client, const QString& venue,
                QString resultsFolder);
    ~VenueServer() override;

    bool Start(quint16 port, const MqttOptions& options);
    const VenueBoard& Board() const { return board_; }
    MqttState Connection() const { return state_; }
    // On the program's thread: one message from the broker.
    void Receive(const QString& topic, const QByteArray& payload);
    HttpAnswer Reply(const HttpRequest& request) const;

  private:
    void KeepResults();
    HttpAnswer CourtPage(const QByteArray& path) const;

    LiveServer& server_;
    MqttClient& client_;
    VenueBoard board_;
    QString resultsFolder_;
    MqttState state_ = MqttState::Off;
    QTimer send_;
    bool pending_ = false;
    QTimer beat_;
};
