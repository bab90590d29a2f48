#include "control/Accesso.h"

#include "platform/Impostazioni.h"

#include <QRandomGenerator>

namespace {
// Beyond this many addresses the oldest records go: a flood of addresses cannot grow memory.
constexpr int MassimoIndirizzi = 1024;
} // namespace

// 127.0.0.0/8 and ::1, also as IPv4 mapped into IPv6 (a dual-stack socket's peer).
bool IndirizzoLocale(const QString& indirizzo) {
    QString a = indirizzo.toLower();
    if (a.startsWith(QStringLiteral("::ffff:"))) {
        a = a.mid(7);
    }
    if (a == QStringLiteral("::1") || a == QStringLiteral("0:0:0:0:0:0:0:1")) {
        return true;
    }
    const QStringList parti = a.split(u'.');
    if (parti.size() != 4 || parti[0] != QStringLiteral("127")) {
        return false;
    }
    for (const QString& p : parti) {
        bool ok = false;
        const int n = p.toInt(&ok);
        if (!ok || n < 0 || n > 255) {
            return false;
        }
    }
    return true;
}

QString Accesso::NuovoSegreto() {
    QByteArray byte(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(byte.data()), 4);
    return QString::fromLatin1(byte.toHex());
}

namespace {

// Every byte compared whatever the first difference: the time taken tells nothing.
bool Uguali(const QByteArray& a, const QByteArray& b) {
    if (a.isEmpty() || a.size() != b.size()) {
        return false;
    }
    unsigned char diversi = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        diversi |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return diversi == 0;
}

} // namespace

Accesso::Credenziali Accesso::Leggi(const QByteArray& autorizzazione, const QByteArray& cookie) const {
    Credenziali c;
    const QByteArray a = autorizzazione.trimmed();
    if (a.size() > 7 && a.left(7).compare("bearer ", Qt::CaseInsensitive) == 0) {
        c.bearer = a.mid(7).trimmed();
    }
    for (const QByteArray& parte : cookie.split(';')) {
        const QByteArray p = parte.trimmed();
        if (p.startsWith(NomeCookie() + '=')) {
            c.dispositivo = p.mid(NomeCookie().size() + 1);
        }
    }
    return c;
}

std::deque<qint64>& Accesso::Fallimenti(const QString& indirizzo, qint64 adesso) {
    if (!fallimenti_.contains(indirizzo) && fallimenti_.size() >= MassimoIndirizzi) {
        fallimenti_.removeIf([adesso](const auto& voce) {
            return voce.value().empty() || voce.value().back() <= adesso - Finestra;
        });
        if (fallimenti_.size() >= MassimoIndirizzi) {
            fallimenti_.erase(fallimenti_.begin());
        }
    }
    auto& elenco = fallimenti_[indirizzo];
    while (!elenco.empty() && elenco.front() <= adesso - Finestra) {
        elenco.pop_front();
    }
    return elenco;
}

void Accesso::Scaduti(qint64 adesso) {
    dispositivi_.removeIf([adesso](const Associato& d) { return d.dati.ultimo + ScadenzaDispositivo <= adesso; });
    codici_.removeIf([adesso](const auto& voce) { return voce.value() <= adesso; });
}

int Accesso::Valuta(const QString& indirizzo, const Credenziali& credenziali, qint64 adesso) {
    if (!lan_ && !IndirizzoLocale(indirizzo)) {
        return 403;
    }
    // No secret at all is a page or a link without one, not an attack: it counts for nothing.
    if (credenziali.bearer.isEmpty() && credenziali.dispositivo.isEmpty()) {
        return 401;
    }
    if (!credenziali.bearer.isEmpty() && Uguali(credenziali.bearer, segreto_)) {
        return 200;
    }
    Scaduti(adesso);
    if (!credenziali.dispositivo.isEmpty()) {
        for (Associato& d : dispositivi_) {
            if (Uguali(credenziali.dispositivo, d.segreto)) {
                d.dati.ultimo = adesso;
                d.dati.indirizzo = indirizzo;
                return 200;
            }
        }
    }
    auto& fallimenti = Fallimenti(indirizzo, adesso);
    if (static_cast<int>(fallimenti.size()) >= MassimoFallimenti) {
        return 429;
    }
    fallimenti.push_back(adesso);
    return 401;
}

QString Accesso::NuovoCodice(qint64 adesso) {
    Scaduti(adesso);
    const QString codice = NuovoSegreto();
    codici_.insert(codice.toLatin1(), adesso + DurataCodice);
    return codice;
}

QByteArray Accesso::Associa(const QByteArray& codice, const QString& indirizzo, const QByteArray& agente,
                            qint64 adesso) {
    Scaduti(adesso);
    QByteArray trovato;
    for (auto it = codici_.cbegin(); it != codici_.cend(); ++it) {
        if (Uguali(codice, it.key())) {
            trovato = it.key();
        }
    }
    if (trovato.isEmpty() || (!lan_ && !IndirizzoLocale(indirizzo))) {
        return {};
    }
    codici_.remove(trovato);
    if (dispositivi_.size() >= MassimoDispositivi) {
        dispositivi_.removeFirst();
    }
    Associato nuovo;
    nuovo.segreto = NuovoSegreto().toLatin1();
    nuovo.dati = {++ultimoNumero_, NomeBrowser(agente), indirizzo, adesso};
    dispositivi_.append(nuovo);
    return nuovo.segreto;
}

QList<Accesso::Dispositivo> Accesso::Dispositivi(qint64 adesso) {
    Scaduti(adesso);
    QList<Dispositivo> elenco;
    for (const Associato& d : dispositivi_) {
        elenco.append(d.dati);
    }
    return elenco;
}

void Accesso::Revoca(quint64 numero) {
    dispositivi_.removeIf([numero](const Associato& d) { return d.dati.numero == numero; });
}

void Accesso::RevocaTutto() {
    dispositivi_.clear();
    codici_.clear();
}

QString NomeBrowser(const QByteArray& agente) {
    const auto ha = [&agente](const char* parola) { return agente.contains(parola); };
    const QString browser = ha("Firefox/")  ? QStringLiteral("Firefox")
                            : ha("Edg")     ? QStringLiteral("Edge")
                            : ha("OPR/")    ? QStringLiteral("Opera")
                            : ha("SamsungBrowser") ? QStringLiteral("Samsung Internet")
                            : ha("Chrome/") || ha("CriOS/") ? QStringLiteral("Chrome")
                            : ha("Safari/") ? QStringLiteral("Safari")
                                            : QStringLiteral("Browser");
    const QString sistema = ha("Android") ? QStringLiteral("Android")
                            : ha("iPhone") ? QStringLiteral("iPhone")
                            : ha("iPad")   ? QStringLiteral("iPad")
                            : ha("Windows") ? QStringLiteral("Windows")
                            : ha("Mac OS")  ? QStringLiteral("Mac")
                            : ha("Linux")   ? QStringLiteral("Linux")
                                            : QString();
    return sistema.isEmpty() ? browser : browser + QStringLiteral(" (") + sistema + u')';
}

QString RinnovaSegreto(Impostazioni& impostazioni) {
    const QString segreto = Accesso::NuovoSegreto();
    impostazioni.Scrivi(QStringLiteral("HubToken"), segreto);
    return segreto;
}

QString SegretoRemoto(const Impostazioni& impostazioni) {
    const QString salvato = impostazioni.Leggi(QStringLiteral("HubToken")).trimmed();
    bool esadecimale = salvato.size() == 32;
    for (const QChar c : salvato) {
        esadecimale = esadecimale && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'));
    }
    return esadecimale ? salvato : Accesso::NuovoSegreto();
}
