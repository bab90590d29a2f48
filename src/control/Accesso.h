#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <deque>

// Who may drive the match from the network: the holder of the secret, from loopback always,
// from the LAN only when the LAN is switched on. Failures are counted per address.
class Accesso {
public:
    // 128 random bits as 32 hexadecimal digits.
    static QString NuovoSegreto();

    void ImpostaSegreto(const QString& segreto) { segreto_ = segreto.toLatin1(); }
    QString Segreto() const { return QString::fromLatin1(segreto_); }
    void ImpostaLan(bool lan) { lan_ = lan; }

    // 200, or the status that refuses the request: 403 from the LAN while it is off, 429 for
    // an address with too many recent failures, 401 for a missing or wrong secret.
    // `adesso` is in milliseconds on any steady clock.
    int Valuta(const QString& indirizzo, const QByteArray& credenziale, qint64 adesso);

    // The secret a request carries: a bearer header, else the page's cookie.
    static QByteArray Credenziale(const QByteArray& autorizzazione, const QByteArray& cookie);
    static QByteArray NomeCookie() { return "brivanta_remote"; }

    static constexpr int MassimoFallimenti = 10;
    static constexpr qint64 Finestra = 60000;

private:
    bool Uguale(const QByteArray& credenziale) const;
    std::deque<qint64>& Fallimenti(const QString& indirizzo, qint64 adesso);

    QByteArray segreto_;
    bool lan_ = false;
    QHash<QString, std::deque<qint64>> fallimenti_;
};

bool IndirizzoLocale(const QString& indirizzo);

class Impostazioni;
// The stored secret (`HubToken`); a new one, not yet stored, when none is stored or the stored
// one is not 32 hexadecimal digits. It is stored the first time the Remote window shows it.
QString SegretoRemoto(const Impostazioni& impostazioni);
// A new secret, stored: every phone and deck paired before is refused from now on.
QString RinnovaSegreto(Impostazioni& impostazioni);
