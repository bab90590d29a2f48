#pragma once

#include "platform/ServerLive.h"

#include <QAbstractHttpServer>
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

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QList<QPointer<QTcpSocket>> flussi_;
    QPointer<QTcpServer> ascolto_;
    quint16 porta_ = 0;
};
