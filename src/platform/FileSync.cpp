#include "platform/FileSync.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

template <typename Call> auto Retried(Call call) {
    auto result = call();
    while (result < 0 && errno == EINTR) {
        result = call();
    }
    return result;
}

} // namespace

#ifdef Q_OS_WIN

// NTFS keeps a rename in its journal once MoveFileEx returns with MOVEFILE_WRITE_THROUGH: no
// handle on the folder is needed, so OpenFolder and its Sync do nothing there.
constexpr int NoFolderHandle = -2;

int FileCalls::Create(const QByteArray& path, int mode) {
    return _wopen(reinterpret_cast<const wchar_t*>(QFile::decodeName(path).utf16()),
                  _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                  mode & _S_IWRITE ? _S_IREAD | _S_IWRITE : _S_IREAD);
}

long long FileCalls::Write(int handle, const char* data, long long size) {
    return _write(handle, data, static_cast<unsigned>(qMin<long long>(size, 1 << 30)));
}

int FileCalls::Sync(int handle) {
    return handle == NoFolderHandle ? 0 : _commit(handle);
}

int FileCalls::Close(int handle) {
    return handle == NoFolderHandle ? 0 : _close(handle);
}

int FileCalls::Rename(const QByteArray& from, const QByteArray& to) {
    const QString source = QFile::decodeName(from);
    const QString target = QFile::decodeName(to);
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(source.utf16()),
                    reinterpret_cast<const wchar_t*>(target.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    errno = EIO;
    return -1;
}

int FileCalls::Remove(const QByteArray& path) {
    return _wunlink(reinterpret_cast<const wchar_t*>(QFile::decodeName(path).utf16()));
}

int FileCalls::OpenFolder(const QByteArray&) {
    return NoFolderHandle;
}

#else

int FileCalls::Create(const QByteArray& path, int mode) {
    const int handle = Retried(
        [&] { return open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); });
    // The mask of the process would take bits away; the old file's mode is kept as it was.
    if (handle >= 0 && fchmod(handle, static_cast<mode_t>(mode)) != 0) {
        const int error = errno;
        close(handle);
        unlink(path.constData());
        errno = error;
        return -1;
    }
    return handle;
}

long long FileCalls::Write(int handle, const char* data, long long size) {
    return Retried([&] { return ::write(handle, data, static_cast<size_t>(size)); });
}

int FileCalls::Sync(int handle) {
    return Retried([&] { return fsync(handle); });
}

int FileCalls::Close(int handle) {
    return close(handle);
}

int FileCalls::Rename(const QByteArray& from, const QByteArray& to) {
    return ::rename(from.constData(), to.constData());
}

int FileCalls::Remove(const QByteArray& path) {
    return unlink(path.constData());
}

int FileCalls::OpenFolder(const QByteArray& path) {
    return Retried([&] { return open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
}

#endif

FileCalls& FileCalls::System() {
    static FileCalls calls;
    return calls;
}

namespace {

// A new file's mode: what the old one had, else read and write for all as the mask allows.
int ModeFor(const QByteArray& path) {
#ifdef Q_OS_WIN
    struct _stat64 status {};
    if (_wstat64(reinterpret_cast<const wchar_t*>(QFile::decodeName(path).utf16()), &status) == 0) {
        return status.st_mode;
    }
    return _S_IREAD | _S_IWRITE;
#else
    struct stat status {};
    if (stat(path.constData(), &status) == 0) {
        return static_cast<int>(status.st_mode & 07777);
    }
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<int>(0666 & ~mask);
#endif
}

} // namespace

QString ReplaceWholeFile(const QString& path, const QByteArray& data, FileCalls& calls) {
    const QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (QFileInfo(path).isDir()) {
        return qt_error_string(EISDIR);
    }
    const int mode = ModeFor(target);
    QByteArray part;
    int handle = -1;
    for (int attempt = 0; attempt < 16 && handle < 0; ++attempt) {
        part =
            target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
        handle = calls.Create(part, mode);
        if (handle < 0 && errno != EEXIST) {
            break;
        }
    }
    if (handle < 0) {
        return qt_error_string(errno);
    }
    const auto failed = [&](int error) {
        calls.Close(handle);
        calls.Remove(part);
        return qt_error_string(error);
    };
    for (long long written = 0; written < data.size();) {
        const long long n = calls.Write(handle, data.constData() + written, data.size() - written);
        if (n <= 0) {
            return failed(n == 0 ? ENOSPC : errno);
        }
        written += n;
    }
    if (calls.Sync(handle) != 0) {
        return failed(errno);
    }
    if (calls.Close(handle) != 0) {
        const int error = errno;
        calls.Remove(part);
        return qt_error_string(error);
    }
    if (calls.Rename(part, target) != 0) {
        const int error = errno;
        calls.Remove(part);
        return qt_error_string(error);
    }
    // Until the folder is synced, a power cut may bring back the old name.
    return SyncFolder(QFile::decodeName(folder), calls);
}

QString SyncFolder(const QString& folder, FileCalls& calls) {
    const int handle = calls.OpenFolder(QFile::encodeName(folder));
    if (handle == -1) {
        return qt_error_string(errno);
    }
    const int synced = calls.Sync(handle);
    const int error = errno;
    calls.Close(handle);
    return synced == 0 ? QString() : qt_error_string(error);
}

QString RenameOver(const QString& from, const QString& to, FileCalls& calls) {
    return calls.Rename(QFile::encodeName(from), QFile::encodeName(to)) == 0
               ? QString()
               : qt_error_string(errno);
}
