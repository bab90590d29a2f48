#include "scenari/ConsoleDiProva.h"
#include "display/ui/CountdownWindow.h"

#include <QDialog>

namespace {

const QString Conferma = QStringLiteral(
    "Confermi la richiesta 30 secondi di tempo per: Home\nSe vuoi annullare clicca su <Annulla> "
    "altrimenti conferma con <OK>");
const QString Abbandono = QStringLiteral(
    "Attenzione se interrompi adesso la partita perderai tutti i punteggio di questo SET ed "
    "eventualmente dei precedenti : <OK> per Nuova Partita <Annulla> Per continuare questa "
    "partita.");

class ComandiTest : public ConsoleDiProva {
protected:
    void Timeout(Risposta risposta = Risposta::Ok) {
        a.f.dialoghi.Attendi(Conferma, risposta);
        console.callTimeout(0);
    }
    QString UltimaRiga() const { return console.historyList->item(console.historyList->count() - 1)->text(); }
};

TEST_F(ComandiTest, TimeoutBeforeTheMatchStartsIsRefused) {
    a.f.dialoghi.Attendi(QStringLiteral("La partita non è ancora iniziata"));
    console.callTimeout(0);
    EXPECT_EQ(nullptr, console.Conteggio());
}

TEST_F(ComandiTest, TimeoutsCountDownAndAThirdIsRefused) {
    Punti(0, 1);
    Timeout(Risposta::Annulla);
    EXPECT_EQ(QStringLiteral("0"), console.timeoutLabels[0]->text());
    Timeout();
    ASSERT_NE(nullptr, console.Conteggio());
    CountdownWindow& f = *console.Conteggio();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(QStringLiteral("Tempo Locali\n1° Richiesta"), f.reasonLabel->text());
    EXPECT_EQ(QStringLiteral("1"), console.Tabellone().timeoutLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1#H Timeout Locali - 15:42"), UltimaRiga());
    const int x0 = f.x();
    EXPECT_EQ(console.Tabellone().x() + 3, x0) << "50 twips right of the display's edge";
    f.tick();
    f.tick();
    EXPECT_EQ(QStringLiteral("28"), f.secondsLabel->text());
    EXPECT_GT(f.x(), x0);

    Timeout();
    EXPECT_EQ(&f, console.Conteggio()) << "a second timeout keeps the running countdown";
    EXPECT_EQ(QStringLiteral("Tempo Locali\n2° Richiesta"), f.reasonLabel->text());
    EXPECT_EQ(2, console.Match().TickConteggio);

    a.f.dialoghi.Attendi(Conferma);
    a.f.dialoghi.Attendi(
        QStringLiteral("Sessioni di pausa tempo finite in questo set per : Locali"));
    console.callTimeout(0);
    EXPECT_EQ(QStringLiteral("2"), console.timeoutLabels[0]->text());

    console.changeScore(3);
    f.tick();
    EXPECT_FALSE(f.isVisible()) << "a score change closes the countdown at its next tick";
    EXPECT_TRUE(console.TimerFrames.isActive());
}

TEST_F(ComandiTest, FullCountdownClosesAtTheThirtyFirstTick) {
    Punti(0, 1);
    Timeout();
    CountdownWindow& f = *console.Conteggio();
    for (int i = 0; i < 30; ++i) {
        f.tick();
    }
    EXPECT_EQ(QStringLiteral("0"), f.secondsLabel->text());
    EXPECT_TRUE(f.isVisible());
    f.tick();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(ComandiTest, TimeoutsResetAtANewSet) {
    Punti(0, 1);
    Timeout();
    Timeout();
    Punti(0, 24);
    EXPECT_EQ(QStringLiteral("0"), console.timeoutLabels[0]->text());
    Timeout();
    EXPECT_EQ(QStringLiteral("1"), console.timeoutLabels[0]->text());
}

TEST_F(ComandiTest, CourtChangeOpensTheNoticeInTheDecidingSet) {
    Partita& p = console.Match();
    p.SetVinti = {2, 2};
    p.SetCorrente = 5;
    p.Bloccata = true;
    p.Storico = {QStringLiteral("(5) 0 -  0 - 15:00 - 0_0")};
    Punti(3, 5);
    Punti(0, 8);
    ASSERT_NE(nullptr, console.Conteggio());
    EXPECT_EQ(QStringLiteral("Cambio campo per ultimo SET"), console.Conteggio()->reasonLabel->text());
}

TEST_F(ComandiTest, RollbackAsksAndNoChangesNothing) {
    Punti(0, 3);
    console.historyList->setCurrentRow(2);
    const QString domanda = QStringLiteral(
        "Desideri riportare la partita a questo precedente punteggio ?\n\nLocali 2 - 0 Ospiti\n1°SET");
    a.f.dialoghi.Attendi(domanda, Risposta::No);
    console.rollBackToSelectedLine();
    EXPECT_EQ(QStringLiteral("3"), console.LabScore[0]->text());
    a.f.dialoghi.Attendi(domanda, Risposta::Si);
    console.rollBackToSelectedLine();
    EXPECT_EQ(QStringLiteral("2"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("2"), console.Tabellone().LabScore[0]->text());
    EXPECT_EQ(3, console.historyList->count());
}

TEST_F(ComandiTest, UndoTakesBackTheLastPointAndDisablesItselfAtTheStart) {
    Punti(0, 1);
    a.f.dialoghi.Attendi(QStringLiteral(
        "Desideri riportare la partita a questo precedente punteggio ?\n\nLocali 0 - 0 Ospiti\n1°SET"));
    console.undoLastLine();
    EXPECT_EQ(QStringLiteral("0"), console.LabScore[0]->text());
    EXPECT_EQ(1, console.historyList->count());
    EXPECT_FALSE(console.undoButton->isEnabled());
    EXPECT_EQ(0, console.Match().DaUndo);
}

TEST_F(ComandiTest, NewMatchAsksOnlyWithAHistory) {
    console.newMatch();
    Punti(0, 2);
    a.f.dialoghi.Attendi(Abbandono, Risposta::Annulla);
    console.newMatchFromButton();
    EXPECT_EQ(QStringLiteral("2"), console.LabScore[0]->text());
    a.f.dialoghi.Attendi(Abbandono);
    console.newMatchFromButton();
    EXPECT_EQ(QStringLiteral("0"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("Blocca"), console.lockButton->text());
}

TEST_F(ComandiTest, SettingsAbandonTheMatchWithTheirOwnWording) {
    Punti(0, 2);
    QString testo = Abbandono;
    testo.replace(QStringLiteral("punteggio"), QStringLiteral("punteggi"));
    a.f.dialoghi.Attendi(testo);
    bool opzioniAperte = false;
    a.f.modali.Attendi([&](QDialog& d) {
        opzioniAperte = true;
        EXPECT_EQ(0, console.historyList->count()) << "the match is reset before the options open";
        d.reject();
    });
    console.openOptions();
    EXPECT_TRUE(opzioniAperte);
}

TEST_F(ComandiTest, ExitAsksThenEndsAtOnce) {
    const QString domanda = QStringLiteral(
        "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più possibile "
        "riprendere da dove eri arrivato? <Annulla> se vuoi rimanere.");
    a.f.dialoghi.Attendi(domanda, Risposta::Annulla);
    console.exitProgram();
    EXPECT_EQ(0, a.f.processo.terminato);
    a.f.dialoghi.Attendi(domanda);
    console.exitAction->trigger();
    EXPECT_EQ(1, a.f.processo.terminato);
}

} // namespace
