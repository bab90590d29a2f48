#include "match/Match.h"

#include "match/History.h"
#include "match/Rules.h"
#include "shared/Language.h"

#include <algorithm>

QString SetLabelFor(int set, const LanguageTable& languages) {
    return languages.Translate(QString::number(set) + QStringLiteral("°SET"));
}

void DefaultRules(Match& p) {
    if (p.TotalSets == 0) {
        p.TotalSets = 5;
    }
    if (p.SetPoints == 0) {
        p.SetPoints = 25;
    }
    if (p.TieBreakPoints == 0) {
        p.TieBreakPoints = 15;
        p.CourtChangePoints = ComputeCourtChangePoints(15);
        p.ActiveCourtChange = 1;
    }
    p.FromUndo = 0;
}

void ClearMatch(Match& p, const LanguageTable& languages) {
    p.History.clear();
    p.SelectedLine = -1;
    p.Points = {0, 0};
    p.SetsWon = {0, 0};
    p.TimeoutsCalled = {0, 0};
    p.Display.Points = {QStringLiteral("0"), QStringLiteral("0")};
    p.ActiveTimeouts = true;
    p.FinishedMatch = 0;
    p.ActiveScore = true;
    p.UndoActive = true;
    p.ScorerPhoto.clear();
    p.CurrentSet = 1;
    p.SetLabel = SetLabelFor(1, languages);
    p.Partials = {};
    p.Display.Scorer = {false, false};
    p.Locked = false;
    p.ActivePresentation = true;
    p.FinalStatisticsActive = false;
    p.LastSetWinner.clear();
    p.Display.Banner = false;
}

void EndMatch(Match& p, const LanguageTable& languages) {
    p.FinishedMatch = 1;
    p.CurrentSet -= 1;
    p.SetLabel = SetLabelFor(p.CurrentSet, languages);
    p.Display.Points = {QString::number(p.SetsWon[0]), QString::number(p.SetsWon[1])};
    p.ActiveScore = false;
    p.UndoActive = false;
    p.ActiveTimeouts = false;
    p.AthleteCode.clear();
    p.LastScore[0] = 0;
    p.LastScore[1] = 0;
    p.Display.Scorer = {false, false};
}

void AppendHistory(Match& p, const QString& line) {
    p.History.append(ReadHistoryLine(line, p.History));
    p.SelectedLine = static_cast<int>(p.History.size()) - 1;
}

bool MatchInProgress(const Match& p) {
    return p.CurrentSet > 1 || p.SetsWon[0] > 0 || p.SetsWon[1] > 0 || p.Points[0] > 0 ||
           p.Points[1] > 0 || HasScoreChanges(p.History);
}
