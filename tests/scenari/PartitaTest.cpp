#include "scenari/ConsoleDiProva.h"

namespace {

using PartitaScenario = ConsoleDiProva;

TEST_F(PartitaScenario, FiveSetMatchToTheWinnerMessageWhileTheDisplayFollows) {
    Punti(0, 25);
    EXPECT_EQ(QStringLiteral("Sblocca"), console.Command3->text()) << "the first point locks";
    EXPECT_FALSE(console.Command2->isEnabled());
    EXPECT_EQ(QStringLiteral("0"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("25"), d.LabScore[0]->text()) << "the display keeps the set score";
    EXPECT_EQ(QStringLiteral("1"), d.Label3[0]->text());
    EXPECT_EQ(QStringLiteral("1"), console.Label3[0]->text());
    EXPECT_EQ(QStringLiteral("25/ 0"), d.Label15[0]->text());

    Punti(3, 25);
    Punti(0, 24);
    Punti(3, 24);
    console.Command1_Click(0);
    EXPECT_EQ(QStringLiteral("25"), console.LabScore[0]->text());
    EXPECT_LT(d.Image9->x(), d.width()) << "set point banner shown at 25-24";
    Punti(0, 1);
    EXPECT_EQ(QStringLiteral("2"), console.Label3[0]->text());
    Punti(3, 24);
    a.f.dialoghi.Attendi(QStringLiteral("Partita vinta da: Locali"));
    a.f.dialoghi.Attendi(QStringLiteral("Vuoi creare il report della partita?"), Risposta::No);
    Punti(0, 24);
    Punti(0, 1);
    Punti(0, 1);
    EXPECT_EQ(QStringLiteral("3"), d.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("1"), d.LabScore[1]->text());
    EXPECT_FALSE(console.Command1[0]->isEnabled());
    EXPECT_FALSE(console.Command16->isEnabled());
    EXPECT_TRUE(console.Command5->isEnabled());
    EXPECT_TRUE(console.TimerStat.isActive());
    EXPECT_EQ(QStringLiteral("(5) 0 -  0 - 15:42 - 0_0"),
              console.List3->item(console.List3->count() - 1)->text());
    EXPECT_EQ(console.List3->count() - 1, console.List3->currentRow());
}

TEST_F(PartitaScenario, TypedCodeAndPointTypeReachTheHistory) {
    console.Text1[1]->setText(QStringLiteral("12"));
    console.Option2_Click(3);
    console.Command1_Click(3);
    EXPECT_EQ(QStringLiteral("(1) 0 -  1 - 15:42 - G_12_3"), console.List3->item(1)->text());
    EXPECT_TRUE(console.Text1[1]->text().isEmpty());
    EXPECT_TRUE(console.Option2[0]->font().underline()) << "the point type returns to 0";
    EXPECT_FALSE(console.Option2[3]->font().underline());
    EXPECT_EQ(QStringLiteral("Guests : Schiacciata"), console.Tabellone().Label16->text());
}

TEST_F(PartitaScenario, WinnerMessageWaitsForTheDisplayAndTheEmergencyCopy) {
    Partita& p = console.Match();
    p.SetTotali = 3;
    p.PuntiSet = 3;
    Punti(0, 3);
    Punti(0, 2);
    bool visto = false;
    a.f.dialoghi.AlMessaggio = [&](const QString&) {
        visto = true;
        EXPECT_EQ(QStringLiteral("2"), d.Label3[0]->text()) << "the hall sees the sets won";
        EXPECT_EQ(QStringLiteral("2"), d.LabScore[0]->text());
        QFile copia(console.PercorsoEmergenza());
        ASSERT_TRUE(copia.open(QIODevice::ReadOnly));
        EXPECT_TRUE(copia.readAll().contains("#GAMEOV:0")) << "the winning point is saved";
    };
    a.f.dialoghi.Attendi(QStringLiteral("Partita vinta da: Locali"));
    a.f.dialoghi.Attendi(QStringLiteral("Vuoi creare il report della partita?"), Risposta::No);
    console.Command1_Click(0);
    EXPECT_TRUE(visto);
}

TEST_F(PartitaScenario, RefusedCodeIsClearedSoTheSideScoresAgain) {
    a.f.dialoghi.AlMessaggio = [&](const QString&) {
        EXPECT_TRUE(console.Text1[0]->text().isEmpty());
        EXPECT_EQ(QStringLiteral("0"), d.LabScore[0]->text());
    };
    for (const char* codice : {"A1", "abc"}) {
        console.Text1[0]->setText(QString::fromLatin1(codice));
        a.f.dialoghi.Attendi(
            QStringLiteral("Non si tratta di un giocatore ATTENZIONE!! - Punto non segnato"));
        console.Command1_Click(0);
        EXPECT_EQ(QStringLiteral("0"), console.LabScore[0]->text()) << codice;
        EXPECT_TRUE(console.Text1[0]->text().isEmpty()) << codice;
    }
    a.f.dialoghi.AlMessaggio = nullptr;
    console.Command1_Click(0);
    EXPECT_EQ(QStringLiteral("1"), console.LabScore[0]->text()) << "the next point is not refused";
}

TEST_F(PartitaScenario, UnlockAsksAndResetsOnYes) {
    Punti(0, 3);
    a.f.dialoghi.Attendi(
        QStringLiteral("Si vuole interrompere definitivamente la partita in corso?"), Risposta::No);
    console.Command3_Click();
    EXPECT_EQ(QStringLiteral("3"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("Sblocca"), console.Command3->text());
    a.f.dialoghi.Attendi(
        QStringLiteral("Si vuole interrompere definitivamente la partita in corso?"), Risposta::Si);
    console.Command3_Click();
    EXPECT_EQ(QStringLiteral("0"), console.LabScore[0]->text());
    EXPECT_EQ(QStringLiteral("0"), console.Tabellone().LabScore[0]->text());
    EXPECT_EQ(0, console.List3->count());
    EXPECT_EQ(QStringLiteral("Blocca"), console.Command3->text());
    EXPECT_TRUE(console.Command2->isEnabled());
}

} // namespace
