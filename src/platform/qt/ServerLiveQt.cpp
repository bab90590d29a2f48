#include "platform/qt/ServerLiveQt.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpSocket>

namespace {

// Bytes kept from a connection before its requests are read: with nothing read, TCP itself
// makes a client that never stops sending wait.
constexpr qint64 BufferLettura = 16 * 1024;

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

// The names of this machine a Host header may carry: loopback always, and with the LAN its
// addresses and its name (also as NAME.local).
QStringList NomiDellaMacchina(bool lan) {
    QStringList nomi{QStringLiteral("127.0.0.1"), QStringLiteral("localhost"), QStringLiteral("[::1]")};
    if (!lan) {
        return nomi;
    }
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        QHostAddress senzaZona = a;
        senzaZona.setScopeId(QString());
        const QString testo = senzaZona.toString().toLower();
        nomi << (a.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + testo + u']' : testo);
    }
    const QString nome = QHostInfo::localHostName().toLower();
    if (!nome.isEmpty()) {
        nomi << nome << nome + QStringLiteral(".local");
    }
    return nomi;
}

} // namespace

ServerLiveQt::ServerLiveQt(QObject* genitore) : QObject(genitore) {
    orologio_.start();
    sorveglianza_.setInterval(1000);
    connect(&sorveglianza_, &QTimer::timeout, this, [this] { Sorveglia(orologio_.elapsed()); });
}

ServerLiveQt::~ServerLiveQt() {
    Ferma();
}

bool ServerLiveQt::Avvia(quint16 porta, bool lan) {
    Ferma();
    auto ascolto = std::make_unique<QTcpServer>();
    if (!ascolto->listen(lan ? QHostAddress::Any : QHostAddress::LocalHost, porta)) {
        return false;
    }
    ascolto_ = std::move(ascolto);
    connect(ascolto_.get(), &QTcpServer::newConnection, this, &ServerLiveQt::Accetta);
    porta_ = ascolto_->serverPort();
    nomi_ = NomiDellaMacchina(lan);
    sorveglianza_.start();
    return true;
}

// Every connection goes, LAN peers' included: switching the LAN off leaves none of them open.
void ServerLiveQt::Ferma() {
    sorveglianza_.stop();
    ascolto_.reset();
    const auto sockets = connessioni_.keys();
    for (QTcpSocket* s : sockets) {
        Chiudi(s);
    }
    attese_.clear();
    porta_ = 0;
}

void ServerLiveQt::Chiudi(QTcpSocket* socket) {
    if (!connessioni_.remove(socket)) {
        return;
    }
    attese_.removeIf([socket](const auto& voce) { return voce.value() == socket; });
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

int ServerLiveQt::Conta(const QString& indirizzo, bool soloFlussi) const {
    int n = 0;
    for (const auto& c : connessioni_) {
        n += c->indirizzo == indirizzo && (!soloFlussi || c->flusso);
    }
    return n;
}

// A full server closes the connection that has waited longest with nothing under way (an idle
// keep-alive): slots go to whoever is using them, not to whoever took them first.
bool ServerLiveQt::FaiPosto() {
    QTcpSocket* vittima = nullptr;
    qint64 piuVecchia = 0;
    for (auto it = connessioni_.cbegin(); it != connessioni_.cend(); ++it) {
        const Connessione& c = *it.value();
        const bool libera = !c.flusso && c.inAttesa == 0 && !c.lettore.partial() &&
                            (!c.socket || c.socket->bytesToWrite() == 0);
        if (libera && (vittima == nullptr || c.ultimaAttivita < piuVecchia)) {
            vittima = it.key();
            piuVecchia = c.ultimaAttivita;
        }
    }
    if (vittima == nullptr) {
        return false;
    }
    Chiudi(vittima);
    return true;
}

void ServerLiveQt::Accetta() {
    while (ascolto_ && ascolto_->hasPendingConnections()) {
        QTcpSocket* socket = ascolto_->nextPendingConnection();
        const QString indirizzo = socket->peerAddress().toString();
        const bool pieno = connessioni_.size() >= LimitiHttp::Clienti && !FaiPosto();
        if (pieno || Conta(indirizzo, false) >= LimitiHttp::ClientiPerIndirizzo) {
            const QByteArray corpo = TestoStato(503) + '\n';
            socket->write(Intestazione(503, "text/plain; charset=utf-8", corpo.size(),
                                       {{"Retry-After", "5"}}, true) + corpo);
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        socket->setReadBufferSize(BufferLettura);
        socket->setParent(this);
        auto c = std::make_shared<Connessione>();
        c->socket = socket;
        c->indirizzo = indirizzo;
        c->ultimaAttivita = orologio_.elapsed();
        connessioni_.insert(socket, c);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (const auto c = connessioni_.value(socket)) {
                c->ultimaAttivita = orologio_.elapsed();
                Servi(*c);
            }
        });
        // A client that reads again lets its next request be answered.
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            if (const auto c = connessioni_.value(socket)) {
                c->ultimaAttivita = orologio_.elapsed();
                if (!c->flusso && c->chiudi && socket->bytesToWrite() == 0) {
                    socket->disconnectFromHost();
                    return;
                }
                Servi(*c);
            }
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { Chiudi(socket); }, Qt::QueuedConnection);
        Servi(*c);
    }
}

void ServerLiveQt::Servi(Connessione& c) {
    QTcpSocket* socket = c.socket;
    // One request at a time, and none while the last answer still waits to be read.
    while (socket != nullptr && connessioni_.contains(socket) && !c.flusso && !c.chiudi &&
           c.inAttesa == 0 && socket->bytesToWrite() < LimitiHttp::UscitaMorbida) {
        HttpParser::Result esito = c.lettore.next();
        if (esito.refusal != 0) {
            Rifiuta(c, esito.refusal);
            return;
        }
        if (!esito.request) {
            const QByteArray pezzo = socket->read(c.lettore.room());
            if (pezzo.isEmpty()) {
                break;
            }
            if (!c.lettore.partial()) {
                c.inizioRichiesta = orologio_.elapsed();
            }
            c.lettore.append(pezzo);
            continue;
        }
        c.inizioRichiesta = c.lettore.partial() ? orologio_.elapsed() : -1;
        Rispondi(c, *esito.request);
    }
}

void ServerLiveQt::Rispondi(Connessione& c, const ParsedRequest& richiesta) {
    c.chiudi = richiesta.closeAfter;
    const bool testa = richiesta.method == "HEAD";
    // A name that is not this machine's is a page that rebound its own name to us.
    if (richiesta.count("host") != 1 || !HostAmmesso(richiesta.header("host"))) {
        Rifiuta(c, 421);
        return;
    }
    RichiestaHttp r;
    r.Metodo = richiesta.method;
    r.Bersaglio = richiesta.target;
    r.SeNonCorrisponde = richiesta.header("if-none-match");
    r.Autorizzazione = richiesta.header("authorization");
    r.Cookie = richiesta.header("cookie");
    r.Origine = richiesta.header("origin");
    r.SitoFetch = richiesta.header("sec-fetch-site");
    r.DallaPagina = richiesta.header("x-brivanta") == "1";
    r.Agente = richiesta.header("user-agent");
    r.Host = richiesta.header("host");
    r.Indirizzo = c.indirizzo;
    r.Id = ++ultimoId_;
    RispostaHttp risposta;
    risposta.Stato = 404;
    if (Gestore) {
        risposta = Gestore(r);
    }
    if (risposta.Differita) {
        c.inAttesa = r.Id;
        c.testaInAttesa = testa;
        attese_.insert(r.Id, c.socket);
        return;
    }
    Scrivi(c, risposta, testa);
}

bool ServerLiveQt::HostAmmesso(const QByteArray& host) const {
    QString nome = QString::fromLatin1(host).trimmed().toLower();
    const qsizetype duepunti = nome.lastIndexOf(u':');
    if (duepunti > nome.lastIndexOf(u']')) {
        if (nome.mid(duepunti + 1) != QString::number(porta_)) {
            return false;
        }
        nome.truncate(duepunti);
    }
    return !nome.isEmpty() && nomi_.contains(nome);
}

void ServerLiveQt::Rifiuta(Connessione& c, int stato) {
    const QByteArray corpo = TestoStato(stato) + '\n';
    c.chiudi = true;
    c.socket->write(Intestazione(stato, "text/plain; charset=utf-8", corpo.size(), {}, true) + corpo);
    c.socket->disconnectFromHost();
}

void ServerLiveQt::Scrivi(Connessione& c, const RispostaHttp& risposta, bool testa) {
    if (risposta.Flusso && !testa) {
        if (Conta(c.indirizzo, true) >= LimitiHttp::FlussiPerIndirizzo || Flussi() >= LimitiHttp::Flussi) {
            RispostaHttp pieno;
            pieno.Stato = 503;
            pieno.Tipo = "text/plain; charset=utf-8";
            pieno.Corpo = TestoStato(503) + '\n';
            pieno.Intestazioni.emplaceBack("Retry-After", "5");
            c.chiudi = true;
            Scrivi(c, pieno, false);
            return;
        }
        c.flusso = true;
        c.socket->write(Intestazione(risposta.Stato, risposta.Tipo, -1, risposta.Intestazioni, false));
        c.socket->write(risposta.Corpo);
        return;
    }
    // HEAD of a stream is an ordinary answer: nothing stays open for it.
    c.socket->write(Intestazione(risposta.Stato, risposta.Tipo, risposta.Flusso ? -1 : risposta.Corpo.size(),
                                 risposta.Intestazioni, c.chiudi || risposta.Flusso));
    if (!testa) {
        c.socket->write(risposta.Corpo);
    }
    if (risposta.Flusso) {
        c.chiudi = true;
    }
    if (c.chiudi) {
        c.socket->disconnectFromHost();
    }
}

int ServerLiveQt::Flussi() const {
    int n = 0;
    for (const auto& c : connessioni_) {
        n += c->flusso && c->socket && c->socket->state() == QAbstractSocket::ConnectedState;
    }
    return n;
}

void ServerLiveQt::Diffondi(const QByteArray& dati) {
    QList<QTcpSocket*> lente;
    for (auto it = connessioni_.cbegin(); it != connessioni_.cend(); ++it) {
        const Connessione& c = *it.value();
        if (!c.flusso || !c.socket) {
            continue;
        }
        // A client that does not read its stream must not make the program hold its data.
        if (c.socket->bytesToWrite() > LimitiHttp::UscitaMassima) {
            lente.append(it.key());
            continue;
        }
        c.socket->write(dati);
    }
    for (QTcpSocket* s : lente) {
        Chiudi(s);
    }
}

void ServerLiveQt::Completa(quint64 id, const RispostaHttp& risposta) {
    const auto c = connessioni_.value(attese_.take(id));
    if (!c || c->inAttesa != id) {
        return;
    }
    c->inAttesa = 0;
    Scrivi(*c, risposta, c->testaInAttesa);
    if (connessioni_.contains(c->socket)) {
        Servi(*c);
    }
}

bool ServerLiveQt::Presente(quint64 id) const {
    QTcpSocket* socket = attese_.value(id);
    return socket != nullptr && connessioni_.contains(socket) &&
           socket->state() == QAbstractSocket::ConnectedState;
}

void ServerLiveQt::Sorveglia(qint64 adessoMs) {
    QList<QTcpSocket*> scadute;
    for (auto it = connessioni_.cbegin(); it != connessioni_.cend(); ++it) {
        const Connessione& c = *it.value();
        const bool lenta = c.inizioRichiesta >= 0 && adessoMs - c.inizioRichiesta > LimitiHttp::Richiesta;
        const bool muta = !c.flusso && c.inAttesa == 0 && adessoMs - c.ultimaAttivita > LimitiHttp::Inattivo;
        if (lenta || muta) {
            scadute.append(it.key());
        }
    }
    for (QTcpSocket* s : scadute) {
        Chiudi(s);
    }
}
