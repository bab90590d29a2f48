#pragma once

#include "platform/Mqtt.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

// One court's side of the venue: its state after every change, its presence, and every
// finished match. Finished matches wait in an outbox folder until the broker has them, so a
// broker that comes and goes loses none; the venue counts each id once. A result the outbox
// cannot take (a full disk) is kept in memory, sent from there, and written once it fits.
class CourtPublisher : public QObject {
    Q_OBJECT
  public:
    CourtPublisher(MqttClient& client, QString venue, QString court, QString outbox);
    ~CourtPublisher() override;

    void Start(MqttOptions options);
    // The state document (as /state.json), court name added; only the newest one matters.
    void PublishState(const QByteArray& stateJson);
    // A finished match's file; false when it holds no point.
    bool PublishResult(const QStringList& matchFileLines);
    // Tries the outbox again for the results kept in memory; a timer calls it while any is.
    void RetryKept();

    MqttState State() const { return state_; }
    const QString& Reason() const { return reason_; }
    // Results not yet acknowledged by the broker: in the outbox or kept in memory.
    int Waiting() const;
    int Kept() const { return static_cast<int>(kept_.size()); }
    const QString& Court() const { return court_; }

  signals:
    void StateChanged(MqttState state, const QString& reason);
    // The outbox refused a result: told once, until every kept result has left memory.
    void ResultKept(const QString& folder, const QString& reason);

  private:
    void OnState(MqttState state, const QString& reason);
    void OnPublished(int id);
    void SendOutbox();
    void SendKept();

    MqttClient& client_;
    QString venue_;
    QString court_;
    QString outbox_;
    QByteArray lastState_;
    MqttState state_ = MqttState::Off;
    QString reason_;
    QMap<int, QString> inFlight_;     // message id → outbox file
    QMap<QString, QByteArray> kept_;  // result id → match file the outbox could not take
    QMap<int, QString> keptInFlight_; // message id → kept result id
    QTimer retry_;
};
