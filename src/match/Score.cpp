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

void SetPointOrMatchPoint(Match& p, const CommonSettings& m, MatchView& v) {
    DecideBanner(p, m.Languages);
    if (p.Display.Banner && !ValidTotalSets(p.TotalSets)) {
        v.Warning(MatchMessages::WrongSetCount + QString::number(p.TotalSets));
    }
}

void ShowScorer(Match& p, int side, int type, const PointRequest& r, const CommonSettings& m,
                MatchView& v) {
    const QString& team = p.TeamName[side];
    p.ScorerPhoto = AthletePhoto(TeamFolder(m.DataFolder, team), p.ScorerNumber);
    auto& panel = p.Display.Panel;
    panel.Side = side;
    panel.Title = type != 0 ? team + QStringLiteral(" : ") + r.TypeCaptions[type] : team;
    panel.Scrolls = false;
    if (NumericValue(p.AthleteCode) <= 0) {
        return;
    }
    panel.Number = p.ScorerNumber;
    QString name =
        QStringLiteral(" ") + AthleteSurname(p.Rosters[side], p.ScorerNumber, m.Languages);
    if (name.size() < NameLength) {
        name = name.rightJustified(NameLength, u' ').toUpper();
    }
    panel.Surname = name;
    panel.Scrolls = true;
    v.StartScroll();
}

void CloseSet(Match& p, int pointsForWin, const QString& wallNow, const CommonSettings& m,
              MatchView& v) {
    const int home = p.CurrentScore[0];
    const int guests = p.CurrentScore[1];
    if (!SetConcluded(home, guests, pointsForWin)) {
        return;
    }
    const int winner = home > guests ? 0 : 1;
    p.LastSetWinner = p.Display.Name[winner];
    if (p.CurrentSet >= 1 && p.CurrentSet <= static_cast<int>(p.Partials.size())) {
        p.Partials[p.CurrentSet - 1] = Align2(home) + QStringLiteral("/") + Align2(guests);
    }
    p.CurrentSet += 1;
    p.SetLabel = SetLabelFor(p.CurrentSet, m.Languages);
    AppendHistory(p, SetStartLine(p.CurrentSet, wallNow));
    p.Points = {0, 0};
    p.Display.Scorer = {false, false};
    p.TimeoutsCalled = {0, 0};
    p.SetsWon[winner] += 1;
    const bool finished = ConcludedMatch(p.TotalSets, SetCode(p.SetsWon[0], p.SetsWon[1]));
    if (finished) {
        LockBot(p, m.Languages);
        v.MatchEnd();
        v.Warning(m.Translate(MatchMessages::WonBy) + QStringLiteral(" ") + p.LastSetWinner);
        p.FinalStatisticsActive = true;
    } else {
        p.FinishedMatch = 0;
    }
    p.Display.Banner = false;
}

} // namespace

bool ScorePoint(Match& p, const PointRequest& r, const CommonSettings& m, MatchView& v) {
    const int side = r.Index <= 1 ? 0 : 1;
    const int other = 1 - side;
    const bool added = r.Index == 0 || r.Index == 3;
    const QString wallNow = HistoryTime(r.Now);
    const int pointsForWin = PointsToWin(p.TotalSets, p.CurrentSet, p.SetPoints, p.TieBreakPoints);
    v.StartBlink();
    p.CountMode = -1;

    if (added) {
        if (p.Points[0] == 0 && p.Points[1] == 0 && p.CurrentSet == 1 && !p.Locked) {
            AppendHistory(p, SetStartLine(1, wallNow));
            v.LockConsole();
        }
        p.AthleteCode = r.Code;
        if (RefusedCode(p.AthleteCode)) {
            v.RefusedCode(side);
            v.Warning(m.Translate(MatchMessages::NotAnAthlete));
            return false;
        }
        p.Points[side] = std::min(MaxPoints, p.Points[side] + 1);
        p.Display.Scorer[side] = true;
        p.Display.Scorer[other] = false;
        p.LastScore[side] = p.Points[side];
        // The other side's points of this set: its last recorded score may belong to the
        // previous set.
        if (CourtChange(p.TotalSets, p.CurrentSet, p.ActiveCourtChange, p.Points[side],
                        p.Points[other])) {
            p.CountMode = 0;
            v.OpenCourtChange();
        }
        p.AnimatedPanel = 1;
    } else {
        if (p.Points[side] == 0 && p.CurrentSet == 1) {
            return false;
        }
        if (r.Index == 1) {
            p.ActivePresentation = false;
        }
        p.Points[side] = std::max(0, p.Points[side] - 1);
        p.LastScore[side] = p.Points[side];
    }

    const int type = r.PointType >= 0 && r.PointType <= 4 ? r.PointType : 0;
    if (p.AthleteCode.isEmpty()) {
        p.AthleteCode = QStringLiteral("N");
    }
    AppendHistory(p, PointLine(p.CurrentSet, p.Points[0], p.Points[1], wallNow,
                               EventCode(side, p.AthleteCode, type)));
    p.UndoActive = true;
    p.Display.Points = {QString::number(p.Points[0]), QString::number(p.Points[1])};
    p.CurrentScore = p.Points;
    SetPointOrMatchPoint(p, m, v);
    p.ScorerPhoto.clear();
    // The scorer is this point's code: an athlete picked for an earlier point is nobody now.
    if (added && NumericValue(p.AthleteCode) <= 0) {
        p.ScorerNumber.clear();
    }
    if (r.Index == 0 && m.ActiveCheer != 0) {
        v.Cheer(type);
    }
    if (r.Index == 3 || (r.Index == 0 && NumericValue(p.AthleteCode) > 0)) {
        ShowScorer(p, side, type, r, m, v);
    } else {
        p.ScorerNumber.clear();
        p.ScorerName.clear();
    }
    CloseSet(p, pointsForWin, wallNow, m, v);
    return true;
}

void DecideBanner(Match& p, const LanguageTable& languages) {
    auto& t = p.Display;
    t.Banner = false;
    p.SetPointState = 0;
    const int home = p.Points[0];
    const int guests = p.Points[1];
    const int pointsForWin = PointsToWin(p.TotalSets, p.CurrentSet, p.SetPoints, p.TieBreakPoints);
    if (p.FinishedMatch != 0 || !NearSetEnd(home, guests, pointsForWin) || home == guests) {
        return;
    }
    t.BannerText = languages.Translate(QStringLiteral("SET POINT"));
    t.BannerMatchPoint = false;
    const int leading = home > guests ? 0 : 1;
    if (MatchPoint(p.TotalSets, leading, SetCode(p.SetsWon[0], p.SetsWon[1]))) {
        p.SetPointState = 2;
        t.BannerText = languages.Translate(QStringLiteral("MATCH POINT"));
        t.BannerMatchPoint = true;
    } else {
        p.SetPointState = 1;
    }
    if (!ValidTotalSets(p.TotalSets)) {
        p.SetPointState = 0;
    }
    t.Banner = true;
}

void DecideServe(Match& p) {
    std::array<bool, 2> serve{false, false};
    int points = 0;
    int set = 0;
    for (const QString& line : p.History) {
        const HistoryLine r = ReadLine(line);
        if (r.Timeout) {
            continue;
        }
        if (!IsPointLine(line)) {
            serve = {false, false};
        } else if (r.Set != set || r.Home + r.Guests > points) {
            const bool home = line.section(QStringLiteral(" - "), -1).startsWith(u'H');
            serve = {home, !home};
        }
        points = r.Home + r.Guests;
        set = r.Set;
    }
    p.Display.Scorer = serve;
}
