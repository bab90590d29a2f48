#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// One request as the live server hands it over: only what the routes look at.
struct HttpRequest {
    QByteArray Method;
    QByteArray Target;          // path and query, as sent (still percent-encoded)
    QByteArray UnlessItMatches; // If-None-Match
    QByteArray Authorization;   // Authorization
    QByteArray Cookie;
    QByteArray Origin;     // Origin
    QByteArray FetchSite;  // Sec-Fetch-Site
    bool FromPage = false; // X-Brivanta: sent only by our own pages' scripts
    QByteArray Agent;      // User-Agent
    QString Address;       // the peer's address
    QByteArray Host;       // the Host header, checked by the server
    quint64 Id = 0;        // names the request for a later answer
};

struct HttpAnswer {
    int State = 200;
    QByteArray Type;
    QByteArray Body;
    QList<QPair<QByteArray, QByteArray>> Headers;
    // A picture: sent from this file a piece at a time as its client reads, so a connection
    // that never reads holds a few pieces, not the whole picture. `Body` stays empty.
    QString File;
    // An event stream: the body is its first event and the connection stays open.
    bool Stream = false;
    // Answered later through `LiveServer::Complete`.
    bool Deferred = false;
};

// What the server holds to on the wire, before a request reaches the routes.
namespace HttpLimits {
constexpr int RequestLine = 2048; // bytes of the request line
constexpr int Headers = 8192;     // bytes of the whole request head
constexpr int Body = 1024;        // a POST's body; a GET or HEAD carries none
constexpr int Clients = 128;      // connections at once; when full, a stranger's idle one goes
// Per address (an IPv6 /64 counts as one: a phone has all of it), far below the pools so a
// handful of guests cannot fill them; this machine's own address has no such limit.
constexpr int ClientsPerAddress = 16;
constexpr int Streams = 64;             // event streams at once: half the connections stay free
constexpr int StreamsPerAddress = 12;   // an OBS machine on the LAN with its sources open
constexpr int Idle = 30000;             // ms a connection may stay silent, event streams apart
constexpr int Request = 10000;          // ms a request may take to arrive whole
constexpr int Beat = 15000;             // ms between the comment lines that keep a stream alive
constexpr qint64 SoftExit = 64 * 1024;  // pending output past which a connection's next
                                        // request waits for its client to read
constexpr qint64 MaxExit = 1024 * 1024; // past which a stream is dropped
constexpr qint64 Piece = 16 * 1024;     // of a file, written while less than SoftExit waits
} // namespace HttpLimits

QByteArray StateText(int state);
