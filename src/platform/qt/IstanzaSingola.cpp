#include "platform/qt/IstanzaSingola.h"

#include <QDir>
#include <QHash>
#include <QLocalSocket>

QString IstanzaSingola::NomePerUtente() {
    // USER may be unset (services, CI); the home folder tells users apart everywhere.
    return QStringLiteral("brivanta-") + QString::number(qHash(QDir::homePath()), 16);
}

IstanzaSingola::IstanzaSingola(const QString& cartella, const QString& nome)
    : nome_(nome),
      lock_(QDir(cartella).filePath(nome_ + QStringLiteral(".lock"))) {
    lock_.setStaleLockTime(0);
}

bool IstanzaSingola::Prima() {
    if (!lock_.tryLock(100)) {
        QLocalSocket socket;
        socket.connectToServer(nome_);
        if (socket.waitForConnected(500)) {
            socket.write("raise");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
        }
        return false;
    }
    QLocalServer::removeServer(nome_);
    server_ = std::make_unique<QLocalServer>();
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            s->deleteLater();
            emit Richiamata();
        }
    });
    server_->listen(nome_);
    return true;
}
