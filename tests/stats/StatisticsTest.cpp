#include "stats/Statistics.h"

#include "doubles/Printing.h"

#include <gtest/gtest.h>

namespace {

MatchHistory History(std::initializer_list<const char*> lines) {
    QStringList s;
    for (const char* r : lines) {
        s << QString::fromUtf8(r);
    }
    return ReadHistory(s);
}

TEST(StatisticsTest, CountsPerCodeAndGuestsNeverListEorN) {
    const auto points = CreditedPoints(History(
        {"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_7_2", "(1) 2 -  0 - 15:00 - H_7_0",
         "(1) 3 -  0 - 15:00 - H_E_0", "(1) 3 -  1 - 15:00 - G_12_3", "(1) 3 -  2 - 15:00 - G_N_0",
         "(1) 3 -  3 - 15:00 - G_E_0", "(1) 4 -  3 - 15:00 - H_N_0"}));
    EXPECT_EQ((QStringList{"Home  :   7 2", "Guests:  12 1", "Home  :   N 1", "Home  :   E 1"}),
              StatisticsLines(ScorerCounts(points, 0)));
}

TEST(StatisticsTest, EqualCountsComeOutSwappedAndSetsFilter) {
    const auto points = CreditedPoints(History(
        {"(1) 1 -  0 - 15:00 - H_4_0", "(1) 2 -  0 - 15:00 - H_9_0", "1#H Timeout Locali - 15:01",
         "(2) 0 -  0 - 15:00 - 0_0", "(2) 1 -  0 - 15:00 - H_4_0", "(2) 1 -  1 - 15:00 - G_5_1"}));
    EXPECT_EQ((QStringList{"Home  :   9 1", "Home  :   4 1"}),
              StatisticsLines(ScorerCounts(points, 1)));
    EXPECT_EQ((QStringList{"Guests:   5 1", "Home  :   4 1"}),
              StatisticsLines(ScorerCounts(points, 2)));
    EXPECT_EQ((QStringList{"Home  :   4 2", "Guests:   5 1", "Home  :   9 1"}),
              StatisticsLines(ScorerCounts(points, 0)));
}

TEST(StatisticsTest, ARemovalTakesBackTheLastPointOfItsSideInItsSet) {
    const auto points = CreditedPoints(History(
        {"(1) 1 -  0 - 15:00 - H_7_2", "(1) 2 -  0 - 15:00 - H_9_3", "(1) 2 -  1 - 15:00 - G_5_0",
         "(1) 1 -  1 - 15:00 - H_9_3", "(1) 2 -  1 - 15:00 - H_7_1", "(2) 0 -  0 - 15:00 - 0_0",
         "(2) 0 -  0 - 15:00 - G_5_0"}));
    ASSERT_EQ(3u, points.size());
    EXPECT_EQ(QStringLiteral("7"), points[0].Code);
    EXPECT_EQ(QStringLiteral("5"), points[1].Code);
    EXPECT_EQ(1, points[2].Type);
    EXPECT_EQ((QStringList{"Home  :   7 2", "Guests:   5 1"}),
              StatisticsLines(ScorerCounts(points, 0)))
        << "9 lost its point to the removal; the removal at 0 in set 2 is nothing";
}

TEST(StatisticsTest, BestScorersFourASideWithoutEorN) {
    const std::vector<ScorerCount> counts{{0, "E", 9}, {0, "7", 5}, {1, "12", 4}, {0, "N", 4},
                                          {0, "3", 3}, {0, "1", 2}, {0, "2", 2},  {0, "8", 1}};
    const Best m = BestScorers(counts);
    EXPECT_EQ((QStringList{"7", "3", "1", "2"}), m.Codes[0]);
    EXPECT_EQ((QStringList{"5", "3", "2", "2"}), m.Counts[0]);
    EXPECT_EQ(QStringList{"12"}, m.Codes[1]);
}

TEST(StatisticsTest, ShirtNumbersOfThreeDigitsReachTheBestScorers) {
    const auto points =
        CreditedPoints(History({"(1) 0 -  0 - 15:00 - 0_0", "(1) 1 -  0 - 15:00 - H_100_0",
                                "(1) 2 -  0 - 15:00 - H_100_0", "(1) 2 -  1 - 15:00 - G_7_0"}));
    const Best m = BestScorers(ScorerCounts(points, 0));
    EXPECT_EQ(QStringList{"100"}, m.Codes[0]);
    EXPECT_EQ(QStringList{"2"}, m.Counts[0]);
}

TEST(SummaryTest, CountsPerTypeByNumericValueAndStopsAtStaff) {
    const Roster roster{{"07", "Rossi", "Mario", "", "C"},
                        {"10", "Bianchi", "Luca", "", "N"},
                        {"A1", "Verdi", "Anna", "", "C"},
                        {"12", "Dopo", "Staff", "", "C"}};
    const auto points =
        CreditedPoints(History({"(1) 1 -  0 - 15:00 - H_7_2", "(1) 2 -  0 - 15:00 - H_7_2",
                                "(1) 3 -  0 - 15:00 - H_7_0", "(1) 3 -  1 - 15:00 - G_7_1"}));
    const auto lines = Summary(roster, 0, points);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(3, lines[0].Total);
    EXPECT_EQ(1, lines[0].ByType[0]);
    EXPECT_EQ(2, lines[0].ByType[2]);
    EXPECT_EQ(0, lines[1].Total);
    EXPECT_EQ(1, Summary(roster, 1, points)[0].Total) << "the guests' 7 is the guests' own";
    EXPECT_EQ((QStringList{"N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti",
                           "07;Rossi;3;1;0;2;0;0", "10;Bianchi;0;0;0;0;0;0"}),
              ExportLines(lines));
    EXPECT_EQ(QStringList{"N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti"},
              ExportLines(Summary(Roster{{"A1", "Staff", "", "", "C"}}, 0, points)));
}

} // namespace
