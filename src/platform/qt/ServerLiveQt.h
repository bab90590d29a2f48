#pragma once

#include "platform/ServerLive.h"

#include <QAbstractHttpServer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

// The live server on Qt's HTTP server. Qt 6.4's API is a preview that changes in 6.5: only
// this file knows it.
class ServerLiveQt : public QAbstractHttpServer, public ServerLive {
    Q_OBJECT
public:
    explicit ServerLiveQt(QObject* genitore = nullptr);
    bool Avvia(quint16 porta, bool lan) override;
    void Ferma() override;
    quint16 Porta() const override { return porta_; }
    void Diffondi(const QByteArray& dati) override;
    int Flussi() const override;
    void Completa(quint64 id, const RispostaHttp& risposta) override;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Attesa {
        QPointer<QTcpSocket> socket;
        bool testa = false;
    };
    void Scrivi(QTcpSocket* socket, const RispostaHttp& risposta, bool testa);

    QList<QPointer<QTcpSocket>> flussi_;
    QHash<quint64, Attesa> inAttesa_;
    quint64 ultimoId_ = 0;
    QPointer<QTcpServer> ascolto_;
    quint16 porta_ = 0;
};
