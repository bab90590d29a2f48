#pragma once

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <algorithm>
#include <functional>

// A browser's event stream, read by hand: the versions it received, in order, and the last state.
class ClienteEventi : public QObject {
public:
    explicit ClienteEventi(quint16 porta) {
        connect(&socket, &QTcpSocket::readyRead, this, [this] {
            buffer += socket.readAll();
            for (qsizetype fine; (fine = buffer.indexOf("\n\n")) >= 0;) {
                const QByteArray evento = buffer.left(fine);
                buffer.remove(0, fine + 2);
                const qsizetype dati = evento.indexOf("data: ");
                if (dati >= 0) {
                    ultimo = QJsonDocument::fromJson(evento.mid(dati + 6)).object();
                    versioni.append(ultimo.value("version").toInteger());
                }
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, porta);
        socket.write("GET /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }
    int Punti(int lato) const {
        return versioni.isEmpty()
                   ? -1
                   : ultimo.value(lato == 0 ? "home" : "guests").toObject().value("points").toInt();
    }
    bool InOrdine() const {
        return std::is_sorted(versioni.begin(), versioni.end(), std::less_equal<qint64>());
    }
    QTcpSocket socket;
    QByteArray buffer;
    QJsonObject ultimo;
    QList<qint64> versioni;
};
