#pragma once

#include "platform/HttpParser.h"
#include "platform/LiveServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>
#include <memory>

class QHostAddress;
class QTcpSocket;

// What the per-address limits count as one guest: an IPv4 address, or an IPv6 /64 (a phone
// is given the whole /64 and may use any address in it).
QString AddressGroup(const QHostAddress& peer);
// The laptop's own programs (the deck's software, OBS on this machine): 127.0.0.1 and ::1.
bool OwnAddress(const QHostAddress& peer);

// The live server on Qt's sockets, with our own request reader: every limit that keeps one
// guest on the hall's network from taking the server for himself is enforced here (see
// HttpLimits), before a request reaches the routes.
class QtLiveServer : public QObject, public LiveServer {
    Q_OBJECT
  public:
    explicit QtLiveServer(QObject* parent = nullptr);
    ~QtLiveServer() override;
    bool Start(quint16 port, bool lan) override;
    void Stop() override;
    quint16 Port() const override { return port_; }
    void Broadcast(const QByteArray& data) override;
    int Streams() const override;
    void Complete(quint64 id, const HttpAnswer& answer) override;
    bool Present(quint64 id) const override;

    // Drops what has been silent too long and half-sent requests that take too long; its timer
    // calls it every second with the server's clock. Tests call it with a later time.
    void Watch(qint64 nowMs);
    qint64 Now() const { return clock_.elapsed(); }
    int Connections() const { return static_cast<int>(connections_.size()); }
    // Bytes written to connections that their clients have not taken yet.
    qint64 Buffered() const;

  private:
    struct Connection {
        QPointer<QTcpSocket> socket;
        QString address;
        QString group; // see AddressGroup
        bool own = false;
        HttpParser parser;
        bool stream = false;         // an open event stream
        std::unique_ptr<QFile> file; // a picture still being sent
        qint64 fileLeft = 0;         // of the length announced for it
        bool close = false;          // closes once its answer is written
        quint64 pending = 0;         // a deferred answer this connection waits for
        bool pendingHead = false;
        qint64 lastActivity = 0;
        qint64 requestStart = -1; // when the first byte of an unfinished request came
    };
    void Accept();
    void Serve(Connection& c);
    void Reply(Connection& c, const ParsedRequest& request);
    void Write(Connection& c, const HttpAnswer& answer, bool head);
    void Pump(Connection& c);
    void Refuse(Connection& c, int state);
    void Close(QTcpSocket* socket);
    bool AllowedHost(const QByteArray& host) const;
    int Count(const QString& group, bool streamsOnly) const;
    bool MakeRoom(const QString& group, bool own);
    bool TakeFromLargest(const QString& group, bool own, bool streams);

    std::unique_ptr<QTcpServer> listening_;
    // Held by pointer: a connection being served stays where it is while others come and go.
    QHash<QTcpSocket*, std::shared_ptr<Connection>> connections_;
    QHash<quint64, QTcpSocket*> waits_;
    QStringList names_; // what a Host header may name
    quint64 lastId_ = 0;
    quint16 port_ = 0;
    QElapsedTimer clock_;
    QTimer watch_;
};
