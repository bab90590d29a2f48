#include "match/Rollback.h"

#include "match/Score.h"

#include "match/History.h"
#include "match/Match.h"
#include "match/Messages.h"
#include "match/Rules.h"
#include "shared/Language.h"
#include "shared/Numbers.h"

#include <algorithm>

namespace {

// A set's winning point, by that set's own target under the match rules.
bool ClosesSet(const Match& match, const HistoryEvent& e) {
    return e.HasScore() &&
           SetConcluded(e.Score[0], e.Score[1],
                        PointsToWin(match.TotalSets, e.Set, match.SetPoints, match.TieBreakPoints));
}

} // namespace

std::optional<int> RollbackDestination(const Match& match, int line, bool forUndo) {
    const int lines = static_cast<int>(match.History.size());
    if (line < 0 || line >= lines) {
        return std::nullopt;
    }
    const HistoryEvent& e = match.History[line];
    if (!e.HasScore() || (line == lines - 1 && !forUndo)) {
        return std::nullopt;
    }
    if (ClosesSet(match, e) && line + 1 < lines) {
        ++line;
        const HistoryEvent& after = match.History[line];
        // The match's last set won: there is no next set to go to, the match is already there.
        if (!after.HasScore() || after.Set > match.TotalSets) {
            return std::nullopt;
        }
    }
    return line;
}

QString RollbackQuestion(const Match& match, int destination, const LanguageTable& languages) {
    const HistoryEvent& d = match.History[destination];
    return languages.Translate(MatchMessages::RollbackQuestion) + QStringLiteral("\n\n") +
           languages.Translate(QStringLiteral("Locali")) + QStringLiteral(" ") +
           QString::number(d.Score[0]) + QStringLiteral(" - ") + QString::number(d.Score[1]) +
           QStringLiteral(" ") + languages.Translate(QStringLiteral("Ospiti")) +
           QStringLiteral("\n") + SetLabelFor(d.Set, languages);
}

void RunRollback(Match& match, int destination, const LanguageTable& languages) {
    const HistoryEvent d = match.History[destination];
    match.CurrentSet = d.Set;
    match.SetLabel = SetLabelFor(d.Set, languages);
    match.Partials = {};
    match.Points = d.Score;
    match.Display.Points = {QString::number(d.Score[0]), QString::number(d.Score[1])};

    std::array<int, 2> timeout{0, 0};
    for (int i = 0; i < destination; ++i) {
        const HistoryEvent& e = match.History[i];
        if (e.Kind == HistoryKind::Timeout && e.Set == d.Set) {
            timeout[e.Side] = std::max(timeout[e.Side], e.TimeoutCount);
        }
    }

    // Each earlier set ends at its own last score line: a removal line cannot fake an end.
    std::array<int, 2> won{0, 0};
    for (int set = 1; set < d.Set; ++set) {
        for (int i = destination; i >= 0; --i) {
            const HistoryEvent& e = match.History[i];
            if (!e.HasScore() || e.Set != set) {
                continue;
            }
            if (e.Score[0] != e.Score[1]) {
                won[e.Score[0] > e.Score[1] ? 0 : 1] += 1;
            }
            if (set <= static_cast<int>(match.Partials.size())) {
                match.Partials[set - 1] =
                    Align2(e.Score[0]) + QStringLiteral("/") + Align2(e.Score[1]);
            }
            break;
        }
    }
    match.SetsWon = won;
    match.TimeoutsCalled = timeout;
    match.History.resize(destination + 1);
    match.SelectedLine = static_cast<int>(match.History.size()) - 1;
    DecideServe(match);
    DecideBanner(match, languages);
}

std::optional<int> UndoLine(const Match& match) {
    const int lines = static_cast<int>(match.History.size());
    if (lines < 2) {
        return std::nullopt;
    }
    int line = lines - 2;
    if (ClosesSet(match, match.History[line]) && lines > 2) {
        line = lines - 3;
    }
    return line;
}
