// A team.csv typed by somebody else: both readings, then the lookups of every row.
#include "shared/FileText.h"
#include "shared/Language.h"
#include "teams/Searches.h"
#include "teams/Teams.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QStringList lines =
        DecodeLines(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n)));
    static const LanguageTable languages;
    for (const bool console : {true, false}) {
        const Roster roster =
            RosterFromLines(lines, console ? ConsoleCapacity : EditorCapacity, console);
        if (roster.size() > static_cast<size_t>(console ? ConsoleCapacity : EditorCapacity)) {
            std::abort();
        }
        // A few rows exercise the lookups; all of them would only slow the search down.
        for (size_t r = 0; r < std::min<size_t>(roster.size(), 4); ++r) {
            const Athlete& a = roster[r];
            AthleteSurname(roster, a.Number, languages);
            AthleteName(roster, a.Number);
            AthleteRole(roster, a.Number, languages);
            AthletePhoto(QStringLiteral("/squadra"), a.Number);
        }
    }
    return 0;
}
