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

QByteArray Accesso::Credenziale(const QByteArray& autorizzazione, const QByteArray& cookie) {
    const QByteArray a = autorizzazione.trimmed();
    if (a.size() > 7 && a.left(7).compare("bearer ", Qt::CaseInsensitive) == 0) {
        return a.mid(7).trimmed();
    }
    for (const QByteArray& parte : cookie.split(';')) {
        const QByteArray p = parte.trimmed();
        if (p.startsWith(NomeCookie() + '=')) {
            return p.mid(NomeCookie().size() + 1);
        }
    }
    return {};
}

// Every byte compared whatever the first difference: the time taken tells nothing.
bool Accesso::Uguale(const QByteArray& credenziale) const {
    if (segreto_.isEmpty() || credenziale.size() != segreto_.size()) {
        return false;
    }
    unsigned char diversi = 0;
    for (qsizetype i = 0; i < segreto_.size(); ++i) {
        diversi |= static_cast<unsigned char>(segreto_[i] ^ credenziale[i]);
    }
    return diversi == 0;
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

int Accesso::Valuta(const QString& indirizzo, const QByteArray& credenziale, qint64 adesso) {
    if (!lan_ && !IndirizzoLocale(indirizzo)) {
        return 403;
    }
    auto& fallimenti = Fallimenti(indirizzo, adesso);
    if (static_cast<int>(fallimenti.size()) >= MassimoFallimenti) {
        return 429;
    }
    if (!Uguale(credenziale)) {
        fallimenti.push_back(adesso);
        return 401;
    }
    return 200;
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
