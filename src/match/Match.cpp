#include "match/Match.h"

#include "match/History.h"
#include "match/Rules.h"
#include "shared/Language.h"
#include "shared/SetLabel.h"

#include <algorithm>

QString SetLabelFor(int set, const LanguageTable& languages) {
    return OrdinalSetLabel(languages.CurrentLanguage, set);
}

void DefaultRules(Match& match) {
    if (match.TotalSets == 0) {
        match.TotalSets = 5;
    }
    if (match.SetPoints == 0) {
        match.SetPoints = 25;
    }
    if (match.TieBreakPoints == 0) {
        match.TieBreakPoints = 15;
        match.CourtChangePoints = ComputeCourtChangePoints(15);
        match.ActiveCourtChange = 1;
    }
}

void ClearMatch(Match& match, const LanguageTable& languages) {
    match.History.clear();
    match.SelectedLine = -1;
    match.Points = {0, 0};
    match.SetsWon = {0, 0};
    match.TimeoutsCalled = {0, 0};
    match.Display.Points = {QStringLiteral("0"), QStringLiteral("0")};
    match.ActiveTimeouts = true;
    match.MatchOver = false;
    match.ActiveScore = true;
    match.UndoActive = true;
    match.ScorerPhoto.clear();
    match.CurrentSet = 1;
    match.SetLabel = SetLabelFor(1, languages);
    match.Partials = {};
    match.Display.Serving = {false, false};
    match.Locked = false;
    match.ActivePresentation = true;
    match.FinalStatisticsActive = false;
    match.LastSetWinner.clear();
    match.Display.Banner = false;
}

void EndMatch(Match& match, const LanguageTable& languages) {
    match.MatchOver = true;
    match.CurrentSet -= 1;
    match.SetLabel = SetLabelFor(match.CurrentSet, languages);
    match.Display.Points = {QString::number(match.SetsWon[0]), QString::number(match.SetsWon[1])};
    match.ActiveScore = false;
    match.UndoActive = false;
    match.ActiveTimeouts = false;
    match.LastPointCode.clear();
    match.LastClickScore = {0, 0};
    match.Display.Serving = {false, false};
}

void AppendHistory(Match& match, const QString& line) {
    match.History.append(ReadHistoryLine(line, match.History));
    match.SelectedLine = static_cast<int>(match.History.size()) - 1;
}

bool MatchInProgress(const Match& match) {
    return match.CurrentSet > 1 || match.SetsWon[0] > 0 || match.SetsWon[1] > 0 ||
           match.Points[0] > 0 || match.Points[1] > 0 || HasScoreChanges(match.History);
}
