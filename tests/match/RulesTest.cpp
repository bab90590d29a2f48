#include "match/Rules.h"

#include "doubles/Printing.h"
#include <QSet>

#include <gtest/gtest.h>

TEST(RulesTest, DecidingSetIsPlayedToTheTieBreakTarget) {
    struct Case {
        int totalSets, currentSet, expected;
    };
    for (const Case c : {Case{5, 1, 25}, Case{5, 4, 25}, Case{5, 5, 15}, Case{3, 2, 25},
                         Case{3, 3, 15}, Case{1, 1, 25}}) {
        EXPECT_EQ(c.expected, PointsToWin(c.totalSets, c.currentSet, 25, 15))
            << c.totalSets << " sets, set " << c.currentSet;
    }
}

TEST(RulesTest, CourtChangePointIsHalfTheTieBreakRoundedToEven) {
    const std::pair<int, int> cases[] = {{15, 8}, {13, 6}, {11, 6}, {25, 12}, {10, 5}};
    for (const auto& [tieBreak, expected] : cases) {
        EXPECT_EQ(expected, ComputeCourtChangePoints(tieBreak)) << tieBreak;
    }
}

TEST(RulesTest, SetNeedsTheTargetAndTwoPointsOfMargin) {
    struct Case {
        int home, guests, goal;
        bool concluded;
    };
    for (const Case c : {Case{25, 23, 25, true}, Case{25, 24, 25, false}, Case{26, 24, 25, true},
                         Case{24, 22, 25, false}, Case{23, 25, 25, true}, Case{31, 29, 25, true},
                         Case{15, 13, 15, true}, Case{15, 14, 15, false}, Case{16, 14, 15, true},
                         Case{200, 199, 25, false}}) {
        EXPECT_EQ(c.concluded, SetConcluded(c.home, c.guests, c.goal))
            << c.home << "-" << c.guests << " to " << c.goal;
    }
}

TEST(RulesTest, BannerIsDueOnePointFromTheTarget) {
    EXPECT_FALSE(NearSetEnd(23, 22, 25));
    EXPECT_TRUE(NearSetEnd(24, 22, 25));
    EXPECT_TRUE(NearSetEnd(10, 14, 15));
}

namespace {
QSet<QString> MatchPointCodes(int totalSets, int side) {
    QSet<QString> codes;
    for (int home = 0; home <= 3; ++home) {
        for (int guests = 0; guests <= 3; ++guests) {
            if (MatchPoint(totalSets, side, SetCode(home, guests))) {
                codes.insert(SetCode(home, guests));
            }
        }
    }
    return codes;
}

QSet<QString> EndCodes(int totalSets) {
    QSet<QString> codes;
    for (int home = 0; home <= 3; ++home) {
        for (int guests = 0; guests <= 3; ++guests) {
            if (ConcludedMatch(totalSets, SetCode(home, guests))) {
                codes.insert(SetCode(home, guests));
            }
        }
    }
    return codes;
}
} // namespace

TEST(RulesTest, MatchPointCodesOfEachSide) {
    EXPECT_EQ((QSet<QString>{"20", "21", "22"}), MatchPointCodes(5, 0));
    EXPECT_EQ((QSet<QString>{"02", "12", "22"}), MatchPointCodes(5, 1));
    EXPECT_EQ((QSet<QString>{"10", "11"}), MatchPointCodes(3, 0));
    EXPECT_EQ((QSet<QString>{"01", "11"}), MatchPointCodes(3, 1));
    EXPECT_EQ(16, MatchPointCodes(1, 0).size());
    EXPECT_TRUE(MatchPointCodes(4, 0).isEmpty());
}

TEST(RulesTest, MatchOverCodes) {
    EXPECT_EQ((QSet<QString>{"30", "31", "32", "03", "13", "23"}), EndCodes(5));
    EXPECT_EQ((QSet<QString>{"20", "21", "02", "12"}), EndCodes(3));
    EXPECT_EQ(16, EndCodes(1).size());
}

TEST(RulesTest, CourtChangeWhenTheScorerReachesEightInTheDecidingSet) {
    struct Case {
        int totalSets, currentSet, active, side, other;
        bool change;
    };
    for (const Case c :
         {Case{5, 5, 1, 8, 5, true}, Case{5, 5, 1, 8, 0, true}, Case{3, 3, 1, 8, 7, true},
          Case{5, 5, 1, 9, 5, false}, Case{5, 5, 1, 8, 9, false}, Case{5, 4, 1, 8, 5, false},
          Case{5, 5, 0, 8, 5, false}, Case{1, 1, 1, 8, 5, false}, Case{5, 5, 1, 8, 8, false}}) {
        EXPECT_EQ(c.change, CourtChange(c.totalSets, c.currentSet, c.active, c.side, c.other))
            << c.totalSets << "/" << c.currentSet << " " << c.side << "-" << c.other;
    }
}
