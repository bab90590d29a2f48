#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <deque>

// Who may drive the match from the network, from loopback always, from the LAN only when the
// LAN is switched on: button decks and scripts with the Bearer secret (`HubToken`), phones
// with a device secret of their own, had by trading a one-time pairing code (the QR code).
// Only a wrong secret counts as a failure, and a right one is never refused.
class Access {
  public:
    // 128 random bits as 32 hexadecimal digits.
    static QString NewSecret();

    void SetSecret(const QString& secret) { secret_ = secret.toLatin1(); }
    QString Secret() const { return QString::fromLatin1(secret_); }
    void SetLan(bool lan) { lan_ = lan; }
    // Cookies ignore ports: the device cookie carries the port in its name, so another web
    // service on this machine never receives it.
    void SetPort(quint16 port) { port_ = port; }
    QByteArray CookieName() const { return "brivanta_remote_" + QByteArray::number(port_); }

    struct Credentials {
        QByteArray bearer; // Authorization: Bearer …
        QByteArray device; // the device cookie, when it may be trusted
    };
    Credentials Read(const QByteArray& authorization, const QByteArray& cookie) const;

    // 200, or the status that refuses the request: 403 from the LAN while it is off, 401
    // without a secret or with a wrong one, 429 for an address with too many wrong secrets.
    // `now` is in milliseconds on any steady clock.
    int Evaluate(const QString& address, const Credentials& credentials, qint64 now);

    // Pairing: a code lives two minutes and is used once; the phone gets its device secret.
    QString NewCode(qint64 now);
    // The new device's secret; empty when the code is unknown, spent or expired.
    QByteArray Bind(const QByteArray& code, const QString& address, const QByteArray& agent,
                    qint64 now);
    struct Device {
        quint64 number = 0;
        QString browser;
        QString address;
        qint64 last = 0; // last use, on the same clock as `now`
    };
    // The paired phones, those unused for a day gone.
    QList<Device> Devices(qint64 now);
    void Revoke(quint64 number);
    // The unused codes: once the QR code is no longer shown, nobody pairs with one seen before.
    void ForgetCodes() { codes_.clear(); }
    // Every phone and every unused code: with a new secret, nobody paired before gets in.
    void RevokeAll();

    static constexpr int MaxFailures = 10;
    static constexpr qint64 Window = 60000;
    static constexpr qint64 CodeDuration = 120000;
    static constexpr qint64 DeviceDeadline = 24LL * 3600 * 1000;
    static constexpr int MaxDevices = 32;

  private:
    std::deque<qint64>& Failures(const QString& address, qint64 now);
    void Expired(qint64 now);

    struct Bound {
        Device data;
        QByteArray secret;
    };
    QByteArray secret_;
    bool lan_ = false;
    quint16 port_ = 0;
    QHash<QString, std::deque<qint64>> failures_;
    QHash<QByteArray, qint64> codes_; // code -> when it expires
    QList<Bound> devices_;
    quint64 lastNumber_ = 0;
};

bool LocalAddress(const QString& address);
// "Chrome (Android)", "Safari (iPhone)", …: what the Remote window lists a phone as.
QString BrowserName(const QByteArray& agent);

class Settings;
// The stored secret (`HubToken`); a new one, not yet stored, when none is stored or the stored
// one is not 32 hexadecimal digits. It is stored the first time the Remote window shows it.
QString RemoteSecret(const Settings& settings);
// A new secret, stored: every phone and deck paired before is refused from now on.
QString RenewSecret(Settings& settings);
