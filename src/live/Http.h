#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// One request as the live server hands it over: only what the routes look at.
struct RichiestaHttp {
    QByteArray Metodo;
    QByteArray Bersaglio;        // path and query, as sent (still percent-encoded)
    QByteArray SeNonCorrisponde; // If-None-Match
    QByteArray Autorizzazione;   // Authorization
    QByteArray Cookie;
    QString Indirizzo;           // the peer's address
    quint64 Id = 0;              // names the request for a later answer
};

struct RispostaHttp {
    int Stato = 200;
    QByteArray Tipo;
    QByteArray Corpo;
    QList<QPair<QByteArray, QByteArray>> Intestazioni;
    // An event stream: the body is its first event and the connection stays open.
    bool Flusso = false;
    // Answered later through `ServerLive::Completa`.
    bool Differita = false;
};

// What the server holds to on the wire, before a request reaches the routes.
namespace LimitiHttp {
constexpr int RigaRichiesta = 2048;  // bytes of the request line
constexpr int Intestazioni = 8192;   // bytes of the whole request head
constexpr int Corpo = 1024;          // a GET or HEAD carries none: anything more is refused
constexpr int Clienti = 64;          // connections at once
constexpr int Inattivo = 30000;      // ms a connection may stay silent, event streams apart
constexpr int Battito = 15000;       // ms between the comment lines that keep a stream alive
} // namespace LimitiHttp

QByteArray TestoStato(int stato);
