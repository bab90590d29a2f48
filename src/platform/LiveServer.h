#pragma once

#include "platform/Http.h"

#include <functional>

// The local HTTP server of the live output: it carries requests to `Handler` and keeps event
// streams open for `Broadcast`. Limits on the wire (sizes, clients, idle time) are its job.
class LiveServer {
  public:
    virtual ~LiveServer() = default;
    // Listens on 127.0.0.1, or on every interface with `lan`; port 0 takes a free one.
    // False when the port cannot be had.
    virtual bool Start(quint16 port, bool lan) = 0;
    virtual void Stop() = 0;
    // The port listened on; 0 when stopped.
    virtual quint16 Port() const = 0;
    // Appended to every open event stream.
    virtual void Broadcast(const QByteArray& data) = 0;
    virtual int Streams() const = 0;
    // The answer to a request the handler deferred; nothing when its client has gone.
    virtual void Complete(quint64 id, const HttpAnswer& answer) = 0;
    // Whether the client of a deferred request is still there to be answered.
    virtual bool Present(quint64 id) const = 0;

    std::function<HttpAnswer(const HttpRequest&)> Handler;
};
