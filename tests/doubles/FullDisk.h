#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// A folder on a filesystem that really fills up. As root: a small tmpfs mounted for the test
// (writes then fail with ENOSPC). Otherwise: a limit on the size of the files this test process
// writes (EFBIG), the test process being the test's alone.
class FullDisk {
  public:
    FullDisk() {
        path_ = base_.filePath(QStringLiteral("disk"));
        QDir().mkpath(path_);
        mounted_ = geteuid() == 0 && mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs",
                                           0, "size=256k") == 0;
    }
    ~FullDisk() {
        makeRoom();
        if (mounted_) {
            umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    const QString& path() const { return path_; }
    // False under the size limit, which fills every folder at once, not just this one.
    bool onlyThisFolder() const { return mounted_; }
    // What the system says when a write finds no room.
    QString reason() const { return qt_error_string(mounted_ ? ENOSPC : EFBIG); }

    // Leaves `room` bytes: a write that needs more fails.
    void fill(qint64 room = 0) {
        if (mounted_) {
            QFile filler(QDir(path_).filePath(QStringLiteral(".filler")));
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            while (filler.write(block.constData(), 1) == 1) {
            }
            filler.resize(qMax<qint64>(0, filler.size() - room));
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = static_cast<rlim_t>(room);
        setrlimit(RLIMIT_FSIZE, &limit);
        limited_ = true;
    }
    void makeRoom() {
        if (mounted_) {
            QFile::remove(QDir(path_).filePath(QStringLiteral(".filler")));
        }
        if (limited_) {
            setrlimit(RLIMIT_FSIZE, &saved_);
            limited_ = false;
        }
    }

  private:
    QTemporaryDir base_;
    QString path_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
};
