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
    QByteArray Origine;          // Origin
    QByteArray SitoFetch;        // Sec-Fetch-Site
    bool DallaPagina = false;    // X-Brivanta: sent only by our own pages' scripts
    QByteArray Agente;           // User-Agent
    QString Indirizzo;           // the peer's address
    QByteArray Host;             // the Host header, checked by the server
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
constexpr int Corpo = 1024;          // a POST's body; a GET or HEAD carries none
constexpr int Clienti = 128;         // connections at once; when full, the longest idle one goes
constexpr int ClientiPerIndirizzo = 64;
constexpr int Flussi = 64;           // event streams at once: half the connections stay free
constexpr int FlussiPerIndirizzo = 50; // an OBS machine with every source and page open
constexpr int Inattivo = 30000;      // ms a connection may stay silent, event streams apart
constexpr int Richiesta = 10000;     // ms a request may take to arrive whole
constexpr int Battito = 15000;       // ms between the comment lines that keep a stream alive
constexpr qint64 UscitaMorbida = 64 * 1024;   // pending output past which a connection's next
                                              // request waits for its client to read
constexpr qint64 UscitaMassima = 1024 * 1024; // past which a stream is dropped
} // namespace LimitiHttp

QByteArray TestoStato(int stato);
