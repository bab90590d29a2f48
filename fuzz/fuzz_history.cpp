// One history line, as a loaded file or a damaged emergency copy may hold it.
#include "match/History.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
    const MatchHistory before = ReadHistory({QStringLiteral("(1) 3 -  2 - 15:00 - H_7_0")});
    const HistoryEvent read = ReadHistoryLine(line, before);
    const bool sided = read.Kind == HistoryKind::Point || read.Kind == HistoryKind::Removal ||
                       read.Kind == HistoryKind::Timeout;
    if (read.Text != line || (sided && (read.Side < 0 || read.Side > 1)) ||
        (!sided && read.Side != -1) || read.PointType < 0 || read.PointType > 4) {
        std::abort();
    }
    return 0;
}
