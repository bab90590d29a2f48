#include "console/Messages.h"
#include "match/Messages.h"
#include "scenarios/TestConsole.h"

namespace {

using MatchScenario = TestConsole;

TEST_F(MatchScenario, FiveSetMatchToTheWinnerMessageWhileTheDisplayFollows) {
    Points(0, 25);
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockButton->text()) << "the first point locks";
    EXPECT_FALSE(console.exitButton->isEnabled());
    EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("25"), d.scoreLabels[0]->text()) << "the display keeps the set score";
    EXPECT_EQ(QStringLiteral("1"), d.setsWonLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1"), console.setsWonLabels[0]->text());
    EXPECT_EQ(QStringLiteral("25/ 0"), d.partialLabels[0]->text());

    Points(3, 25);
    Points(0, 24);
    Points(3, 24);
    console.changeScore(0);
    EXPECT_EQ(QStringLiteral("25"), console.scoreLabels[0]->text());
    EXPECT_LT(d.bannerIcon->x(), d.width()) << "set point banner shown at 25-24";
    Points(0, 1);
    EXPECT_EQ(QStringLiteral("2"), console.setsWonLabels[0]->text());
    Points(3, 24);
    a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    Points(0, 24);
    Points(0, 1);
    Points(0, 1);
    EXPECT_EQ(QStringLiteral("3"), d.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1"), d.scoreLabels[1]->text());
    EXPECT_FALSE(console.scoreButtons[0]->isEnabled());
    EXPECT_FALSE(console.undoButton->isEnabled());
    EXPECT_TRUE(console.endStatisticsButton->isEnabled());
    EXPECT_TRUE(console.TimerStat.isActive());
    EXPECT_EQ(QStringLiteral("(5) 0 -  0 - 15:42 - 0_0"),
              console.historyList->item(console.historyList->count() - 1)->text());
    EXPECT_EQ(console.historyList->count() - 1, console.historyList->currentRow());
}

TEST_F(MatchScenario, TypedCodeAndPointTypeReachTheHistory) {
    console.codeBoxes[1]->setText(QStringLiteral("12"));
    console.choosePointType(3);
    console.changeScore(3);
    EXPECT_EQ(QStringLiteral("(1) 0 -  1 - 15:42 - G_12_3"), console.historyList->item(1)->text());
    EXPECT_TRUE(console.codeBoxes[1]->text().isEmpty());
    EXPECT_TRUE(console.pointTypeButtons[0]->font().underline()) << "the point type returns to 0";
    EXPECT_FALSE(console.pointTypeButtons[3]->font().underline());
    EXPECT_EQ(QStringLiteral("Guests : Schiacciata"), console.Display().scorerTitle->text());
}

TEST_F(MatchScenario, WinnerMessageWaitsForTheDisplayAndTheEmergencyCopy) {
    Match& p = console.match();
    p.TotalSets = 3;
    p.SetPoints = 3;
    Points(0, 3);
    Points(0, 2);
    bool seen = false;
    a.f.dialogs.ToMessage = [&](const QString&) {
        seen = true;
        EXPECT_EQ(QStringLiteral("2"), d.setsWonLabels[0]->text()) << "the hall sees the sets won";
        EXPECT_EQ(QStringLiteral("2"), d.scoreLabels[0]->text());
        QFile copy(console.EmergencyPath());
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
        EXPECT_TRUE(console.codeBoxes[0]->text().isEmpty());
        EXPECT_EQ(QStringLiteral("0"), d.scoreLabels[0]->text());
    };
    for (const char* code : {"A1", "abc"}) {
        console.codeBoxes[0]->setText(QString::fromLatin1(code));
        a.f.dialogs.Expect(MatchMessages::NotAnAthlete);
        console.changeScore(0);
        EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[0]->text()) << code;
        EXPECT_TRUE(console.codeBoxes[0]->text().isEmpty()) << code;
    }
    a.f.dialogs.ToMessage = nullptr;
    console.changeScore(0);
    EXPECT_EQ(QStringLiteral("1"), console.scoreLabels[0]->text())
        << "the next point is not refused";
}

TEST_F(MatchScenario, UnlockAsksAndResetsOnYes) {
    Points(0, 3);
    a.f.dialogs.Expect(ConsoleMessages::EndMatchQuestion, Answer::No);
    console.toggleLock();
    EXPECT_EQ(QStringLiteral("3"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockButton->text());
    a.f.dialogs.Expect(ConsoleMessages::EndMatchQuestion, Answer::Si);
    console.toggleLock();
    EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("0"), console.Display().scoreLabels[0]->text());
    EXPECT_EQ(0, console.historyList->count());
    EXPECT_EQ(QStringLiteral("Blocca"), console.lockButton->text());
    EXPECT_TRUE(console.exitButton->isEnabled());
}

} // namespace
