#include "match/Score.h"

#include "match/History.h"
#include "match/Match.h"
#include "match/MatchView.h"
#include "match/Messages.h"
#include "match/Rules.h"
#include "shared/CommonSettings.h"
#include "shared/Language.h"
#include "shared/Numbers.h"
#include "teams/Searches.h"

#include <algorithm>

namespace {

constexpr int NameLength = 18;

bool RefusedCode(const QString& code) {
    return code != QStringLiteral("E") && !code.isEmpty() && NumericValue(code) == 0;
}

void SetPointOrMatchPoint(Match& match, const CommonSettings& m, MatchView& v) {
    DecideBanner(match, m.Languages);
    if (match.Display.Banner && !ValidTotalSets(match.TotalSets)) {
        v.Warning(MatchMessages::WrongSetCount + QString::number(match.TotalSets));
    }
}

void ShowScorer(Match& match, int side, int type, const PointRequest& r, const CommonSettings& m,
                MatchView& v) {
    const QString& team = match.TeamName[side];
    match.ScorerPhoto = AthletePhoto(TeamFolder(m.DataFolder, team), match.PickedAthlete);
    auto& panel = match.Display.Panel;
    panel.Side = side;
    panel.Title = type != 0 ? team + QStringLiteral(" : ") + r.TypeCaptions[type] : team;
    panel.Scrolls = false;
    if (NumericValue(match.LastPointCode) <= 0) {
        return;
    }
    panel.Number = match.PickedAthlete;
    QString name =
        QStringLiteral(" ") + AthleteSurname(match.Rosters[side], match.PickedAthlete, m.Languages);
    if (name.size() < NameLength) {
        name = name.rightJustified(NameLength, u' ').toUpper();
    }
    panel.Surname = name;
    panel.Scrolls = true;
    v.StartScroll();
}

void CloseSet(Match& match, int pointsForWin, const QString& wallNow, const CommonSettings& m,
              MatchView& v) {
    const int home = match.Points[0];
    const int guests = match.Points[1];
    if (!SetConcluded(home, guests, pointsForWin)) {
        return;
    }
    const int winner = home > guests ? 0 : 1;
    match.LastSetWinner = match.Display.Name[winner];
    if (match.CurrentSet >= 1 && match.CurrentSet <= static_cast<int>(match.Partials.size())) {
        match.Partials[match.CurrentSet - 1] = Align2(home) + QStringLiteral("/") + Align2(guests);
    }
    match.CurrentSet += 1;
    match.SetLabel = SetLabelFor(match.CurrentSet, m.Languages);
    AppendHistory(match, SetStartLine(match.CurrentSet, wallNow));
    match.Points = {0, 0};
    match.Display.Serving = {false, false};
    match.TimeoutsCalled = {0, 0};
    match.SetsWon[winner] += 1;
    const bool finished =
        ConcludedMatch(match.TotalSets, SetCode(match.SetsWon[0], match.SetsWon[1]));
    if (finished) {
        EndMatch(match, m.Languages);
        v.MatchEnd();
        v.Warning(m.Translate(MatchMessages::WonBy) + QStringLiteral(" ") + match.LastSetWinner);
        match.FinalStatisticsActive = true;
    } else {
        match.MatchOver = false;
    }
    match.Display.Banner = false;
}

} // namespace

bool ScorePoint(Match& match, const PointRequest& r, const CommonSettings& m, MatchView& v) {
    const int side = r.Button <= 1 ? 0 : 1;
    const int other = 1 - side;
    const bool added = r.Button == 0 || r.Button == 3;
    const QString wallNow = HistoryTime(r.Now);
    const int pointsForWin =
        PointsToWin(match.TotalSets, match.CurrentSet, match.SetPoints, match.TieBreakPoints);
    v.StartBlink();
    match.CountdownCancelled = true;

    if (added) {
        if (match.Points[0] == 0 && match.Points[1] == 0 && match.CurrentSet == 1 &&
            !match.Locked) {
            AppendHistory(match, SetStartLine(1, wallNow));
            v.LockConsole();
        }
        match.LastPointCode = r.Code;
        if (RefusedCode(match.LastPointCode)) {
            v.RefusedCode(side);
            v.Warning(m.Translate(MatchMessages::NotAnAthlete));
            return false;
        }
        match.Points[side] = std::min(MaxPoints, match.Points[side] + 1);
        match.Display.Serving[side] = true;
        match.Display.Serving[other] = false;
        match.LastClickScore = match.Points;
        // The other side's points of this set: its last recorded score may belong to the
        // previous set.
        if (CourtChange(match.TotalSets, match.CurrentSet, match.ActiveCourtChange,
                        match.Points[side], match.Points[other])) {
            match.CountdownCancelled = false;
            v.OpenCourtChange();
        }
        match.AnimatedPanel = 1;
    } else {
        if (match.Points[side] == 0 && match.CurrentSet == 1) {
            return false;
        }
        if (r.Button == 1) {
            match.ActivePresentation = false;
        }
        match.Points[side] = std::max(0, match.Points[side] - 1);
        match.LastClickScore = match.Points;
    }

    const int type = r.PointType >= 0 && r.PointType <= 4 ? r.PointType : 0;
    if (match.LastPointCode.isEmpty()) {
        match.LastPointCode = QStringLiteral("N");
    }
    AppendHistory(match, PointLine(match.CurrentSet, match.Points[0], match.Points[1], wallNow,
                                   EventCode(side, match.LastPointCode, type)));
    match.UndoActive = true;
    match.Display.Points = {QString::number(match.Points[0]), QString::number(match.Points[1])};
    SetPointOrMatchPoint(match, m, v);
    match.ScorerPhoto.clear();
    // The scorer is this point's code: an athlete picked for an earlier point is nobody now.
    if (added && NumericValue(match.LastPointCode) <= 0) {
        match.PickedAthlete.clear();
    }
    if (r.Button == 0 && m.ActiveCheer != 0) {
        v.Cheer(type);
    }
    if (r.Button == 3 || (r.Button == 0 && NumericValue(match.LastPointCode) > 0)) {
        ShowScorer(match, side, type, r, m, v);
    } else {
        match.PickedAthlete.clear();
    }
    CloseSet(match, pointsForWin, wallNow, m, v);
    return true;
}

void DecideBanner(Match& match, const LanguageTable& languages) {
    auto& t = match.Display;
    t.Banner = false;
    const int home = match.Points[0];
    const int guests = match.Points[1];
    const int pointsForWin =
        PointsToWin(match.TotalSets, match.CurrentSet, match.SetPoints, match.TieBreakPoints);
    if (match.MatchOver || !NearSetEnd(home, guests, pointsForWin) || home == guests) {
        return;
    }
    t.BannerText = languages.Translate(QStringLiteral("SET POINT"));
    t.BannerMatchPoint = false;
    const int leading = home > guests ? 0 : 1;
    if (MatchPoint(match.TotalSets, leading, SetCode(match.SetsWon[0], match.SetsWon[1]))) {
        t.BannerText = languages.Translate(QStringLiteral("MATCH POINT"));
        t.BannerMatchPoint = true;
    }
    t.Banner = true;
}

bool BannerUp(const Match& match) {
    return match.Display.Banner && ValidTotalSets(match.TotalSets);
}

void DecideServe(Match& match) {
    std::array<bool, 2> serve{false, false};
    for (const HistoryEvent& e : match.History) {
        switch (e.Kind) {
        case HistoryKind::SetStart:
            serve = {false, false};
            break;
        case HistoryKind::Point:
            serve = {e.Side == 0, e.Side == 1};
            break;
        case HistoryKind::Removal:
        case HistoryKind::Timeout:
        case HistoryKind::Unknown:
            break;
        }
    }
    match.Display.Serving = serve;
}
