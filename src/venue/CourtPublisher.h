#pragma once

#include "platform/Mqtt.h"

#include <QMap>
#include <QObject>
#include <QString>

// One court's side of the venue: its state after every change, its presence, and every
// finished match. Finished matches wait in an outbox folder until the broker has them, so a
// broker that comes and goes loses none; the venue counts each id once.
class CourtPublisher : public QObject {
    Q_OBJECT
  public:
    CourtPublisher(MqttClient& client, QString venue, QString court, QString outbox);
    ~CourtPublisher() override;

    void Start(MqttOptions options);
    // The state document (as /state.json), court name added; only the newest one matters.
    void PublishState(const QByteArray& stateJson);
    // A finished match's file; false when it holds no point or the outbox cannot keep it.
    bool PublishResult(const QStringList& matchFileLines);

    MqttState State() const { return state_; }
    const QString& Reason() const { return reason_; }
    int Waiting() const;
    const QString& Court() const { return court_; }

  signals:
    void StateChanged(MqttState state, const QString& reason);

  private:
    void OnState(MqttState state, const QString& reason);
    void OnPublished(int id);
    void SendOutbox();

    MqttClient& client_;
    QString venue_;
    QString court_;
    QString outbox_;
    QByteArray lastState_;
    MqttState state_ = MqttState::Off;
    QString reason_;
    QMap<int, QString> inFlight_; // message id → outbox file
};
