// One history line, as a loaded file or a damaged emergency copy may hold it.
#include "match/History.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
    const HistoryLine read = ReadLine(line);
    if (read.Side < 0 || read.Side > 1) {
        std::abort();
    }
    return 0;
}
