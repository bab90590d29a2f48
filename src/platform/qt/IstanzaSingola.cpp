#include "platform/qt/IstanzaSingola.h"

#include <QDir>
#include <QHash>
#include <QLocalSocket>

QString IstanzaSingola::NomePerUtente() {
    // USER may be unset (services, CI); the home folder tells users apart everywhere.
    return QStringLiteral("brivanta-") + QString::number(qHash(QDir::homePath()), 16);
}

IstanzaSingola::IstanzaSingola(const QStringList& cartelle, const QString& nome)
    : cartelle_(cartelle), nome_(nome) {}

bool IstanzaSingola::ChiamaLaPrima() const {
    QLocalSocket socket;
    socket.connectToServer(nome_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    socket.write("raise");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool IstanzaSingola::Prima() {
    for (const QString& cartella : cartelle_) {
        if (cartella.isEmpty() || !QDir().mkpath(cartella)) {
            continue;
        }
        auto lock = std::make_unique<QLockFile>(QDir(cartella).filePath(nome_ + QStringLiteral(".lock")));
        lock->setStaleLockTime(0);
        if (lock->tryLock(100)) {
            lock_ = std::move(lock);
            break;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            // Held by a live process: another Brivanta of this user.
            ChiamaLaPrima();
            return false;
        }
        // The folder refused the lock file (read-only, full): try the next one.
    }
    if (!lock_ && ChiamaLaPrima()) {
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
