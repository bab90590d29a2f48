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
    int risultato = 0;
    do {
        risultato = fsync(handle);
    } while (risultato != 0 && errno == EINTR);
    if (risultato == 0) {
        return {};
    }
#endif
    return qt_error_string(errno);
}
