#include "console/Messages.h"
#include "display/ui/CountdownWindow.h"
#include "match/Messages.h"
#include "scenarios/TestConsole.h"

#include <QDialog>

namespace {

const QString Confirm =
    ConsoleMessages::TimeoutQuestion + QStringLiteral("Home\n") + ConsoleMessages::CancelOrConfirm;
const QString Abandon = ConsoleMessages::AbandonForNewMatch;

class CommandsTest : public TestConsole {
  protected:
    void Timeout(Answer answer = Answer::Ok) {
        a.f.dialogs.Expect(Confirm, answer);
        console.callTimeout(0);
    }
    QString LastLine() const {
        return console.historyList->item(console.historyList->count() - 1)->text();
    }
};

TEST_F(CommandsTest, TimeoutBeforeTheMatchStartsIsRefused) {
    a.f.dialogs.Expect(ConsoleMessages::NotStarted);
    console.callTimeout(0);
    EXPECT_EQ(nullptr, console.Count());
}

TEST_F(CommandsTest, TimeoutsCountDownAndAThirdIsRefused) {
    Points(0, 1);
    Timeout(Answer::Cancel);
    EXPECT_EQ(QStringLiteral("0"), console.timeoutLabels[0]->text());
    Timeout();
    ASSERT_NE(nullptr, console.Count());
    CountdownWindow& f = *console.Count();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(QStringLiteral("Tempo Locali\n1° Richiesta"), f.reasonLabel->text());
    EXPECT_EQ(QStringLiteral("1"), console.Display().timeoutLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1#H Timeout Locali - 15:42"), LastLine());
    const int x0 = f.x();
    EXPECT_EQ(console.Display().x() + 3, x0) << "50 twips right of the display's edge";
    f.tick();
    f.tick();
    EXPECT_EQ(QStringLiteral("28"), f.secondsLabel->text());
    EXPECT_GT(f.x(), x0);

    Timeout();
    EXPECT_EQ(&f, console.Count()) << "a second timeout keeps the running countdown";
    EXPECT_EQ(QStringLiteral("Tempo Locali\n2° Richiesta"), f.reasonLabel->text());
    EXPECT_EQ(2, console.match().TickCount);

    a.f.dialogs.Expect(Confirm);
    a.f.dialogs.Expect(ConsoleMessages::NoTimeoutsLeft + QStringLiteral("Locali"));
    console.callTimeout(0);
    EXPECT_EQ(QStringLiteral("2"), console.timeoutLabels[0]->text());

    console.changeScore(3);
    f.tick();
    EXPECT_FALSE(f.isVisible()) << "a score change closes the countdown at its next tick";
    EXPECT_TRUE(console.TimerFrames.isActive());
}

TEST_F(CommandsTest, FullCountdownClosesAtTheThirtyFirstTick) {
    Points(0, 1);
    Timeout();
    CountdownWindow& f = *console.Count();
    for (int i = 0; i < 30; ++i) {
        f.tick();
    }
    EXPECT_EQ(QStringLiteral("0"), f.secondsLabel->text());
    EXPECT_TRUE(f.isVisible());
    f.tick();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(CommandsTest, TimeoutsResetAtANewSet) {
    Points(0, 1);
    Timeout();
    Timeout();
    Points(0, 24);
    EXPECT_EQ(QStringLiteral("0"), console.timeoutLabels[0]->text());
    Timeout();
    EXPECT_EQ(QStringLiteral("1"), console.timeoutLabels[0]->text());
}

TEST_F(CommandsTest, CourtChangeOpensTheNoticeInTheDecidingSet) {
    Match& p = console.match();
    p.SetsWon = {2, 2};
    p.CurrentSet = 5;
    p.Locked = true;
    p.History = ReadHistory({QStringLiteral("(5) 0 -  0 - 15:00 - 0_0")});
    Points(3, 5);
    Points(0, 8);
    ASSERT_NE(nullptr, console.Count());
    EXPECT_EQ(QStringLiteral("Cambio campo per ultimo SET"), console.Count()->reasonLabel->text());
}

TEST_F(CommandsTest, RollbackAsksAndNoChangesNothing) {
    Points(0, 3);
    console.historyList->setCurrentRow(2);
    const QString question =
        MatchMessages::RollbackQuestion + QStringLiteral("\n\nLocali 2 - 0 Ospiti\n1°SET");
    a.f.dialogs.Expect(question, Answer::No);
    console.rollBackToSelectedLine();
    EXPECT_EQ(QStringLiteral("3"), console.scoreLabels[0]->text());
    a.f.dialogs.Expect(question, Answer::Si);
    console.rollBackToSelectedLine();
    EXPECT_EQ(QStringLiteral("2"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("2"), console.Display().scoreLabels[0]->text());
    EXPECT_EQ(3, console.historyList->count());
}

TEST_F(CommandsTest, UndoTakesBackTheLastPointAndDisablesItselfAtTheStart) {
    Points(0, 1);
    a.f.dialogs.Expect(MatchMessages::RollbackQuestion +
                       QStringLiteral("\n\nLocali 0 - 0 Ospiti\n1°SET"));
    console.undoLastLine();
    EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[0]->text());
    EXPECT_EQ(1, console.historyList->count());
    EXPECT_FALSE(console.undoButton->isEnabled());
    EXPECT_EQ(0, console.match().FromUndo);
}

TEST_F(CommandsTest, NewMatchAsksOnlyWithAHistory) {
    console.newMatch();
    Points(0, 2);
    a.f.dialogs.Expect(Abandon, Answer::Cancel);
    console.newMatchFromButton();
    EXPECT_EQ(QStringLiteral("2"), console.scoreLabels[0]->text());
    a.f.dialogs.Expect(Abandon);
    console.newMatchFromButton();
    EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("Blocca"), console.lockButton->text());
}

TEST_F(CommandsTest, SettingsAbandonTheMatchWithTheirOwnWording) {
    Points(0, 2);
    QString text = Abandon;
    text.replace(QStringLiteral("punteggio"), QStringLiteral("punteggi"));
    a.f.dialogs.Expect(text);
    bool openOptions = false;
    a.f.modal.Expect([&](QDialog& d) {
        openOptions = true;
        EXPECT_EQ(0, console.historyList->count()) << "the match is reset before the options open";
        d.reject();
    });
    console.openOptions();
    EXPECT_TRUE(openOptions);
}

TEST_F(CommandsTest, ExitAsksThenEndsAtOnce) {
    const QString question = ConsoleMessages::ExitQuestion;
    a.f.dialogs.Expect(question, Answer::Cancel);
    console.exitProgram();
    EXPECT_EQ(0, a.f.process.ended);
    a.f.dialogs.Expect(question);
    console.exitAction->trigger();
    EXPECT_EQ(1, a.f.process.ended);
}

} // namespace
