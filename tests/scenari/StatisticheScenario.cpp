#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"
#include "stats/ui/PointsSummary.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class StatisticheScenario : public ::testing::Test {
protected:
    std::unique_ptr<ConsoleWindow> Prepara() {
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi/team.csv"),
                           "7;Rossi;Mario;2-Centrale;C\r\n10;Bianchi;Luca;;N\r\nA1;Verdi;Anna;;C\r\n");
        auto nuova = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        nuova->Form_Load();
        nuova->teamLists[0]->setCurrentItem(nuova->teamLists[0]->findItems("Lupi", Qt::MatchExactly).first());
        nuova->dbclicca(0);
        return nuova;
    }
    void Punto(int index, const char* codice = "", int tipo = 0) {
        console->choosePointType(tipo);
        console->codeBoxes[index == 0 ? 0 : 1]->setText(QString::fromUtf8(codice));
        console->changeScore(index);
    }
    QStringList Lista() const {
        QStringList righe;
        for (int i = 0; i < console->statisticsList->count(); ++i) {
            righe << console->statisticsList->item(i)->text();
        }
        return righe;
    }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console = Prepara();
    DisplayWindow& d = console->Tabellone();
};

TEST_F(StatisticheScenario, MatchStatisticsOnBothWindowsWithRemovalsTakenBack) {
    a.f.dialoghi.Attendi(QStringLiteral("La partita non è ancora iniziata"));
    console->showStatistics();
    Punto(0, "7", 2);
    Punto(0, "7", 0);
    Punto(0, "E");
    Punto(3, "12", 3);
    Punto(0, "7");
    console->changeScore(1);
    console->showStatistics();
    EXPECT_EQ((QStringList{"Home  :   7 2", "Guests:  12 1", "Home  :   E 1"}), Lista());
    EXPECT_EQ(QStringLiteral("Statistiche: SET     "), d.statisticsTitle->text())
        << "five empty results joined by blanks: short enough for the SET word";
    EXPECT_EQ(QStringLiteral("Rossi "), d.statisticsHomeNames[0]->text());
    EXPECT_EQ(QStringLiteral("2"), d.statisticsHomePoints[0]->text());
    EXPECT_EQ(QStringLiteral(" NUMERO 12"), d.statisticsGuestsNames[0]->text());
    EXPECT_TRUE(d.statisticsHomeNames[1]->text().isEmpty()) << "E never reaches the panel";
    EXPECT_TRUE(d.panelSlideTimer.isActive());
    EXPECT_EQ(0, console->Match().PannelloAnimato);

    console->statisticsChoiceList->setCurrentRow(2);
    a.f.dialoghi.Attendi(QStringLiteral("SET non iniziato"));
    console->showStatistics();
    console->statisticsChoiceList->setCurrentRow(1);
    console->showStatistics();
    EXPECT_EQ(QStringLiteral("Statistiche: SET  1"), d.statisticsTitle->text());
    EXPECT_EQ(QStringLiteral("3"), d.statisticsTotals[0]->text()) << "the live points of the set in play";
}

TEST_F(StatisticheScenario, EndOfMatchCycleShowsTheMatchThenEachSet) {
    console->Match().SetTotali = 3;
    for (int i = 0; i < 25; ++i) {
        Punto(0);
    }
    a.f.dialoghi.Attendi(QStringLiteral("Partita vinta da: Lupi"));
    a.f.dialoghi.Attendi(QStringLiteral("Vuoi creare il report della partita?"), Risposta::No);
    for (int i = 0; i < 25; ++i) {
        Punto(0);
    }
    EXPECT_TRUE(console->TimerStat.isActive());
    console->TimerStat_Timer();
    EXPECT_EQ(0, console->statisticsChoiceList->currentRow());
    console->TimerStat_Timer();
    EXPECT_EQ(1, console->statisticsChoiceList->currentRow());
    console->TimerStat_Timer();
    EXPECT_EQ(2, console->statisticsChoiceList->currentRow());
    EXPECT_TRUE(console->TimerStat.isActive());
    console->TimerStat_Timer();
    EXPECT_FALSE(console->TimerStat.isActive()) << "set 3 has no result: the cycle ends";
    console->statisticsChoiceList->setCurrentRow(3);
    console->showStatistics();
}

TEST_F(StatisticheScenario, LastFourPointsSkipTimeoutsAndSetStarts) {
    Punto(0, "7");
    Punto(3, "E");
    a.f.dialoghi.Attendi(QStringLiteral("Confermi la richiesta 30 secondi di tempo per: Lupi\nSe vuoi "
                                        "annullare clicca su <Annulla> altrimenti conferma con <OK>"));
    console->callTimeout(0);
    Punto(3);
    Punto(0, "7", 1);
    console->showLastPoints();
    EXPECT_EQ(QStringLiteral("Ultimi 4 punti:"), d.statisticsTitle->text());
    EXPECT_EQ(QStringLiteral("2"), d.statisticsHomePoints[0]->text());
    EXPECT_EQ(QStringLiteral("Rossi "), d.statisticsHomeNames[0]->text());
    EXPECT_EQ(QStringLiteral(" <NON ASSEGNATO>"), d.statisticsGuestsNames[1]->text());
    EXPECT_EQ(QStringLiteral(" <ERRORE>"), d.statisticsGuestsNames[2]->text());
    EXPECT_EQ(QStringLiteral("1"), d.statisticsHomePoints[3]->text());
    EXPECT_TRUE(d.statisticsHomePoints[3 - 2]->text().isEmpty());
    EXPECT_EQ(QStringLiteral("Ultimi 4 punti"), console->eventLight->text());
}

TEST_F(StatisticheScenario, LeadingTeamBySetsThenByPoints) {
    console->showLeadingTeam();
    EXPECT_FALSE(d.panelSlideTimer.isActive()) << "level: nothing";
    Punto(3);
    Punto(3);
    console->showLeadingTeam();
    EXPECT_EQ(QStringLiteral("In testa: Guests"), d.scorerTitle->text());
    EXPECT_EQ(QStringLiteral("0-0"), d.scorerNumberBackdrop->text());
    EXPECT_EQ(QStringLiteral("1° SET :  0 - 2 "), d.scorerName->text());
    EXPECT_EQ(QStringLiteral("1"), console->Match().CodiceAtleta);
}

TEST_F(StatisticheScenario, SummaryWindowAndItsExport) {
    a.f.dialoghi.Attendi(QStringLiteral("La partita non è ancora iniziata"));
    console->showTeamStatistics(0);
    Punto(0, "7", 2);
    Punto(0, "7", 2);
    Punto(0, "7");
    Punto(3, "7", 1);
    const QString percorso = a.radice.filePath(QStringLiteral("punti"));
    a.f.modali.Attendi([&](QDialog& finestra) {
        auto& f = static_cast<PointsSummary&>(finestra);
        ASSERT_EQ(2u, f.Celle.size()) << "7 and 10, then the staff row ends the table";
        EXPECT_EQ(QStringLiteral("3"), f.Celle[0][2]->text());
        EXPECT_EQ(QStringLiteral("2"), f.Celle[0][5]->text());
        a.f.dialoghi.AttendiFile(percorso);
        f.exportSummary();
        a.f.dialoghi.AttendiFile(percorso + QStringLiteral(".csv"));
        a.f.dialoghi.Attendi(QStringLiteral("Il file :") + percorso +
                                 QStringLiteral(".csv esiste già. Vuoi sovrascrivere questa partita?"),
                             Risposta::No);
        f.exportSummary();
        a.f.dialoghi.AttendiFile(a.radice.filePath(QStringLiteral("manca/x.CSV")));
        a.f.dialoghi.Attendi(QStringLiteral("Non è stato possibile salvare il riepilogo nel file : ") +
                             a.radice.filePath(QStringLiteral("manca/x.CSV")));
        f.exportSummary();
        f.closeSummary();
    });
    console->showTeamStatistics(0);
    QFile file(percorso + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti\r\n"
                         "7;Rossi;3;1;0;2;0;0\r\n10;Bianchi;0;0;0;0;0;0\r\n"),
              file.readAll());
    EXPECT_EQ(QStringList{percorso + QStringLiteral(".csv")}, a.f.shell.aperti);
}

} // namespace
