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
class Accesso {
public:
    // 128 random bits as 32 hexadecimal digits.
    static QString NuovoSegreto();

    void ImpostaSegreto(const QString& segreto) { segreto_ = segreto.toLatin1(); }
    QString Segreto() const { return QString::fromLatin1(segreto_); }
    void ImpostaLan(bool lan) { lan_ = lan; }
    // Cookies ignore ports: the device cookie carries the port in its name, so another web
    // service on this machine never receives it.
    void ImpostaPorta(quint16 porta) { porta_ = porta; }
    QByteArray NomeCookie() const { return "brivanta_remote_" + QByteArray::number(porta_); }

    struct Credenziali {
        QByteArray bearer;      // Authorization: Bearer …
        QByteArray dispositivo; // the device cookie, when it may be trusted
    };
    Credenziali Leggi(const QByteArray& autorizzazione, const QByteArray& cookie) const;

    // 200, or the status that refuses the request: 403 from the LAN while it is off, 401
    // without a secret or with a wrong one, 429 for an address with too many wrong secrets.
    // `adesso` is in milliseconds on any steady clock.
    int Valuta(const QString& indirizzo, const Credenziali& credenziali, qint64 adesso);

    // Pairing: a code lives two minutes and is used once; the phone gets its device secret.
    QString NuovoCodice(qint64 adesso);
    // The new device's secret; empty when the code is unknown, spent or expired.
    QByteArray Associa(const QByteArray& codice, const QString& indirizzo, const QByteArray& agente,
                       qint64 adesso);
    struct Dispositivo {
        quint64 numero = 0;
        QString browser;
        QString indirizzo;
        qint64 ultimo = 0; // last use, on the same clock as `adesso`
    };
    // The paired phones, those unused for a day gone.
    QList<Dispositivo> Dispositivi(qint64 adesso);
    void Revoca(quint64 numero);
    // Every phone and every unused code: with a new secret, nobody paired before gets in.
    void RevocaTutto();

    static constexpr int MassimoFallimenti = 10;
    static constexpr qint64 Finestra = 60000;
    static constexpr qint64 DurataCodice = 120000;
    static constexpr qint64 ScadenzaDispositivo = 24LL * 3600 * 1000;
    static constexpr int MassimoDispositivi = 32;

private:
    std::deque<qint64>& Fallimenti(const QString& indirizzo, qint64 adesso);
    void Scaduti(qint64 adesso);

    struct Associato {
        Dispositivo dati;
        QByteArray segreto;
    };
    QByteArray segreto_;
    bool lan_ = false;
    quint16 porta_ = 0;
    QHash<QString, std::deque<qint64>> fallimenti_;
    QHash<QByteArray, qint64> codici_; // code -> when it expires
    QList<Associato> dispositivi_;
    quint64 ultimoNumero_ = 0;
};

bool IndirizzoLocale(const QString& indirizzo);
// "Chrome (Android)", "Safari (iPhone)", …: what the Remote window lists a phone as.
QString NomeBrowser(const QByteArray& agente);

class Impostazioni;
// The stored secret (`HubToken`); a new one, not yet stored, when none is stored or the stored
// one is not 32 hexadecimal digits. It is stored the first time the Remote window shows it.
QString SegretoRemoto(const Impostazioni& impostazioni);
// A new secret, stored: every phone and deck paired before is refused from now on.
QString RinnovaSegreto(Impostazioni& impostazioni);
