#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QHash>
#include <QLocalSocket>

QString SingleInstance::NameForUser() {
    // USER may be unset (services, CI); the home folder tells users apart everywhere.
    return QStringLiteral("brivanta-") + QString::number(qHash(QDir::homePath()), 16);
}

SingleInstance::SingleInstance(const QStringList& folders, const QString& name)
    : folders_(folders), name_(name) {}

bool SingleInstance::CallTheFirst() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    socket.write("raise");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Before() {
    for (const QString& folder : folders_) {
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            continue;
        }
        auto lock =
            std::make_unique<QLockFile>(QDir(folder).filePath(name_ + QStringLiteral(".lock")));
        lock->setStaleLockTime(0);
        if (lock->tryLock(100)) {
            lock_ = std::move(lock);
            break;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            // Held by a live process: another Brivanta of this user.
            CallTheFirst();
            return false;
        }
        // The folder refused the lock file (read-only, full): try the next one.
    }
    if (!lock_ && CallTheFirst()) {
        return false;
    }
    QLocalServer::removeServer(name_);
    server_ = std::make_unique<QLocalServer>();
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            s->deleteLater();
            emit Recalled();
        }
    });
    server_->listen(name_);
    return true;
}
