#include "platform/FileSync.h"

#include <QtGlobal>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

QString SyncToDisk(int handle) {
#ifdef Q_OS_WIN
    if (_commit(handle) == 0) {
        return {};
    }
#else
    int result = 0;
    do {
        result = fsync(handle);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return {};
    }
#endif
    return qt_error_string(errno);
}
