#pragma once

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <algorithm>
#include <functional>

// A browser's event stream, read by hand: the versions it received, in order, and the last state.
class EventClient : public QObject {
  public:
    explicit EventClient(quint16 port) {
        connect(&socket, &QTcpSocket::readyRead, this, [this] {
            buffer += socket.readAll();
            for (qsizetype end; (end = buffer.indexOf("\n\n")) >= 0;) {
                const QByteArray event = buffer.left(end);
                buffer.remove(0, end + 2);
                const qsizetype data = event.indexOf("data: ");
                if (data >= 0) {
                    last = QJsonDocument::fromJson(event.mid(data + 6)).object();
                    versions.append(last.value("version").toInteger());
                }
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write("GET /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }
    int Points(int side) const {
        return versions.isEmpty()
                   ? -1
                   : last.value(side == 0 ? "home" : "guests").toObject().value("points").toInt();
    }
    bool InOrder() const {
        return std::is_sorted(versions.begin(), versions.end(), std::less_equal<qint64>());
    }
    QTcpSocket socket;
    QByteArray buffer;
    QJsonObject last;
    QList<qint64> versions;
};
