#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <optional>

// One HTTP/1.x request as it came off the wire.
struct ParsedRequest {
    QByteArray Method;
    QByteArray Target;                            // path and query, still percent-encoded
    QList<QPair<QByteArray, QByteArray>> Headers; // names in lower case, in order
    QByteArray Body;
    bool CloseAfter = false; // HTTP/1.0 or Connection: close

    QByteArray Header(const QByteArray& lowerName) const;
    int Count(const QByteArray& lowerName) const;
};

// Reads requests one after the other from a connection's bytes, holding at most one request's
// worth: the caller feeds it only `Room()` bytes, so a client that pipelines without end is
// slowed by its own TCP window, never by our memory. Each byte is looked at a bounded number
// of times, so many pipelined requests cost linear time. Anything it does not accept ends the
// connection with the status it gives: no body on GET or HEAD, no Transfer-Encoding (chunked
// bodies are not needed by any client of ours), one Content-Length at most.
class HttpParser {
  public:
    static constexpr int MaxRequestLine = 2048;
    static constexpr int MaxHead = 8192;
    static constexpr int MaxBody = 1024;

    struct Result {
        std::optional<ParsedRequest> Request; // a whole request
        int Refusal = 0;                      // else a status that ends the connection
    };

    void Append(const QByteArray& bytes) { buffer_ += bytes; }
    // How many more bytes it may be given now.
    qsizetype Room() const { return MaxHead + MaxBody - buffer_.size(); }
    // True while part of a request is waiting for the rest.
    bool Partial() const { return !buffer_.isEmpty(); }
    // The next request, a refusal, or neither when more bytes are needed.
    Result Next();

  private:
    Result ParseHead(qsizetype headEnd);

    QByteArray buffer_;
    qsizetype scanned_ = 0; // where the search for the head's end goes on
    std::optional<ParsedRequest> waitingForBody_;
    qsizetype bodyLength_ = 0;
};
