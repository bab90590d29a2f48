#include "console/Messages.h"
#include "match/Messages.h"
#include "scenarios/TestConsole.h"

namespace {

using MatchScenario = TestConsole;

TEST_F(MatchScenario, FiveSetMatchToTheWinnerMessageWhileTheDisplayFollows) {
    Points(0, 25);
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockCaption()) << "the first point locks";
    EXPECT_FALSE(console.exitEnabled());
    EXPECT_EQ(QStringLiteral("0"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("25"), d.shownScore(0)) << "the display keeps the set score";
    EXPECT_EQ(QStringLiteral("1"), d.shownSets(0));
    EXPECT_EQ(QStringLiteral("1"), console.shownSets(0));
    EXPECT_EQ(QStringLiteral("25/ 0"), d.partialLabel(0)->text());

    Points(3, 25);
    Points(0, 24);
    Points(3, 24);
    console.changeScore(0);
    EXPECT_EQ(QStringLiteral("25"), console.shownScore(0));
    EXPECT_LT(d.bannerIcon()->x(), d.width()) << "set point banner shown at 25-24";
    Points(0, 1);
    EXPECT_EQ(QStringLiteral("2"), console.shownSets(0));
    Points(3, 24);
    a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    Points(0, 24);
    Points(0, 1);
    Points(0, 1);
    EXPECT_EQ(QStringLiteral("3"), d.shownScore(0));
    EXPECT_EQ(QStringLiteral("1"), d.shownScore(1));
    EXPECT_FALSE(console.scoreButton(0)->isEnabled());
    EXPECT_FALSE(console.undoEnabled());
    EXPECT_TRUE(console.endStatisticsEnabled());
    EXPECT_TRUE(console.statisticsCycleRunning());
    EXPECT_EQ(QStringLiteral("(5) 0 -  0 - 15:42 - 0_0"), console.lastHistoryLine());
    EXPECT_EQ(console.historyCount() - 1, console.selectedHistoryLine());
}

TEST_F(MatchScenario, TypedCodeAndPointTypeReachTheHistory) {
    console.codeBox(1)->setText(QStringLiteral("12"));
    console.choosePointType(3);
    console.changeScore(3);
    EXPECT_EQ(QStringLiteral("(1) 0 -  1 - 15:42 - G_12_3"), console.historyLine(1));
    EXPECT_TRUE(console.codeBox(1)->text().isEmpty());
    EXPECT_TRUE(console.pointTypeShownChosen(0)) << "the point type returns to 0";
    EXPECT_FALSE(console.pointTypeShownChosen(3));
    EXPECT_EQ(QStringLiteral("Guests : Schiacciata"), console.display().scorerTitle()->text());
}

TEST_F(MatchScenario, WinnerMessageWaitsForTheDisplayAndTheEmergencyCopy) {
    Match& match = console.match();
    match.TotalSets = 3;
    match.SetPoints = 3;
    Points(0, 3);
    Points(0, 2);
    bool seen = false;
    a.f.dialogs.ToMessage = [&](const QString&) {
        seen = true;
        EXPECT_EQ(QStringLiteral("2"), d.shownSets(0)) << "the hall sees the sets won";
        EXPECT_EQ(QStringLiteral("2"), d.shownScore(0));
        QFile copy(console.emergencyPath());
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_TRUE(copy.readAll().contains("#GAMEOV:0")) << "the winning point is saved";
    };
    a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    console.changeScore(0);
    EXPECT_TRUE(seen);
}

TEST_F(MatchScenario, RefusedCodeIsClearedSoTheSideScoresAgain) {
    a.f.dialogs.ToMessage = [&](const QString&) {
        EXPECT_TRUE(console.codeBox(0)->text().isEmpty());
        EXPECT_EQ(QStringLiteral("0"), d.shownScore(0));
    };
    for (const char* code : {"A1", "abc"}) {
        console.codeBox(0)->setText(QString::fromLatin1(code));
        a.f.dialogs.Expect(MatchMessages::NotAnAthlete);
        console.changeScore(0);
        EXPECT_EQ(QStringLiteral("0"), console.shownScore(0)) << code;
        EXPECT_TRUE(console.codeBox(0)->text().isEmpty()) << code;
    }
    a.f.dialogs.ToMessage = nullptr;
    console.changeScore(0);
    EXPECT_EQ(QStringLiteral("1"), console.shownScore(0)) << "the next point is not refused";
}

TEST_F(MatchScenario, UnlockAsksAndResetsOnYes) {
    Points(0, 3);
    a.f.dialogs.Expect(ConsoleMessages::EndMatchQuestion, Answer::No);
    console.toggleLock();
    EXPECT_EQ(QStringLiteral("3"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockCaption());
    a.f.dialogs.Expect(ConsoleMessages::EndMatchQuestion, Answer::Yes);
    console.toggleLock();
    EXPECT_EQ(QStringLiteral("0"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("0"), console.display().shownScore(0));
    EXPECT_EQ(0, console.historyCount());
    EXPECT_EQ(QStringLiteral("Blocca"), console.lockCaption());
    EXPECT_TRUE(console.exitEnabled());
}

} // namespace
