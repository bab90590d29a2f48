#include "console/ConsoleState.h"

#include <gtest/gtest.h>

namespace {

// The rows a roster list shows, as the team choice writes them: the opponent's error first.
ConsoleState WithRoster() {
    ConsoleState state;
    state.Rosters[1] = RosterRows({QStringLiteral("E - Errore dell'avversario"),
                                   QStringLiteral(" 7 Rossi Mario Centrale"),
                                   QStringLiteral("12 Bianchi Luca Libero")});
    return state;
}

TEST(ConsoleStateTest, EachRosterRowKeepsTheCodeItGives) {
    const ConsoleState state = WithRoster();
    const auto& rows = state.Rosters[1];
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(QStringLiteral("E"), rows[0].Code);
    EXPECT_EQ(QStringLiteral("7"), rows[1].Code) << "the padding is not part of the code";
    EXPECT_EQ(QStringLiteral("12 Bianchi Luca Libero"), rows[2].Line) << "shown as written";
}

struct FindCase {
    const char* code;
    int side;
    int row;
};

class RosterRowOfTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(RosterRowOfTest, FindsTheRowOfACode) {
    EXPECT_EQ(GetParam().row,
              RosterRowOf(WithRoster(), GetParam().side, QString::fromUtf8(GetParam().code)));
}

INSTANTIATE_TEST_SUITE_P(Codes, RosterRowOfTest,
                         ::testing::Values(FindCase{"12", 1, 2}, FindCase{"e", 1, 0},
                                           FindCase{"7", 1, 1}, FindCase{"07", 1, -1},
                                           FindCase{"", 1, -1}, FindCase{"7", 0, -1}));

} // namespace
