#include "platform/qt/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#endif

namespace {

bool Alive(qint64 pid) {
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#endif
}

} // namespace

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

QString SingleInstance::LockPath(const QString& folder) const {
    return QDir(folder).filePath(name_ + QStringLiteral(".lock"));
}

// A lock whose process still runs, in any of the folders: one that starts right now may not
// listen yet, so it gets a moment to answer. A process that never answers is not a Brivanta
// (its number was given again after a crash).
bool SingleInstance::AnotherAnswers() const {
    bool lockedByTheLiving = false;
    for (const QString& folder : folders_) {
        qint64 pid = 0;
        QString host;
        QString application;
        QLockFile lock(LockPath(folder));
        if (!folder.isEmpty() && lock.getLockInfo(&pid, &host, &application) &&
            pid != QCoreApplication::applicationPid() && Alive(pid)) {
            lockedByTheLiving = true;
        }
    }
    const QDeadlineTimer deadline(lockedByTheLiving ? 3000 : 0);
    for (;;) {
        if (CallTheFirst()) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(50);
    }
}

bool SingleInstance::Before() {
    if (AnotherAnswers()) {
        return false;
    }
    for (const QString& folder : folders_) {
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            continue;
        }
        auto lock = std::make_unique<QLockFile>(LockPath(folder));
        lock->setStaleLockTime(0);
        if (lock->tryLock(100)) {
            lock_ = std::move(lock);
            break;
        }
        // No live Brivanta answered: the lock is a crashed run's that the folder would not let
        // go (full, read-only), or the folder refused a new one. The next folder takes it.
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
