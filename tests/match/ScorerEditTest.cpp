#include "match/ScorerEdit.h"

#include "match/MatchFile.h"
#include "shared/Language.h"
#include "stats/Statistics.h"

#include <gtest/gtest.h>

namespace {

class ScorerEditTest : public testing::Test {
  protected:
    ScorerEditTest() {
        match.TeamName = {QStringLiteral("Aquile Volley"), QStringLiteral("Lupi Neri")};
        match.Rosters[0] = {{"7", "ROSSI", "Elena", "", "C"},
                            {"10", "BIANCHI", "Sara", "", "C"},
                            {"A1", "VERDI", "Anna", "", "C"}};
        match.Rosters[1] = {{"9", "GALLO", "Matteo", "", "C"}};
        match.History = ReadHistory({"(1) 0 -  0 - 11:00 - 0_0", "(1) 1 -  0 - 11:01 - H_N_3",
                                     "(1) 1 -  1 - 11:02 - G_E_0", "1#H Timeout Locali - 11:03",
                                     "(1) 2 -  1 - 11:04 - H_7_0", "(1) 1 -  1 - 11:05 - H_7_0"});
        match.Points = {1, 1};
        match.LastPointCode = QStringLiteral("7");
    }
    Match match;
};

TEST_F(ScorerEditTest, OnlyTheAthleteFieldOfThePointLineChanges) {
    const auto edited = WithScorer(match, 1, QStringLiteral("10"));
    ASSERT_TRUE(edited);
    EXPECT_EQ(QStringLiteral("(1) 1 -  0 - 11:01 - H_10_3"), edited->History[1].Text);
    EXPECT_EQ(ReadHistory(HistoryLines(edited->History)), edited->History)
        << "the mended line reads back as the event it now is";
    for (int line : {0, 2, 3, 4, 5}) {
        EXPECT_EQ(match.History[line], edited->History[line]) << line;
    }
    EXPECT_EQ(match.Points, edited->Points);
    EXPECT_EQ(match.LastPointCode, edited->LastPointCode) << "not the newest point";
    const auto points = CreditedPoints(edited->History);
    ASSERT_EQ(2u, points.size());
    EXPECT_EQ(QStringLiteral("10"), points[0].Code);
    EXPECT_EQ(3, points[0].Type) << "the point type stays";
}

TEST_F(ScorerEditTest, LinesWithoutAScorerToMendAndUnknownAthletesAreRefused) {
    struct Case {
        int line;
        const char* number;
        const char* why;
    };
    for (const Case& c :
         {Case{0, "7", "a set start"}, Case{3, "7", "a timeout"}, Case{5, "10", "a removal"},
          Case{6, "7", "past the history"}, Case{-1, "7", "no line"}, Case{1, "A1", "a staff code"},
          Case{1, "33", "not on the roster"}, Case{2, "7", "the other side's"},
          Case{1, "", "nobody"}}) {
        EXPECT_FALSE(WithScorer(match, c.line, QString::fromUtf8(c.number))) << c.why;
    }
    EXPECT_TRUE(WithScorer(match, 2, QStringLiteral("9"))) << "an opponent's error mended";
}

TEST_F(ScorerEditTest, TheNewestPointsScorerIsTheLastPointCode) {
    match.History.removeLast();
    const auto edited = WithScorer(match, 4, QStringLiteral(" 10 "));
    ASSERT_TRUE(edited);
    EXPECT_EQ(QStringLiteral("(1) 2 -  1 - 11:04 - H_10_0"), edited->History[4].Text);
    EXPECT_EQ(QStringLiteral("10"), edited->LastPointCode);
}

TEST_F(ScorerEditTest, TheMatchFileCarriesTheMendedLine) {
    const auto edited = WithScorer(match, 1, QStringLiteral("7"));
    ASSERT_TRUE(edited);
    const QDateTime now(QDate(2026, 12, 11), QTime(11, 10));
    const LanguageTable languages;
    QStringList before = MatchFileLines(match, now, languages);
    const QStringList after = MatchFileLines(*edited, now, languages);
    ASSERT_EQ(before.size(), after.size());
    const qsizetype changed = before.indexOf(QStringLiteral("(1) 1 -  0 - 11:01 - H_N_3"));
    ASSERT_GE(changed, 0);
    before[changed] = QStringLiteral("(1) 1 -  0 - 11:01 - H_7_3");
    EXPECT_EQ(before, after) << "one line differs, in its athlete only";
}

TEST(ScorerChoicesTest, AthletesWithAShirtNumberOnly) {
    const Roster roster{{"E", "Errore", "", "", "C"},
                        {"4", "Neri", "", "", "C"},
                        {"D1", "Coach", "", "", "C"},
                        {"12", "Blu", "", "", "N"}};
    QStringList numbers;
    for (const Athlete& a : ScorerChoices(roster)) {
        numbers << a.Number;
    }
    EXPECT_EQ((QStringList{"4", "12"}), numbers);
}

} // namespace
