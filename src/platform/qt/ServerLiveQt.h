#pragma once

#include "platform/HttpParser.h"
#include "platform/ServerLive.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>
#include <memory>

class QTcpSocket;

// The live server on Qt's sockets, with our own request reader: every limit that keeps one
// guest on the hall's network from taking the server for himself is enforced here (see
// LimitiHttp), before a request reaches the routes.
class ServerLiveQt : public QObject, public ServerLive {
    Q_OBJECT
public:
    explicit ServerLiveQt(QObject* genitore = nullptr);
    ~ServerLiveQt() override;
    bool Avvia(quint16 porta, bool lan) override;
    void Ferma() override;
    quint16 Porta() const override { return porta_; }
    void Diffondi(const QByteArray& dati) override;
    int Flussi() const override;
    void Completa(quint64 id, const RispostaHttp& risposta) override;
    bool Presente(quint64 id) const override;

    // Drops what has been silent too long and half-sent requests that take too long; its timer
    // calls it every second with the server's clock. Tests call it with a later time.
    void Sorveglia(qint64 adessoMs);
    qint64 Adesso() const { return orologio_.elapsed(); }
    int Connessioni() const { return static_cast<int>(connessioni_.size()); }

private:
    struct Connessione {
        QPointer<QTcpSocket> socket;
        QString indirizzo;
        HttpParser lettore;
        bool flusso = false;      // an open event stream
        bool chiudi = false;      // closes once its answer is written
        quint64 inAttesa = 0;     // a deferred answer this connection waits for
        bool testaInAttesa = false;
        qint64 ultimaAttivita = 0;
        qint64 inizioRichiesta = -1; // when the first byte of an unfinished request came
    };
    void Accetta();
    void Servi(Connessione& c);
    void Rispondi(Connessione& c, const ParsedRequest& richiesta);
    void Scrivi(Connessione& c, const RispostaHttp& risposta, bool testa);
    void Rifiuta(Connessione& c, int stato);
    void Chiudi(QTcpSocket* socket);
    bool HostAmmesso(const QByteArray& host) const;
    int Conta(const QString& indirizzo, bool soloFlussi) const;
    bool FaiPosto();

    std::unique_ptr<QTcpServer> ascolto_;
    // Held by pointer: a connection being served stays where it is while others come and go.
    QHash<QTcpSocket*, std::shared_ptr<Connessione>> connessioni_;
    QHash<quint64, QTcpSocket*> attese_;
    QStringList nomi_; // what a Host header may name
    quint64 ultimoId_ = 0;
    quint16 porta_ = 0;
    QElapsedTimer orologio_;
    QTimer sorveglianza_;
};
