#include "match/Score.h"
#include "match/Match.h"
#include "match/MatchView.h"
#include "shared/CommonSettings.h"

#include "doubles/Printing.h"
#include "match/Messages.h"

#include <gtest/gtest.h>

namespace {

// 0 no banner, 1 set point, 2 match point.
int BannerState(const Match& match) {
    return !BannerUp(match) ? 0 : match.Display.BannerMatchPoint ? 2 : 1;
}

class RecordedView : public MatchView {
  public:
    void Warning(const QString& text) override { warnings.append(text); }
    void LockConsole() override {
        ++blocks;
        match->Locked = true;
    }
    void StartBlink() override { ++blinks; }
    void StartScroll() override { ++scrolls; }
    void Cheer(int type) override { cheers.push_back(type); }
    void OpenCourtChange() override { ++courtChanges; }
    void MatchEnd() override { ++matchEnds; }
    void RefusedCode(int side) override { refused.push_back(side); }

    Match* match = nullptr;
    QStringList warnings;
    std::vector<int> cheers;
    std::vector<int> refused;
    int blocks = 0, blinks = 0, scrolls = 0, courtChanges = 0, matchEnds = 0;
};

constexpr int HomePlus = 0, HomeMinus = 1, MinusGuests = 2, PlusGuests = 3;

class ScoreTest : public ::testing::Test {
  protected:
    ScoreTest() {
        DefaultRules(p);
        p.SetLabel = SetLabelFor(1, m.Languages);
        m.DataFolder = QStringLiteral("/dati");
        view.match = &p;
    }

    bool Click(int index, const QString& code = {}, int type = 0) {
        PointRequest r;
        r.Button = index;
        r.Code = code;
        r.PointType = type;
        r.Now = QStringLiteral("15:42:10");
        r.TypeCaptions = {QStringLiteral("Non specificato"), QStringLiteral("Ace"),
                          QStringLiteral("Muro"), QStringLiteral("Schiacciata"),
                          QStringLiteral("Pallonetto")};
        return ScorePoint(p, r, m, view);
    }

    // Plays a whole set: level up to the loser's total, then the winner pulls away.
    void Set(int home, int guests) {
        const int winner = home > guests ? HomePlus : PlusGuests;
        const int loser = winner == HomePlus ? PlusGuests : HomePlus;
        const int loserPoints = std::min(home, guests);
        for (int i = 0; i < loserPoints; ++i) {
            Click(winner);
            Click(loser);
        }
        for (int i = loserPoints; i < std::max(home, guests); ++i) {
            Click(winner);
        }
    }

    Match p;
    CommonSettings m;
    RecordedView view;
};

TEST_F(ScoreTest, FirstPointLogsTheSetStartAndLocksTheConsole) {
    ASSERT_TRUE(Click(HomePlus));
    EXPECT_EQ((QStringList{"(1) 0 -  0 - 15:42 - 0_0", "(1) 1 -  0 - 15:42 - H_N_0"}),
              HistoryLines(p.History));
    EXPECT_EQ(1, view.blocks);
    EXPECT_EQ(1, p.SelectedLine);
    EXPECT_TRUE(p.UndoActive);
    EXPECT_EQ((std::array<bool, 2>{true, false}), p.Display.Serving);
    Click(PlusGuests, QStringLiteral("7"), 2);
    EXPECT_EQ(QStringLiteral("(1) 1 -  1 - 15:42 - G_7_2"), p.History.last().Text);
    EXPECT_EQ((std::array<bool, 2>{false, true}), p.Display.Serving);
    EXPECT_EQ(1, view.blocks) << "only the first point locks";
}

TEST_F(ScoreTest, HistoryAlignsOneAndTwoDigitScores) {
    p.Points = {11, 10};
    p.Locked = true;
    Click(HomePlus, QStringLiteral("E"));
    EXPECT_EQ(QStringLiteral("(1)12 - 10 - 15:42 - H_E_0"), p.History.last().Text);
    p.Points = {9, 10};
    Click(HomePlus);
    EXPECT_EQ(QStringLiteral("(1)10 - 10 - 15:42 - H_N_0"), p.History.last().Text);
}

// A "+ 1" with an empty code box credits nobody: no athlete's photo, whoever was picked before.
TEST_F(ScoreTest, APointWithNoCodeShowsNoAthlete) {
    for (const int index : {HomePlus, PlusGuests}) {
        p.PickedAthlete = QStringLiteral("7"); // the last athlete picked, points ago
        p.ScorerPhoto.clear();
        ASSERT_TRUE(Click(index));
        EXPECT_TRUE(p.ScorerPhoto.isEmpty()) << index << " " << p.ScorerPhoto.toStdString();
        EXPECT_TRUE(p.PickedAthlete.isEmpty()) << index;
        EXPECT_TRUE(p.History.last().Text.endsWith(QStringLiteral("_N_0"))) << "nobody credited";
    }
    p.PickedAthlete = QStringLiteral("7");
    ASSERT_TRUE(Click(PlusGuests, QStringLiteral("7")));
    EXPECT_TRUE(p.ScorerPhoto.endsWith(QStringLiteral("7.jpg")))
        << "a number in the box still shows its athlete";
}

TEST_F(ScoreTest, AthleteCodes) {
    struct Case {
        const char* code;
        bool accepted;
        const char* event;
    };
    for (const Case c :
         {Case{"0", false, ""}, Case{"abc", false, ""}, Case{"e", false, ""},
          Case{"E", true, "H_E_0"}, Case{"12", true, "H_12_0"}, Case{"", true, "H_N_0"}}) {
        SCOPED_TRACE(c.code);
        p = Match{};
        DefaultRules(p);
        view.warnings.clear();
        EXPECT_EQ(c.accepted, Click(HomePlus, QString::fromUtf8(c.code)));
        if (c.accepted) {
            EXPECT_TRUE(view.warnings.isEmpty());
            EXPECT_EQ(1, p.Points[0]);
            EXPECT_TRUE(p.History.last().Text.endsWith(QString::fromUtf8(c.event)));
        } else {
            EXPECT_EQ(QStringList{MatchMessages::NotAnAthlete}, view.warnings);
            EXPECT_EQ(0, p.Points[0]);
            EXPECT_EQ(QStringList{"(1) 0 -  0 - 15:42 - 0_0"}, HistoryLines(p.History))
                << "the set start and the lock of the first point stay";
            EXPECT_TRUE(p.Locked);
        }
    }
}

TEST_F(ScoreTest, RemovalAtZeroInTheFirstSetDoesNothing) {
    EXPECT_FALSE(Click(HomeMinus));
    EXPECT_FALSE(Click(MinusGuests));
    EXPECT_TRUE(p.History.isEmpty());
    EXPECT_TRUE(p.ActivePresentation);
}

TEST_F(ScoreTest, RemovalInALaterSetStopsAtZeroButIsLogged) {
    Set(25, 20);
    const auto lines = p.History.size();
    EXPECT_TRUE(Click(MinusGuests));
    EXPECT_EQ(0, p.Points[1]);
    EXPECT_EQ(lines + 1, p.History.size());
    EXPECT_EQ(QStringLiteral("(2) 0 -  0 - 15:42 - G_N_0"), p.History.last().Text);
}

TEST_F(ScoreTest, RemovalReusesTheLastCodeAndButtonOneBlocksThePresentation) {
    Click(HomePlus, QStringLiteral("9"), 1);
    Click(MinusGuests);
    EXPECT_TRUE(p.ActivePresentation);
    Click(HomePlus, QStringLiteral("4"));
    Click(HomeMinus);
    EXPECT_EQ(QStringLiteral("(1) 1 -  0 - 15:42 - H_4_0"), p.History.last().Text);
    EXPECT_FALSE(p.ActivePresentation);
}

TEST_F(ScoreTest, PointsStopAtTwoHundred) {
    p.Locked = true;
    p.Points = {199, 199};
    Click(HomePlus);
    Click(HomePlus);
    EXPECT_EQ(200, p.Points[0]);
    Click(PlusGuests);
    Click(PlusGuests);
    EXPECT_EQ((std::array<int, 2>{200, 200}), p.Points);
    EXPECT_EQ(1, p.CurrentSet);
}

struct BannerCase {
    int totalSets;
    int homeSets, guestSets;
    int home, guests; // after the click
    int state;
    const char* text;
};

class BannerTest : public ScoreTest, public ::testing::WithParamInterface<BannerCase> {};

TEST_P(BannerTest, SetPointOrMatchPoint) {
    const BannerCase c = GetParam();
    p.TotalSets = c.totalSets;
    p.SetsWon = {c.homeSets, c.guestSets};
    p.CurrentSet = c.homeSets + c.guestSets + 1;
    p.Locked = true;
    const bool homeScores = c.home > 0;
    p.Points = {c.home - (homeScores ? 1 : 0), c.guests - (homeScores ? 0 : 1)};
    Click(homeScores ? HomePlus : PlusGuests);
    EXPECT_EQ(c.state, BannerState(p));
    EXPECT_EQ(c.text != nullptr, p.Display.Banner);
    if (c.text != nullptr) {
        EXPECT_EQ(QString::fromUtf8(c.text), p.Display.BannerText);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, BannerTest,
                         ::testing::Values(BannerCase{5, 0, 0, 24, 24, 0, nullptr},
                                           BannerCase{5, 0, 0, 25, 24, 1, "SET POINT"},
                                           BannerCase{5, 0, 0, 23, 22, 0, nullptr},
                                           BannerCase{5, 2, 1, 24, 20, 2, "MATCH POINT"},
                                           BannerCase{5, 2, 1, 20, 24, 1, "SET POINT"},
                                           BannerCase{5, 1, 2, 20, 24, 2, "MATCH POINT"},
                                           BannerCase{5, 2, 2, 14, 10, 2, "MATCH POINT"},
                                           BannerCase{3, 0, 1, 24, 20, 1, "SET POINT"},
                                           BannerCase{3, 0, 1, 20, 24, 2, "MATCH POINT"},
                                           BannerCase{3, 1, 1, 14, 13, 2, "MATCH POINT"},
                                           BannerCase{1, 0, 0, 24, 20, 2, "MATCH POINT"},
                                           BannerCase{1, 0, 0, 20, 24, 2, "MATCH POINT"}));

TEST_F(ScoreTest, UnknownNumberOfSetsWarnsAndShowsNoBlinkingBanner) {
    p.TotalSets = 4;
    p.Locked = true;
    p.Points = {23, 20};
    Click(HomePlus);
    EXPECT_EQ(QStringList{"Error number of sets =4"}, view.warnings);
    EXPECT_FALSE(BannerUp(p)) << "a match of unknown length never blinks it";
    EXPECT_TRUE(p.Display.Banner);
}

struct MatchCase {
    int totalSets;
    std::vector<std::pair<int, int>> set;
    const char* winner;
    int lastSet;
    const char* display[2];
    const char* lastLine;
};

class WholeMatchTest : public ScoreTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(WholeMatchTest, PlaysToTheWinnerMessage) {
    const MatchCase c = GetParam();
    p.TotalSets = c.totalSets;
    for (size_t i = 0; i < c.set.size(); ++i) {
        EXPECT_FALSE(p.MatchOver) << "set " << i + 1;
        Set(c.set[i].first, c.set[i].second);
    }
    EXPECT_EQ(QStringList{MatchMessages::WonBy + QStringLiteral(" ") + QString::fromUtf8(c.winner)},
              view.warnings);
    EXPECT_TRUE(p.MatchOver);
    EXPECT_EQ(1, view.matchEnds);
    EXPECT_EQ(c.lastSet, p.CurrentSet);
    EXPECT_EQ(QString::fromUtf8(c.display[0]), p.Display.Points[0]);
    EXPECT_EQ(QString::fromUtf8(c.display[1]), p.Display.Points[1]);
    EXPECT_EQ(QString::fromUtf8(c.lastLine), p.History.last().Text);
    EXPECT_FALSE(p.ActiveScore);
    EXPECT_FALSE(p.UndoActive);
    EXPECT_FALSE(p.ActiveTimeouts);
    EXPECT_TRUE(p.FinalStatisticsActive);
    EXPECT_TRUE(p.LastPointCode.isEmpty());
    for (size_t i = 0; i < c.set.size(); ++i) {
        EXPECT_EQ(QString::number(c.set[i].first).rightJustified(2) + "/" +
                      QString::number(c.set[i].second).rightJustified(2),
                  p.Partials[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Matches, WholeMatchTest,
    ::testing::Values(
        MatchCase{
            5, {{25, 10}, {25, 23}, {30, 28}}, "Locali", 3, {"3", "0"}, "(4) 0 -  0 - 15:42 - 0_0"},
        MatchCase{5,
                  {{25, 20}, {20, 25}, {23, 25}, {25, 9}, {14, 16}},
                  "Ospiti",
                  5,
                  {"2", "3"},
                  "(6) 0 -  0 - 15:42 - 0_0"},
        MatchCase{5,
                  {{25, 20}, {20, 25}, {25, 23}, {20, 25}, {17, 15}},
                  "Locali",
                  5,
                  {"3", "2"},
                  "(6) 0 -  0 - 15:42 - 0_0"},
        MatchCase{3, {{25, 20}, {26, 24}}, "Locali", 2, {"2", "0"}, "(3) 0 -  0 - 15:42 - 0_0"},
        MatchCase{
            3, {{25, 20}, {20, 25}, {10, 15}}, "Ospiti", 3, {"1", "2"}, "(4) 0 -  0 - 15:42 - 0_0"},
        MatchCase{1, {{25, 27}}, "Ospiti", 1, {"0", "1"}, "(2) 0 -  0 - 15:42 - 0_0"}));

TEST_F(ScoreTest, TieBreakGoesOnAtFifteenFourteen) {
    p.SetsWon = {2, 2};
    p.CurrentSet = 5;
    p.Locked = true;
    p.Points = {14, 14};
    Click(HomePlus);
    EXPECT_FALSE(p.MatchOver);
    EXPECT_EQ(15, p.Points[0]);
    Click(HomePlus);
    EXPECT_TRUE(p.MatchOver);
}

TEST_F(ScoreTest, EndOfSetResetsTheConsoleButTheDisplayKeepsTheFinalScore) {
    p.TimeoutsCalled = {2, 1};
    Set(25, 23);
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.Points);
    EXPECT_EQ((std::array<QString, 2>{"25", "23"}), p.Display.Points);
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.TimeoutsCalled);
    EXPECT_EQ((std::array<int, 2>{1, 0}), p.SetsWon);
    EXPECT_EQ(2, p.CurrentSet);
    EXPECT_EQ(QStringLiteral("2° SET"), p.SetLabel);
    EXPECT_EQ(QStringLiteral("25/23"), p.Partials[0]);
    EXPECT_EQ((std::array<bool, 2>{false, false}), p.Display.Serving);
    EXPECT_FALSE(p.Display.Banner);
    EXPECT_EQ(QStringLiteral("Locali"), p.LastSetWinner);
    Click(PlusGuests);
    EXPECT_EQ((std::array<QString, 2>{"0", "1"}), p.Display.Points);
}

TEST_F(ScoreTest, CourtChangeComparesWithThisSetsPoints) {
    p.TotalSets = 3;
    Set(25, 20);
    Set(15, 25);
    EXPECT_EQ(3, p.CurrentSet);
    for (int i = 0; i < 7; ++i) {
        Click(HomePlus);
    }
    EXPECT_EQ(0, view.courtChanges);
    Click(HomePlus);
    EXPECT_EQ(1, view.courtChanges) << "8-0 opens the notice although the guests had 25";
    EXPECT_FALSE(p.CountdownCancelled);
    Click(PlusGuests);
    EXPECT_TRUE(p.CountdownCancelled) << "the next change closes the countdown";
}

TEST_F(ScoreTest, CourtChangeOffOpensNothing) {
    p.ActiveCourtChange = 0;
    p.SetsWon = {2, 2};
    p.CurrentSet = 5;
    p.Locked = true;
    p.Points = {7, 5};
    Click(HomePlus);
    EXPECT_EQ(0, view.courtChanges);
}

TEST_F(ScoreTest, ScorerPanel) {
    p.Rosters[0] = {Athlete{"7", "ROSSI", "Mario", "2-Centrale", "C"}};
    p.PickedAthlete = QStringLiteral("7");
    Click(HomePlus, QStringLiteral("7"), 1);
    const auto& panel = p.Display.Panel;
    EXPECT_EQ(QStringLiteral("Home : Ace"), panel.Title);
    EXPECT_EQ(QStringLiteral("            ROSSI"), panel.Surname.mid(1))
        << "the surname, in capitals";
    EXPECT_EQ(18, panel.Surname.size());
    EXPECT_EQ(QStringLiteral("7"), panel.Number);
    EXPECT_TRUE(panel.Scrolls);
    EXPECT_EQ(QStringLiteral("/dati/Teams/Home/7.jpg"), p.ScorerPhoto);
    EXPECT_EQ(1, view.scrolls);

    p.PickedAthlete = QStringLiteral("12");
    Click(PlusGuests, QStringLiteral("12"));
    EXPECT_EQ(QStringLiteral("         NUMERO 12"), p.Display.Panel.Surname)
        << "a number missing from the roster shows as itself";

    Click(PlusGuests, QStringLiteral("E"));
    EXPECT_EQ(QStringLiteral("Guests"), p.Display.Panel.Title);
    EXPECT_FALSE(p.Display.Panel.Scrolls) << "an opponent's error shows no scorer";
    EXPECT_EQ(2, view.scrolls);

    Click(HomePlus, QStringLiteral("E"));
    EXPECT_TRUE(p.PickedAthlete.isEmpty());
    EXPECT_TRUE(p.ScorerPhoto.isEmpty());
}

TEST_F(ScoreTest, OnlyHomePointsCheerWithTheSoundsOn) {
    Click(HomePlus, {}, 3);
    EXPECT_TRUE(view.cheers.empty()) << "sounds off";
    m.ActiveCheer = 1;
    Click(HomePlus, {}, 3);
    Click(PlusGuests, {}, 1);
    Click(HomeMinus);
    Click(HomePlus, QStringLiteral("abc"), 2);
    view.warnings.clear();
    Click(HomePlus, {}, 4);
    EXPECT_EQ((std::vector<int>{3, 4}), view.cheers);
}

TEST_F(ScoreTest, ResetKeepsRulesAndNames) {
    p.TotalSets = 3;
    p.TeamName = {QStringLiteral("Lupi"), QStringLiteral("Orsi")};
    Set(25, 20);
    Click(HomePlus);
    ClearMatch(p, m.Languages);
    EXPECT_TRUE(p.History.isEmpty());
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.Points);
    EXPECT_EQ((std::array<int, 2>{0, 0}), p.SetsWon);
    EXPECT_EQ((std::array<QString, 2>{"0", "0"}), p.Display.Points);
    EXPECT_TRUE(p.Partials[0].isEmpty());
    EXPECT_EQ(1, p.CurrentSet);
    EXPECT_FALSE(p.Locked);
    EXPECT_EQ(3, p.TotalSets);
    EXPECT_EQ(QStringLiteral("Lupi"), p.TeamName[0]);
}

// The last points panel totals what the last click left: through a set's end, then both sides
// of the new set, never one side of the old set beside the other of the new.
TEST_F(ScoreTest, LastClickScoreIsOneSetsScore) {
    Set(25, 20);
    EXPECT_EQ((std::array<int, 2>{25, 20}), p.LastClickScore) << "the finished set's score";
    Click(HomePlus);
    EXPECT_EQ((std::array<int, 2>{1, 0}), p.LastClickScore);
}

} // namespace
