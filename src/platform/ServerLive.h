#pragma once

#include "platform/Http.h"

#include <functional>

// The local HTTP server of the live output: it carries requests to `Gestore` and keeps event
// streams open for `Diffondi`. Limits on the wire (sizes, clients, idle time) are its job.
class ServerLive {
public:
    virtual ~ServerLive() = default;
    // Listens on 127.0.0.1, or on every interface with `lan`; port 0 takes a free one.
    // False when the port cannot be had.
    virtual bool Avvia(quint16 porta, bool lan) = 0;
    virtual void Ferma() = 0;
    // The port listened on; 0 when stopped.
    virtual quint16 Porta() const = 0;
    // Appended to every open event stream.
    virtual void Diffondi(const QByteArray& dati) = 0;
    virtual int Flussi() const = 0;
    // The answer to a request the handler deferred; nothing when its client has gone.
    virtual void Completa(quint64 id, const RispostaHttp& risposta) = 0;
    // Whether the client of a deferred request is still there to be answered.
    virtual bool Presente(quint64 id) const = 0;

    std::function<RispostaHttp(const RichiestaHttp&)> Gestore;
};
