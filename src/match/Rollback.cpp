#include "match/Rollback.h"

#include "match/Score.h"

#include "match/History.h"
#include "match/Match.h"
#include "match/Rules.h"
#include "shared/Language.h"
#include "shared/Numbers.h"

#include <algorithm>

namespace {

// A set's winning point, by that set's own target under the match rules.
bool ClosesSet(const Match& p, const HistoryLine& r) {
    return !r.Timeout &&
           SetConcluded(r.Home, r.Guests,
                        PointsToWin(p.TotalSets, r.Set, p.SetPoints, p.TieBreakPoints));
}

} // namespace

std::optional<int> RollbackDestination(const Match& p, int line, bool forUndo) {
    const int lines = static_cast<int>(p.History.size());
    if (line < 0 || line >= lines) {
        return std::nullopt;
    }
    const HistoryLine r = ReadLine(p.History[line]);
    if (r.Timeout || (line == lines - 1 && !forUndo)) {
        return std::nullopt;
    }
    if (ClosesSet(p, r) && line + 1 < lines) {
        ++line;
        const HistoryLine after = ReadLine(p.History[line]);
        // The match's last set won: there is no next set to go to, the match is already there.
        if (after.Timeout || after.Set > p.TotalSets) {
            return std::nullopt;
        }
    }
    return line;
}

QString RollbackQuestion(const Match& p, int destination, const LanguageTable& languages) {
    const HistoryLine d = ReadLine(p.History[destination]);
    return languages.Translate(
               QStringLiteral("Desideri riportare la partita a questo precedente punteggio ?")) +
           QStringLiteral("\n\n") + languages.Translate(QStringLiteral("Locali")) +
           QStringLiteral(" ") + QString::number(d.Home) + QStringLiteral(" - ") +
           QString::number(d.Guests) + QStringLiteral(" ") +
           languages.Translate(QStringLiteral("Ospiti")) + QStringLiteral("\n") +
           languages.Translate(QString::number(d.Set) + QStringLiteral("°SET"));
}

void RunRollback(Match& p, int destination, const LanguageTable& languages) {
    const HistoryLine d = ReadLine(p.History[destination]);
    p.CurrentSet = d.Set;
    p.SetLabel = SetLabelFor(d.Set, languages);
    p.Partials = {};
    p.Points = {d.Home, d.Guests};
    p.Display.Points = {QString::number(d.Home), QString::number(d.Guests)};

    std::array<int, 2> timeout{0, 0};
    for (int i = destination - 1; i >= 0; --i) {
        const HistoryLine r = ReadLine(p.History[i]);
        if (!r.Timeout && r.Set < d.Set) {
            break;
        }
        if (r.Timeout) {
            timeout[r.Side] = std::max(timeout[r.Side], r.Count);
        }
    }

    // Each earlier set ends at its own last score line: a removal line cannot fake an end.
    std::array<int, 2> won{0, 0};
    for (int set = 1; set < d.Set; ++set) {
        for (int i = destination; i >= 0; --i) {
            const HistoryLine r = ReadLine(p.History[i]);
            if (r.Timeout || r.Set != set) {
                continue;
            }
            if (r.Home != r.Guests) {
                won[r.Home > r.Guests ? 0 : 1] += 1;
            }
            if (set <= static_cast<int>(p.Partials.size())) {
                p.Partials[set - 1] = Align2(r.Home) + QStringLiteral("/") + Align2(r.Guests);
            }
            break;
        }
    }
    p.SetsWon = won;
    p.TimeoutsCalled = timeout;
    while (p.History.size() > destination + 1) {
        p.History.removeLast();
    }
    p.SelectedLine = static_cast<int>(p.History.size()) - 1;
    DecideServe(p);
    DecideBanner(p, languages);
}

std::optional<int> UndoLine(const Match& p) {
    const int lines = static_cast<int>(p.History.size());
    if (lines < 2) {
        return std::nullopt;
    }
    int line = lines - 2;
    const HistoryLine r = ReadLine(p.History[line]);
    if (ClosesSet(p, r) && lines > 2) {
        line = lines - 3;
    }
    return line;
}
