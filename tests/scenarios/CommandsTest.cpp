#include "console/Messages.h"
#include "display/ui/CountdownOverlay.h"
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
    QString LastLine() const { return console.lastHistoryLine(); }
};

TEST_F(CommandsTest, TimeoutBeforeTheMatchStartsIsRefused) {
    a.f.dialogs.Expect(ConsoleMessages::NotStarted);
    console.callTimeout(0);
    EXPECT_EQ(nullptr, console.countdown());
}

TEST_F(CommandsTest, TimeoutsCountDownAndAThirdIsRefused) {
    Points(0, 1);
    Timeout(Answer::Cancel);
    EXPECT_EQ(QStringLiteral("0"), console.shownTimeouts(0));
    Timeout();
    ASSERT_NE(nullptr, console.countdown());
    CountdownOverlay& f = *console.countdown();
    EXPECT_TRUE(f.isOpen());
    EXPECT_EQ(QStringLiteral("Tempo Locali\n1° Richiesta"), console.countdownReason());
    EXPECT_EQ(QStringLiteral("1"), console.display().shownTimeouts(0));
    EXPECT_EQ(QStringLiteral("1#H Timeout Locali - 15:42"), LastLine());
    console.countdownTick();
    console.countdownTick();
    EXPECT_EQ(QStringLiteral("28"), console.countdownSeconds());

    Timeout();
    EXPECT_EQ(&f, console.countdown()) << "a second timeout keeps the running countdown";
    EXPECT_EQ(QStringLiteral("Tempo Locali\n2° Richiesta"), console.countdownReason());
    EXPECT_EQ(2, console.match().TickCount);

    a.f.dialogs.Expect(Confirm);
    a.f.dialogs.Expect(ConsoleMessages::NoTimeoutsLeft + QStringLiteral("Locali"));
    console.callTimeout(0);
    EXPECT_EQ(QStringLiteral("2"), console.shownTimeouts(0));

    console.changeScore(3);
    console.countdownTick();
    EXPECT_FALSE(f.isOpen()) << "a score change closes the countdown at its next tick";
    EXPECT_TRUE(console.blinking());
}

TEST_F(CommandsTest, FullCountdownClosesAtTheThirtyFirstTick) {
    Points(0, 1);
    Timeout();
    CountdownOverlay& f = *console.countdown();
    for (int i = 0; i < 30; ++i) {
        console.countdownTick();
    }
    EXPECT_EQ(QStringLiteral("0"), console.countdownSeconds());
    EXPECT_TRUE(f.isOpen());
    console.countdownTick();
    EXPECT_FALSE(f.isOpen());
}

TEST_F(CommandsTest, TimeoutsResetAtANewSet) {
    Points(0, 1);
    Timeout();
    Timeout();
    Points(0, 24);
    EXPECT_EQ(QStringLiteral("0"), console.shownTimeouts(0));
    Timeout();
    EXPECT_EQ(QStringLiteral("1"), console.shownTimeouts(0));
}

TEST_F(CommandsTest, CourtChangeOpensTheNoticeInTheDecidingSet) {
    Match& match = console.match();
    match.SetsWon = {2, 2};
    match.CurrentSet = 5;
    match.Locked = true;
    match.History = ReadHistory({QStringLiteral("(5) 0 -  0 - 15:00 - 0_0")});
    Points(3, 5);
    Points(0, 8);
    ASSERT_NE(nullptr, console.countdown());
    EXPECT_EQ(QStringLiteral("Cambio campo per ultimo SET"), console.countdownReason());
    EXPECT_TRUE(console.countdown()->courtChange());
    EXPECT_EQ(&console.display().window(), console.countdown()->parentWidget())
        << "drawn on the display, as the timeout's";
}

TEST_F(CommandsTest, RollbackAsksAndNoChangesNothing) {
    Points(0, 3);
    console.selectHistoryLine(2);
    const QString question = QStringLiteral("Desideri riportare la partita a questo precedente "
                                            "punteggio ?\n\nLocali 2 - 0 Ospiti\n1° SET");
    a.f.dialogs.Expect(question, Answer::No);
    console.rollBackToSelectedLine();
    EXPECT_EQ(QStringLiteral("3"), console.shownScore(0));
    a.f.dialogs.Expect(question, Answer::Yes);
    console.rollBackToSelectedLine();
    EXPECT_EQ(QStringLiteral("2"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("2"), console.display().shownScore(0));
    EXPECT_EQ(3, console.historyCount());
}

TEST_F(CommandsTest, UndoTakesBackTheLastPointAndDisablesItselfAtTheStart) {
    Points(0, 1);
    a.f.dialogs.Expect(MatchMessages::RollbackQuestion +
                       QStringLiteral("\n\nLocali 0 - 0 Ospiti\n1° SET"));
    console.undoLastLine();
    EXPECT_EQ(QStringLiteral("0"), console.shownScore(0));
    EXPECT_EQ(1, console.historyCount());
    EXPECT_FALSE(console.undoEnabled());
    // Undo's licence to take back the last line ends with it: the operator's rollback of the
    // last line asks nothing and changes nothing.
    console.selectHistoryLine(0);
    console.rollBackToSelectedLine();
    EXPECT_EQ(1, console.historyCount());
}

TEST_F(CommandsTest, NewMatchAsksOnlyWithAHistory) {
    console.newMatch();
    Points(0, 2);
    a.f.dialogs.Expect(Abandon, Answer::Cancel);
    console.newMatchFromButton();
    EXPECT_EQ(QStringLiteral("2"), console.shownScore(0));
    a.f.dialogs.Expect(Abandon);
    console.newMatchFromButton();
    EXPECT_EQ(QStringLiteral("0"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("Blocca"), console.lockCaption());
}

TEST_F(CommandsTest, ExitAsksThenEndsAtOnce) {
    const QString question = ConsoleMessages::ExitQuestion;
    a.f.dialogs.Expect(question, Answer::Cancel);
    console.exitProgram();
    EXPECT_EQ(0, a.f.process.ended);
    a.f.dialogs.Expect(question);
    console.chooseExitFromMenu();
    EXPECT_EQ(1, a.f.process.ended);
}

} // namespace
