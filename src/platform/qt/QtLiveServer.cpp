#include "platform/qt/QtLiveServer.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpSocket>

namespace {

// Bytes kept from a connection before its requests are read: with nothing read, TCP itself
// makes a client that never stops sending wait.
constexpr qint64 ReadBuffer = 16 * 1024;

QByteArray Header(int state, const QByteArray& type, qint64 length,
                  const QList<QPair<QByteArray, QByteArray>>& others, bool close) {
    QByteArray h = "HTTP/1.1 " + QByteArray::number(state) + ' ' + StateText(state) + "\r\n";
    if (!type.isEmpty()) {
        h += "Content-Type: " + type + "\r\n";
    }
    if (length >= 0) {
        h += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    for (const auto& [key, value] : others) {
        h += key + ": " + value + "\r\n";
    }
    h += close ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    return h + "\r\n";
}

// The names of this machine a Host header may carry: loopback always, and with the LAN its
// addresses and its name (also as NAME.local).
QStringList MachineNames(bool lan) {
    QStringList names{QStringLiteral("127.0.0.1"), QStringLiteral("localhost"),
                      QStringLiteral("[::1]")};
    if (!lan) {
        return names;
    }
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        QHostAddress withoutZone = a;
        withoutZone.setScopeId(QString());
        const QString text = withoutZone.toString().toLower();
        names << (a.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + text + u']' : text);
    }
    const QString name = QHostInfo::localHostName().toLower();
    if (!name.isEmpty()) {
        names << name << name + QStringLiteral(".local");
    }
    return names;
}

} // namespace

QString AddressGroup(const QHostAddress& peer) {
    bool v4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&v4);
    if (v4) {
        return QHostAddress(ipv4).toString();
    }
    Q_IPV6ADDR bytes = peer.toIPv6Address();
    std::fill(bytes.c + 8, bytes.c + 16, quint8(0));
    return QHostAddress(bytes).toString() + QStringLiteral("/64");
}

bool OwnAddress(const QHostAddress& peer) {
    bool v4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&v4);
    return v4 ? QHostAddress(ipv4) == QHostAddress(QHostAddress::LocalHost)
              : peer.isEqual(QHostAddress::LocalHostIPv6, QHostAddress::StrictConversion);
}

QtLiveServer::QtLiveServer(QObject* parent) : QObject(parent) {
    clock_.start();
    watch_.setInterval(1000);
    connect(&watch_, &QTimer::timeout, this, [this] { Watch(clock_.elapsed()); });
}

QtLiveServer::~QtLiveServer() {
    Stop();
}

bool QtLiveServer::Start(quint16 port, bool lan) {
    Stop();
    auto listening = std::make_unique<QTcpServer>();
    if (!listening->listen(lan ? QHostAddress::Any : QHostAddress::LocalHost, port)) {
        return false;
    }
    listening_ = std::move(listening);
    connect(listening_.get(), &QTcpServer::newConnection, this, &QtLiveServer::Accept);
    port_ = listening_->serverPort();
    names_ = MachineNames(lan);
    watch_.start();
    return true;
}

// Every connection goes, LAN peers' included: switching the LAN off leaves none of them open.
void QtLiveServer::Stop() {
    watch_.stop();
    listening_.reset();
    const auto sockets = connections_.keys();
    for (QTcpSocket* s : sockets) {
        Close(s);
    }
    waits_.clear();
    port_ = 0;
}

void QtLiveServer::Close(QTcpSocket* socket) {
    if (!connections_.remove(socket)) {
        return;
    }
    waits_.removeIf([socket](const auto& item) { return item.value() == socket; });
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

int QtLiveServer::Count(const QString& group, bool streamsOnly) const {
    int n = 0;
    for (const auto& c : connections_) {
        n += c->group == group && (!streamsOnly || c->stream);
    }
    return n;
}

// A full server closes, first, the connection that has waited longest with nothing under way:
// an idle keep-alive or a request head still arriving (a guest may reopen it, but only by
// taking the place of another of his kind). Then one of the stranger holding most.
bool QtLiveServer::MakeRoom(const QString& group, bool own) {
    QTcpSocket* victim = nullptr;
    std::pair<bool, qint64> oldest;
    for (auto it = connections_.cbegin(); it != connections_.cend(); ++it) {
        const Connection& c = *it.value();
        const bool free =
            !c.stream && !c.file && c.pending == 0 && (!c.socket || c.socket->bytesToWrite() == 0);
        const std::pair<bool, qint64> age{c.own, c.lastActivity};
        if (free && (victim == nullptr || age < oldest)) {
            victim = it.key();
            oldest = age;
        }
    }
    if (victim == nullptr) {
        return TakeFromLargest(group, own, false);
    }
    Close(victim);
    return true;
}

// The newcomer takes the oldest connection (or stream) of the stranger holding the most, when
// that one holds more than the newcomer's own address does: this machine, the deck and a phone
// that arrives late always find room, and guests only crowd each other.
bool QtLiveServer::TakeFromLargest(const QString& group, bool own, bool streams) {
    const auto counts = [streams](const Connection& c) {
        return !c.own && c.pending == 0 && (!streams || c.stream);
    };
    QHash<QString, int> held;
    for (const auto& c : std::as_const(connections_)) {
        held[c->group] += counts(*c);
    }
    const int mine = own ? 0 : held.value(group);
    QTcpSocket* victim = nullptr;
    std::pair<int, qint64> most{mine, 0};
    for (auto it = connections_.cbegin(); it != connections_.cend(); ++it) {
        const Connection& c = *it.value();
        const std::pair<int, qint64> rank{held.value(c.group), -c.lastActivity};
        if (counts(c) && rank.first > mine && (victim == nullptr || rank > most)) {
            victim = it.key();
            most = rank;
        }
    }
    if (victim == nullptr) {
        return false;
    }
    Close(victim);
    return true;
}

void QtLiveServer::Accept() {
    while (listening_ && listening_->hasPendingConnections()) {
        QTcpSocket* socket = listening_->nextPendingConnection();
        const QHostAddress peer = socket->peerAddress();
        const QString group = AddressGroup(peer);
        const bool own = OwnAddress(peer);
        const bool over = !own && Count(group, false) >= HttpLimits::ClientsPerAddress;
        if (over || (connections_.size() >= HttpLimits::Clients && !MakeRoom(group, own))) {
            const QByteArray body = StateText(503) + '\n';
            socket->write(Header(503, "text/plain; charset=utf-8", body.size(),
                                 {{"Retry-After", "5"}}, true) +
                          body);
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        socket->setReadBufferSize(ReadBuffer);
        socket->setParent(this);
        auto c = std::make_shared<Connection>();
        c->socket = socket;
        c->address = peer.toString();
        c->group = group;
        c->own = own;
        c->lastActivity = clock_.elapsed();
        connections_.insert(socket, c);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (const auto c = connections_.value(socket)) {
                c->lastActivity = clock_.elapsed();
                Serve(*c);
            }
        });
        // A client that reads again lets its next request be answered.
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            if (const auto c = connections_.value(socket)) {
                c->lastActivity = clock_.elapsed();
                Pump(*c);
                if (!c->stream && !c->file && c->close && socket->bytesToWrite() == 0) {
                    socket->disconnectFromHost();
                    return;
                }
                Serve(*c);
            }
        });
        connect(
            socket, &QTcpSocket::disconnected, this, [this, socket] { Close(socket); },
            Qt::QueuedConnection);
        Serve(*c);
    }
}

void QtLiveServer::Serve(Connection& c) {
    QTcpSocket* socket = c.socket;
    // One request at a time, and none while the last answer still waits to be read.
    while (socket != nullptr && connections_.contains(socket) && !c.stream && !c.file && !c.close &&
           c.pending == 0 && socket->bytesToWrite() < HttpLimits::SoftExit) {
        HttpParser::Result outcome = c.parser.Next();
        if (outcome.Refusal != 0) {
            Refuse(c, outcome.Refusal);
            return;
        }
        if (!outcome.Request) {
            const QByteArray piece = socket->read(c.parser.Room());
            if (piece.isEmpty()) {
                break;
            }
            if (!c.parser.Partial()) {
                c.requestStart = clock_.elapsed();
            }
            c.parser.Append(piece);
            continue;
        }
        c.requestStart = c.parser.Partial() ? clock_.elapsed() : -1;
        Reply(c, *outcome.Request);
    }
}

void QtLiveServer::Reply(Connection& c, const ParsedRequest& request) {
    c.close = request.CloseAfter;
    const bool head = request.Method == "HEAD";
    // A name that is not this machine's is a page that rebound its own name to us.
    if (request.Count("host") != 1 || !AllowedHost(request.Header("host"))) {
        Refuse(c, 421);
        return;
    }
    HttpRequest r;
    r.Method = request.Method;
    r.Target = request.Target;
    r.UnlessItMatches = request.Header("if-none-match");
    r.Authorization = request.Header("authorization");
    r.Cookie = request.Header("cookie");
    r.Origin = request.Header("origin");
    r.FetchSite = request.Header("sec-fetch-site");
    r.FromPage = request.Header("x-brivanta") == "1";
    r.Agent = request.Header("user-agent");
    r.Host = request.Header("host");
    r.Address = c.address;
    r.Id = ++lastId_;
    HttpAnswer answer;
    answer.State = 404;
    if (Handler) {
        answer = Handler(r);
    }
    if (answer.Deferred) {
        c.pending = r.Id;
        c.pendingHead = head;
        waits_.insert(r.Id, c.socket);
        return;
    }
    Write(c, answer, head);
}

bool QtLiveServer::AllowedHost(const QByteArray& host) const {
    QString name = QString::fromLatin1(host).trimmed().toLower();
    const qsizetype colon = name.lastIndexOf(u':');
    if (colon > name.lastIndexOf(u']')) {
        if (name.mid(colon + 1) != QString::number(port_)) {
            return false;
        }
        name.truncate(colon);
    }
    return !name.isEmpty() && names_.contains(name);
}

void QtLiveServer::Refuse(Connection& c, int state) {
    const QByteArray body = StateText(state) + '\n';
    c.close = true;
    c.socket->write(Header(state, "text/plain; charset=utf-8", body.size(), {}, true) + body);
    c.socket->disconnectFromHost();
}

void QtLiveServer::Write(Connection& c, const HttpAnswer& answer, bool head) {
    if (answer.Stream && !head) {
        const bool over = !c.own && Count(c.group, true) >= HttpLimits::StreamsPerAddress;
        if (over || (Streams() >= HttpLimits::Streams && !TakeFromLargest(c.group, c.own, true))) {
            HttpAnswer full;
            full.State = 503;
            full.Type = "text/plain; charset=utf-8";
            full.Body = StateText(503) + '\n';
            full.Headers.emplaceBack("Retry-After", "5");
            c.close = true;
            Write(c, full, false);
            return;
        }
        c.stream = true;
        c.socket->write(Header(answer.State, answer.Type, -1, answer.Headers, false));
        c.socket->write(answer.Body);
        return;
    }
    auto file = std::make_unique<QFile>(answer.File);
    if (!answer.File.isEmpty() && !file->open(QIODevice::ReadOnly)) {
        HttpAnswer gone;
        gone.State = 404;
        gone.Type = "text/plain; charset=utf-8";
        gone.Body = StateText(404) + '\n';
        Write(c, gone, head);
        return;
    }
    const qint64 length = answer.File.isEmpty() ? answer.Body.size() : file->size();
    // HEAD of a stream is an ordinary answer: nothing stays open for it.
    c.socket->write(Header(answer.State, answer.Type, answer.Stream ? -1 : length, answer.Headers,
                           c.close || answer.Stream));
    if (!head && !answer.File.isEmpty()) {
        c.file = std::move(file);
        c.fileLeft = length;
        Pump(c);
        return;
    }
    if (!head) {
        c.socket->write(answer.Body);
    }
    if (answer.Stream) {
        c.close = true;
    }
    if (c.close) {
        c.socket->disconnectFromHost();
    }
}

void QtLiveServer::Pump(Connection& c) {
    while (c.file && c.socket->bytesToWrite() < HttpLimits::SoftExit) {
        if (c.fileLeft == 0) {
            c.file.reset();
            if (c.close) {
                c.socket->disconnectFromHost();
            }
            return;
        }
        const QByteArray piece = c.file->read(std::min(c.fileLeft, HttpLimits::Piece));
        // A file cut short while sent cannot keep the length announced: the client sees it end.
        if (piece.isEmpty()) {
            Close(c.socket);
            return;
        }
        c.fileLeft -= piece.size();
        c.socket->write(piece);
    }
}

qint64 QtLiveServer::Buffered() const {
    qint64 n = 0;
    for (const auto& c : connections_) {
        n += c->socket ? c->socket->bytesToWrite() : 0;
    }
    return n;
}

int QtLiveServer::Streams() const {
    int n = 0;
    for (const auto& c : connections_) {
        n += c->stream && c->socket && c->socket->state() == QAbstractSocket::ConnectedState;
    }
    return n;
}

void QtLiveServer::Broadcast(const QByteArray& data) {
    QList<QTcpSocket*> slow;
    for (auto it = connections_.cbegin(); it != connections_.cend(); ++it) {
        const Connection& c = *it.value();
        if (!c.stream || !c.socket) {
            continue;
        }
        // A client that does not read its stream must not make the program hold its data.
        if (c.socket->bytesToWrite() > HttpLimits::MaxExit) {
            slow.append(it.key());
            continue;
        }
        c.socket->write(data);
    }
    for (QTcpSocket* s : slow) {
        Close(s);
    }
}

void QtLiveServer::Complete(quint64 id, const HttpAnswer& answer) {
    const auto c = connections_.value(waits_.take(id));
    if (!c || c->pending != id) {
        return;
    }
    c->pending = 0;
    Write(*c, answer, c->pendingHead);
    if (connections_.contains(c->socket)) {
        Serve(*c);
    }
}

bool QtLiveServer::Present(quint64 id) const {
    QTcpSocket* socket = waits_.value(id);
    return socket != nullptr && connections_.contains(socket) &&
           socket->state() == QAbstractSocket::ConnectedState;
}

void QtLiveServer::Watch(qint64 nowMs) {
    QList<QTcpSocket*> expired;
    for (auto it = connections_.cbegin(); it != connections_.cend(); ++it) {
        const Connection& c = *it.value();
        const bool slow = c.requestStart >= 0 && nowMs - c.requestStart > HttpLimits::Request;
        const bool mute = !c.stream && c.pending == 0 && nowMs - c.lastActivity > HttpLimits::Idle;
        if (slow || mute) {
            expired.append(it.key());
        }
    }
    for (QTcpSocket* s : expired) {
        Close(s);
    }
}
