#include "live/Diffusione.h"

#include "live/Istantanea.h"
#include "platform/ServerLive.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
QByteArray Compatto(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
} // namespace

Diffusione::Diffusione(ServerLive& server, FonteStato stato,
                       std::function<QString()> cartellaDati)
    : server_(server), stato_(std::move(stato)),
      instradatore_({[this] { return StatoJson(); },
                     [this] {
                         return QJsonDocument(QJsonArray{VmixPiatto(stato_(versione_))})
                             .toJson(QJsonDocument::Compact);
                     },
                     [this] { return VmixXml(VmixPiatto(stato_(versione_))); },
                     std::move(cartellaDati)}) {
    battito_.setInterval(LimitiHttp::Battito);
    connect(&battito_, &QTimer::timeout, this, [this] { server_.Diffondi(": ping\n\n"); });
}

bool Diffusione::Avvia(quint16 porta, bool lan) {
    server_.Gestore = [this](const RichiestaHttp& r) {
        if (controllo_ && controlloSuo_(r.Bersaglio)) {
            return controllo_(r);
        }
        return instradatore_.Rispondi(r);
    };
    if (!server_.Avvia(porta, lan)) {
        return false;
    }
    battito_.start();
    return true;
}

void Diffusione::Ferma() {
    battito_.stop();
    server_.Ferma();
}

bool Diffusione::Attiva() const {
    return server_.Porta() != 0;
}

quint16 Diffusione::Porta() const {
    return server_.Porta();
}

void Diffusione::Cambiata() {
    ++versione_;
    if (inAttesa_ || !Attiva()) {
        return;
    }
    inAttesa_ = true;
    QTimer::singleShot(0, this, [this] {
        if (inAttesa_) {
            InviaOra();
        }
    });
}

void Diffusione::InviaOra() {
    inAttesa_ = false;
    if (server_.Flussi() > 0) {
        server_.Diffondi(EventoStato(StatoJson()));
    }
}

QByteArray Diffusione::StatoJson() const {
    return Compatto(stato_(versione_));
}
