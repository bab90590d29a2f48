#include "match/Rollback.h"
#include "match/History.h"
#include "match/Match.h"
#include "match/MatchFile.h"
#include "match/Score.h"
#include "match/Timeout.h"
#include "shared/Language.h"

#include "doubles/Printing.h"
#include "match/Messages.h"

#include <gtest/gtest.h>

namespace {

// 0 no banner, 1 set point, 2 match point.
int BannerState(const Match& match) {
    return !BannerUp(match) ? 0 : match.Display.BannerMatchPoint ? 2 : 1;
}

// A real history: set 1 won 25-23 with a removal line inside, set 2 with timeouts, set 3 under way.
const QStringList History{
    "(1) 0 -  0 - 15:00 - 0_0",   // 0
    "(1) 1 -  0 - 15:00 - H_N_0", // 1
    "1#G Timeout Ospiti - 15:01", // 2
    "(1)24 - 23 - 15:10 - H_N_0", // 3
    "(1)25 - 23 - 15:10 - H_7_1", // 4
    "(2) 0 -  0 - 15:10 - 0_0",   // 5
    "(2) 1 -  0 - 15:11 - H_N_0", // 6
    "(2) 0 -  0 - 15:11 - H_N_0", // 7 removal
    "1#H Timeout Locali - 15:12", // 8
    "(2)20 - 25 - 15:30 - G_E_0", // 9
    "(3) 0 -  0 - 15:30 - 0_0",   // 10
    "1#H Timeout Locali - 15:31", // 11
    "(3) 3 -  1 - 15:32 - H_N_0", // 12
    "2#H Timeout Locali - 15:33", // 13
    "(3) 4 -  1 - 15:34 - H_N_0", // 14
    "(3) 5 -  1 - 15:35 - H_N_0", // 15
    "1#G Timeout Ospiti - 15:36", // 16
    "(3) 6 -  1 - 15:37 - H_N_0", // 17
    "(3) 7 -  1 - 15:38 - H_N_0", // 18
    "(3) 8 -  1 - 15:39 - H_N_0", // 19
};

struct RollbackCase {
    int line;
    bool happens;
    int set, home, guests;
    std::array<int, 2> won;
    std::array<int, 2> timeout;
    const char* partials[2];
    int linesLeft;
};

class RollbackTest : public ::testing::TestWithParam<RollbackCase> {
  protected:
    RollbackTest() {
        DefaultRules(p);
        p.History = ReadHistory(History);
    }
    Match p;
    LanguageTable languages;
};

TEST_P(RollbackTest, RebuildsTheMatchFromTheHistory) {
    const RollbackCase c = GetParam();
    const auto d = RollbackDestination(p, c.line);
    ASSERT_EQ(c.happens, d.has_value());
    if (!d) {
        return;
    }
    RunRollback(p, *d, languages);
    EXPECT_EQ(c.set, p.CurrentSet);
    EXPECT_EQ((std::array<int, 2>{c.home, c.guests}), p.Points);
    EXPECT_EQ((std::array<QString, 2>{QString::number(c.home), QString::number(c.guests)}),
              p.Display.Points);
    EXPECT_EQ(c.won, p.SetsWon);
    EXPECT_EQ(c.timeout, p.TimeoutsCalled);
    EXPECT_EQ(QString::fromUtf8(c.partials[0]), p.Partials[0]);
    EXPECT_EQ(QString::fromUtf8(c.partials[1]), p.Partials[1]);
    EXPECT_EQ(c.linesLeft, p.History.size());
    EXPECT_EQ(c.linesLeft - 1, p.SelectedLine);
}

INSTANTIATE_TEST_SUITE_P(
    History, RollbackTest,
    ::testing::Values(
        RollbackCase{2, false, 0, 0, 0, {}, {}, {"", ""}, 20},  // timeout line
        RollbackCase{19, false, 0, 0, 0, {}, {}, {"", ""}, 20}, // last line
        RollbackCase{-1, false, 0, 0, 0, {}, {}, {"", ""}, 20}, // nothing selected
        RollbackCase{3, true, 1, 24, 23, {0, 0}, {0, 1}, {"", ""}, 4},
        RollbackCase{4, true, 2, 0, 0, {1, 0}, {0, 0}, {"25/23", ""}, 6}, // set point: next set
        // The removal line inside set 2 does not count as the end of a set.
        RollbackCase{9, true, 3, 0, 0, {1, 1}, {0, 0}, {"25/23", "20/25"}, 11},
        RollbackCase{12, true, 3, 3, 1, {1, 1}, {1, 0}, {"25/23", "20/25"}, 13},
        RollbackCase{14, true, 3, 4, 1, {1, 1}, {2, 0}, {"25/23", "20/25"}, 15},
        // Score lines between the timeouts and the target do not end the walk.
        RollbackCase{18, true, 3, 7, 1, {1, 1}, {2, 1}, {"25/23", "20/25"}, 19}));

// The banner follows the score wherever it comes from: a point, Undo, a rollback, a load.
TEST(BannerTest, UndoRollbackAndLoadDecideTheBannerAgain) {
    struct Case {
        const char* name;
        QStringList history;
        std::array<int, 2> points; // as the click before left them
        int destination;
        int expectedState; // 0 none, 1 set point, 2 match point
    };
    const Case cases[] = {
        {"Undo of the point that made set point",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1)23 -  1 - 15:05 - H_N_0", "(1)24 -  1 - 15:06 - H_N_0"},
         {24, 1},
         1,
         0},
        {"rollback into a set at 24-23",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1)24 - 23 - 15:10 - H_N_0", "(1)25 - 23 - 15:10 - H_7_1",
          "(2) 0 -  0 - 15:10 - 0_0"},
         {0, 0},
         1,
         1},
        {"Undo across the end of the set that would win the match",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1)25 - 20 - 15:10 - H_N_0", "(2) 0 -  0 - 15:10 - 0_0",
          "(2)25 - 20 - 15:20 - H_N_0", "(3) 0 -  0 - 15:20 - 0_0", "(3)24 - 20 - 15:30 - H_N_0",
          "(3)25 - 20 - 15:31 - H_N_0", "(4) 0 -  0 - 15:31 - 0_0"},
         {0, 0},
         5,
         2},
        {"Undo of a point that was not near the end",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1) 3 -  1 - 15:05 - H_N_0", "(1) 3 -  2 - 15:06 - G_N_0"},
         {3, 2},
         1,
         0},
    };
    for (const Case& c : cases) {
        Match p;
        DefaultRules(p);
        p.History = ReadHistory(c.history);
        p.Points = c.points;
        p.Display.Banner = true; // what the last click may have left
        RunRollback(p, c.destination, LanguageTable{});
        EXPECT_EQ(c.expectedState, BannerState(p)) << c.name;
        EXPECT_EQ(c.expectedState != 0, p.Display.Banner) << c.name;
        EXPECT_EQ(c.expectedState == 2   ? QStringLiteral("MATCH POINT")
                  : c.expectedState == 1 ? QStringLiteral("SET POINT")
                                         : p.Display.BannerText,
                  p.Display.BannerText)
            << c.name;
    }

    // A match file saved at match point opens with its banner.
    const auto file =
        ReadMatchFile({"#Salvataggio  del : 07/12/2026 - 21:40:00",
                       "#HOME  :Lupi",
                       "#GUESTS:Orsi",
                       "#HSCORE:2",
                       "#GSCORE:0",
                       "#HPART.:24",
                       "#GPART.:20",
                       "#CURSET:3",
                       "#SET 1 :25/20",
                       "#SET 2 :25/20",
                       "#TIMER1:0",
                       "#TIMER2:0",
                       "#GAMEOV:1",
                       "#SETTOT:5",
                       "#PUNTIS:25",
                       "#PUNTIT:15",
                       "#PUNTIC:8",
                       "#--------- Sotto tutti gli eventi della partita -------------",
                       "(3) 0 -  0 - 15:20 - 0_0",
                       "(3)24 - 20 - 15:30 - H_N_0"});
    ASSERT_TRUE(file);
    Match loaded;
    DefaultRules(loaded);
    ApplyMatchFile(loaded, *file, LanguageTable{});
    EXPECT_EQ(2, BannerState(loaded));
    EXPECT_TRUE(loaded.Display.Banner);
}

// The serving side follows the history back: Undo gives the serve back to who had it, a set's
// start has none, a removal leaves it where it was.
TEST(ServeTest, UndoRollbackAndLoadGiveTheServeBack) {
    struct Case {
        const char* name;
        QStringList history;
        int destination;
        std::array<bool, 2> waiting;
    };
    const QStringList history{"(1) 0 -  0 - 15:00 - 0_0",   "(1) 1 -  0 - 15:01 - H_7_0",
                              "1#G Timeout Ospiti - 15:01", "(1) 1 -  1 - 15:02 - G_4_0",
                              "(1) 1 -  0 - 15:02 - G_N_0", "(1) 2 -  0 - 15:03 - H_N_0"};
    const Case cases[] = {
        {"Undo of the guests' point", history, 2, {true, false}},
        {"back to the start of the set", history, 0, {false, false}},
        {"a removal leaves the serve with the guests", history, 4, {false, true}},
        {"the last point", history, 5, {true, false}},
        {"a set that has just begun",
         {"(1) 0 -  0 - 15:00 - 0_0", "(1)25 - 23 - 15:10 - H_N_0", "(2) 0 -  0 - 15:10 - 0_0"},
         2,
         {false, false}},
    };
    for (const Case& c : cases) {
        Match p;
        DefaultRules(p);
        p.History = ReadHistory(c.history);
        p.Display.Serving = {false, true};
        RunRollback(p, c.destination, LanguageTable{});
        EXPECT_EQ(c.waiting, p.Display.Serving) << c.name;
    }
}

TEST(ReturnRulesTest, FifteenPointSetsEndAtTheirOwnTarget) {
    Match p;
    p.TotalSets = 3;
    p.SetPoints = 15;
    p.TieBreakPoints = 15;
    p.History = ReadHistory({"(1)14 - 13 - 15:00 - H_N_0", "(1)15 - 13 - 15:00 - H_N_0",
                             "(2) 0 -  0 - 15:00 - 0_0", "(2) 1 -  0 - 15:00 - H_N_0"});
    const auto d = RollbackDestination(p, 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(2, *d) << "the start of set 2";
}

TEST(RollbackQuestionTest, NamesScoreAndSet) {
    LanguageTable languages;
    Match p;
    p.History = ReadHistory(History);
    EXPECT_EQ(MatchMessages::RollbackQuestion + QStringLiteral("\n\nLocali 24 - 23 Ospiti\n1° SET"),
              RollbackQuestion(p, 3, languages));
}

struct UndoCase {
    QStringList history;
    std::optional<int> line;
};

class UndoTest : public ::testing::TestWithParam<UndoCase> {};

TEST_P(UndoTest, ChoosesTheLineToGoBackTo) {
    Match p;
    DefaultRules(p);
    p.History = ReadHistory(GetParam().history);
    EXPECT_EQ(GetParam().line, UndoLine(p));
}

INSTANTIATE_TEST_SUITE_P(
    Histories, UndoTest,
    ::testing::Values(UndoCase{{"(1) 0 -  0 - 15:00 - 0_0"}, std::nullopt},
                      UndoCase{{"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_N_0"}, 0},
                      // After set 1, as after any set: the score before the set-winning point.
                      UndoCase{{"(1)24 - 23 - 15:00 - H_N_0", "(1)25 - 23 - 15:00 - H_N_0",
                                "(2) 0 -  0 - 15:00 - 0_0"},
                               0},
                      // After set 2: the score before the set-winning point.
                      UndoCase{{"(2)24 - 20 - 15:00 - H_N_0", "(2)25 - 20 - 15:00 - H_N_0",
                                "(3) 0 -  0 - 15:00 - 0_0"},
                               0},
                      UndoCase{{"(2) 3 -  2 - 15:00 - H_N_0", "1#H Timeout Locali - 15:01",
                                "(2) 4 -  2 - 15:02 - H_N_0"},
                               1}));

struct UndoSetEndCase {
    QStringList history;
    int set;
    std::array<int, 2> points;
    std::array<int, 2> won;
};

class UndoSetEndTest : public ::testing::TestWithParam<UndoSetEndCase> {};

TEST_P(UndoSetEndTest, UndoRightAfterASetTakesItsWinningPointBack) {
    Match p;
    DefaultRules(p);
    p.History = ReadHistory(GetParam().history);
    const auto d = RollbackDestination(p, *UndoLine(p), /*forUndo*/ true);
    ASSERT_TRUE(d);
    RunRollback(p, *d, LanguageTable{});
    EXPECT_EQ(GetParam().set, p.CurrentSet);
    EXPECT_EQ(GetParam().points, p.Points);
    EXPECT_EQ(GetParam().won, p.SetsWon);
    EXPECT_EQ(GetParam().history.size() - 2, p.History.size());
}

INSTANTIATE_TEST_SUITE_P(
    Set, UndoSetEndTest,
    ::testing::Values(UndoSetEndCase{{"(1) 0 -  0 - 15:00 - 0_0", "(1)24 - 20 - 15:00 - H_N_0",
                                      "(1)25 - 20 - 15:00 - H_N_0", "(2) 0 -  0 - 15:00 - 0_0"},
                                     1,
                                     {24, 20},
                                     {0, 0}},
                      UndoSetEndCase{{"(1)25 - 20 - 15:00 - H_N_0", "(2)24 - 20 - 15:00 - H_N_0",
                                      "(2)25 - 20 - 15:00 - H_N_0", "(3) 0 -  0 - 15:00 - 0_0"},
                                     2,
                                     {24, 20},
                                     {1, 0}}));

TEST(ReturnAtMatchEndTest, TheDecidingSetsWinningLineGoesNowhereBeyondTheRules) {
    Match p;
    DefaultRules(p);
    p.History = ReadHistory(
        {"(5)14 - 13 - 15:00 - H_N_0", "(5)15 - 13 - 15:00 - H_N_0", "(6) 0 -  0 - 15:00 - 0_0"});
    EXPECT_FALSE(RollbackDestination(p, 1)) << "no sixth set in a best of five";
    p.TotalSets = 3;
    p.History = ReadHistory(
        {"(3)14 - 13 - 15:00 - H_N_0", "(3)15 - 13 - 15:00 - H_N_0", "(4) 0 -  0 - 15:00 - 0_0"});
    EXPECT_FALSE(RollbackDestination(p, 1)) << "no fourth set in a best of three";
    EXPECT_EQ(0, RollbackDestination(p, 0)) << "the point before stays reachable";
}

TEST(TimeoutTest, TwoPerSideThenRefused) {
    Match p;
    LanguageTable languages;
    EXPECT_TRUE(GrantTimeout(p, 0, QStringLiteral("15:50:10"), languages));
    EXPECT_TRUE(GrantTimeout(p, 0, QStringLiteral("15:51:10"), languages));
    EXPECT_FALSE(GrantTimeout(p, 0, QStringLiteral("15:52:10"), languages));
    EXPECT_TRUE(GrantTimeout(p, 1, QStringLiteral("15:53:10"), languages));
    EXPECT_EQ((std::array<int, 2>{2, 1}), p.TimeoutsCalled);
    EXPECT_EQ((QStringList{"1#H Timeout Locali - 15:50", "2#H Timeout Locali - 15:51",
                           "1#G Timeout Ospiti - 15:53"}),
              HistoryLines(p.History));
    EXPECT_EQ(-1, p.SelectedLine) << "a timeout does not move the selection";
    EXPECT_EQ(QStringLiteral("Tempo Locali\n2° Richiesta"),
              TimeoutText(QStringLiteral("Locali"), 2, languages));
}

TEST(TimeoutTest, CountdownClosesAtTheThirtyFirstTickOrAfterAScoreChange) {
    Match p;
    int open = 0;
    while (TickTimeout(p)) {
        ++open;
    }
    EXPECT_EQ(30, open);
    EXPECT_EQ(0, p.TickCount);
    EXPECT_TRUE(TickTimeout(p));
    p.CountdownCancelled = true;
    EXPECT_FALSE(TickTimeout(p));
}

} // namespace
