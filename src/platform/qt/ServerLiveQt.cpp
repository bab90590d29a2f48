#include "platform/qt/ServerLiveQt.h"

#include <QHttpServerRequest>
#include <QTcpSocket>
#include <QTimer>

namespace {

// A client that does not read its stream must not make the program hold its data forever.
constexpr qint64 MassimoInSospeso = 1024 * 1024;

QByteArray Intestazione(int stato, const QByteArray& tipo, qint64 lunghezza,
                        const QList<QPair<QByteArray, QByteArray>>& altre, bool chiudi) {
    QByteArray h = "HTTP/1.1 " + QByteArray::number(stato) + ' ' + TestoStato(stato) + "\r\n";
    if (!tipo.isEmpty()) {
        h += "Content-Type: " + tipo + "\r\n";
    }
    if (lunghezza >= 0) {
        h += "Content-Length: " + QByteArray::number(lunghezza) + "\r\n";
    }
    for (const auto& [chiave, valore] : altre) {
        h += chiave + ": " + valore + "\r\n";
    }
    h += chiudi ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    return h + "\r\n";
}

void Rifiuta(QTcpSocket* socket, int stato) {
    socket->readAll();
    const QByteArray corpo = TestoStato(stato) + '\n';
    socket->write(Intestazione(stato, "text/plain; charset=utf-8", corpo.size(), {}, true) + corpo);
    socket->disconnectFromHost();
}

QByteArray Metodo(QHttpServerRequest::Method m) {
    switch (m) {
    case QHttpServerRequest::Method::Get: return "GET";
    case QHttpServerRequest::Method::Head: return "HEAD";
    case QHttpServerRequest::Method::Post: return "POST";
    case QHttpServerRequest::Method::Put: return "PUT";
    case QHttpServerRequest::Method::Delete: return "DELETE";
    case QHttpServerRequest::Method::Options: return "OPTIONS";
    case QHttpServerRequest::Method::Patch: return "PATCH";
    default: return "OTHER";
    }
}

// Guards every connection before Qt's parser sees it: how many, how big a request head, how
// long a silence.
class Ascolto : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descrittore) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descrittore)) {
            delete socket;
            return;
        }
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (aperte_ >= LimitiHttp::Clienti) {
            Rifiuta(socket, 503);
            return;
        }
        ++aperte_;
        connect(socket, &QObject::destroyed, this, [this] { --aperte_; });
        auto* silenzio = new QTimer(socket);
        silenzio->setSingleShot(true);
        silenzio->setInterval(LimitiHttp::Inattivo);
        connect(silenzio, &QTimer::timeout, socket, [socket] {
            if (!socket->property("flusso").toBool()) {
                socket->abort();
            }
        });
        silenzio->start();
        // Connected before Qt's own reader: it sees each chunk first.
        connect(socket, &QTcpSocket::readyRead, socket, [socket, silenzio] {
            silenzio->start();
            QByteArray testa = socket->property("testa").toByteArray() +
                               socket->peek(socket->bytesAvailable());
            while (!testa.isEmpty()) {
                const qsizetype riga = testa.indexOf("\r\n");
                if ((riga < 0 && testa.size() > LimitiHttp::RigaRichiesta) ||
                    riga > LimitiHttp::RigaRichiesta) {
                    Rifiuta(socket, 431);
                    return;
                }
                const qsizetype fine = testa.indexOf("\r\n\r\n");
                if (fine < 0) {
                    if (testa.size() > LimitiHttp::Intestazioni) {
                        Rifiuta(socket, 431);
                        return;
                    }
                    break;
                }
                if (fine > LimitiHttp::Intestazioni) {
                    Rifiuta(socket, 431);
                    return;
                }
                const QByteArray minuscola = testa.left(fine).toLower();
                const qsizetype lunghezza = minuscola.indexOf("\r\ncontent-length:");
                if (lunghezza >= 0) {
                    const qsizetype finoA = minuscola.indexOf("\r\n", lunghezza + 2);
                    const QByteArray valore =
                        (finoA < 0 ? minuscola.mid(lunghezza + 17)
                                   : minuscola.mid(lunghezza + 17, finoA - lunghezza - 17))
                            .trimmed();
                    bool ok = false;
                    const qint64 n = valore.toLongLong(&ok);
                    if (!ok || n > LimitiHttp::Corpo) {
                        Rifiuta(socket, 413);
                        return;
                    }
                }
                testa = testa.mid(fine + 4);
            }
            socket->setProperty("testa", testa);
        });
        addPendingConnection(socket);
    }

private:
    int aperte_ = 0;
};

} // namespace

ServerLiveQt::ServerLiveQt(QObject* genitore) : QAbstractHttpServer(genitore) {}

bool ServerLiveQt::Avvia(quint16 porta, bool lan) {
    Ferma();
    auto* ascolto = new Ascolto(this);
    if (!ascolto->listen(lan ? QHostAddress::Any : QHostAddress::LocalHost, porta)) {
        delete ascolto;
        return false;
    }
    bind(ascolto);
    ascolto_ = ascolto;
    porta_ = ascolto->serverPort();
    return true;
}

void ServerLiveQt::Ferma() {
    for (const QPointer<QTcpSocket>& s : std::as_const(flussi_)) {
        if (s) {
            s->abort();
        }
    }
    flussi_.clear();
    inAttesa_.clear();
    if (ascolto_) {
        ascolto_->close();
    }
    porta_ = 0;
}

int ServerLiveQt::Flussi() const {
    int n = 0;
    for (const QPointer<QTcpSocket>& s : flussi_) {
        n += s && s->state() == QAbstractSocket::ConnectedState;
    }
    return n;
}

void ServerLiveQt::Diffondi(const QByteArray& dati) {
    flussi_.removeIf([](const QPointer<QTcpSocket>& s) {
        return !s || s->state() != QAbstractSocket::ConnectedState;
    });
    for (const QPointer<QTcpSocket>& s : std::as_const(flussi_)) {
        if (s->bytesToWrite() > MassimoInSospeso) {
            s->abort();
            continue;
        }
        s->write(dati);
    }
}

bool ServerLiveQt::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    RichiestaHttp r;
    r.Metodo = Metodo(request.method());
    r.Bersaglio = request.url().path(QUrl::FullyEncoded).toUtf8();
    if (request.url().hasQuery()) {
        r.Bersaglio += '?' + request.url().query(QUrl::FullyEncoded).toUtf8();
    }
    r.SeNonCorrisponde = request.value("If-None-Match");
    r.Autorizzazione = request.value("Authorization");
    r.Cookie = request.value("Cookie");
    r.Indirizzo = socket->peerAddress().toString();
    r.Id = ++ultimoId_;
    RispostaHttp risposta;
    risposta.Stato = 404;
    if (Gestore) {
        risposta = Gestore(r);
    }
    if (risposta.Differita) {
        inAttesa_.insert(r.Id, {socket, r.Metodo == "HEAD"});
        return true;
    }
    Scrivi(socket, risposta, r.Metodo == "HEAD");
    return true;
}

void ServerLiveQt::Completa(quint64 id, const RispostaHttp& risposta) {
    const auto attesa = inAttesa_.take(id);
    if (attesa.socket && attesa.socket->state() == QAbstractSocket::ConnectedState) {
        Scrivi(attesa.socket, risposta, attesa.testa);
    }
}

void ServerLiveQt::Scrivi(QTcpSocket* socket, const RispostaHttp& risposta, bool testa) {
    if (risposta.Flusso) {
        socket->setProperty("flusso", true);
        socket->write(Intestazione(risposta.Stato, risposta.Tipo, -1, risposta.Intestazioni, false));
        if (!testa) {
            socket->write(risposta.Corpo);
            flussi_.append(socket);
        }
        return;
    }
    socket->write(Intestazione(risposta.Stato, risposta.Tipo, risposta.Corpo.size(),
                               risposta.Intestazioni, false));
    if (!testa) {
        socket->write(risposta.Corpo);
    }
}

void ServerLiveQt::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    Rifiuta(socket, 404);
}
