#pragma once

#include "live/Instradatore.h"

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <functional>

class ServerLive;

// The live output: serves the routes and pushes the state to every event stream once per
// change. Changes in the same event-loop turn go out as one push of the newest state.
class Diffusione : public QObject {
    Q_OBJECT
public:
    using FonteStato = std::function<QJsonObject(qint64 versione)>;
    Diffusione(ServerLive& server, FonteStato stato, std::function<QString()> cartellaDati);

    // False when the port is taken; the program goes on without the server.
    bool Avvia(quint16 porta, bool lan);
    void Ferma();
    bool Attiva() const;
    quint16 Porta() const;
    // The console's one change notice.
    void Cambiata();
    // Sends now what a pending notice would send at the end of the turn.
    void InviaOra();

    QByteArray StatoJson() const;
    // Requests the routes do not serve (the remote control) go here first when it says so.
    void ImpostaControllo(std::function<bool(const QByteArray&)> suo,
                          std::function<RispostaHttp(const RichiestaHttp&)> gestore) {
        controlloSuo_ = std::move(suo);
        controllo_ = std::move(gestore);
    }
    qint64 Versione() const { return versione_; }

private:
    ServerLive& server_;
    FonteStato stato_;
    Instradatore instradatore_;
    std::function<bool(const QByteArray&)> controlloSuo_;
    std::function<RispostaHttp(const RichiestaHttp&)> controllo_;
    qint64 versione_ = 1;
    bool inAttesa_ = false;
    QTimer battito_;
};
