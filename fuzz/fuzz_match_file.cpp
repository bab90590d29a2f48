// A match file edited by hand: reading it must not crash, and what it yields must be
// written back as a file that reads again.
#include "match/History.h"
#include "match/Match.h"
#include "match/MatchFile.h"
#include "shared/FileText.h"
#include "shared/Language.h"

#include <QDateTime>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QStringList lines =
        DecodeLines(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n)));
    const auto file = ReadMatchFile(lines);
    if (!file) {
        return 0;
    }
    static const LanguageTable languages;
    Match p;
    DefaultRules(p);
    ClearMatch(p, languages);
    ApplyMatchFile(p, *file, languages);
    const QStringList written =
        MatchFileLines(p, QDateTime(QDate(2026, 12, 10), QTime(20, 0)), languages);
    // The history is written back as it was read, whatever it holds.
    if (ReadHistory(HistoryLines(p.History)) != p.History) {
        std::abort();
    }
    if (!ReadMatchFile(DecodeLines(EncodeLines(written)))) {
        std::abort();
    }
    return 0;
}
