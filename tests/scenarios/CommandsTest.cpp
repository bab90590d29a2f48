#include "display/ui/CountdownWindow.h"
#include "scenarios/TestConsole.h"

#include <QDialog>

namespace {

const QString Confirm = QStringLiteral(
    "Confermi la richiesta 30 secondi di tempo per: Home\nSe vuoi annullare clicca su <Annulla> "
    "altrimenti conferma con <OK>");
const QString Abandon = QStringLiteral(
    "Attenzione se interrompi adesso la partita perderai tutti i punteggio di questo SET ed "
    "eventualmente dei precedenti : <OK> per Nuova Partita <Annulla> Per continuare questa "
    "partita.");

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
    a.f.dialogs.Expect(QStringLiteral("La partita non è ancora iniziata"));
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
    a.f.dialogs.Expect(QStringLiteral("Sessioni di pausa tempo finite in questo set per : Locali"));
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
    p.History = {QStringLiteral("(5) 0 -  0 - 15:00 - 0_0")};
    Points(3, 5);
    Points(0, 8);
    ASSERT_NE(nullptr, console.Count());
    EXPECT_EQ(QStringLiteral("Cambio campo per ultimo SET"), console.Count()->reasonLabel->text());
}

TEST_F(CommandsTest, RollbackAsksAndNoChangesNothing) {
    Points(0, 3);
    console.historyList->setCurrentRow(2);
    const QString question = QStringLiteral("Desideri riportare la partita a questo precedente "
                                            "punteggio ?\n\nLocali 2 - 0 Ospiti\n1°SET");
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
    a.f.dialogs.Expect(QStringLiteral("Desideri riportare la partita a questo precedente punteggio "
                                      "?\n\nLocali 0 - 0 Ospiti\n1°SET"));
    console.undoLastLine();
    EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[0]->text());
    EXPECT_EQ(1, console.historyList->count());
    EXPECT_FALSE(console.undoButton->isEnabled());
    // Undo's licence to take back the last line ends with it: the operator's rollback of the
    // last line asks nothing and changes nothing.
    console.historyList->setCurrentRow(0);
    console.rollBackToSelectedLine();
    EXPECT_EQ(1, console.historyList->count());
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
    const QString question = QStringLiteral(
        "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più possibile "
        "riprendere da dove eri arrivato? <Annulla> se vuoi rimanere.");
    a.f.dialogs.Expect(question, Answer::Cancel);
    console.exitProgram();
    EXPECT_EQ(0, a.f.process.ended);
    a.f.dialogs.Expect(question);
    console.exitAction->trigger();
    EXPECT_EQ(1, a.f.process.ended);
}

} // namespace
