#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class SquadreScenario : public ::testing::Test {
protected:
    SquadreScenario() {
        const QString lupi = a.programma + QStringLiteral("/Teams/Lupi");
        Ambiente::CreaFile(lupi + QStringLiteral("/team.csv"),
                           "7;Rossi;Mario;2-Centrale;C\r\n4;Bianchi;Luca;1-Alzatore;C\r\n"
                           "A1;Verdi;Anna;;C\r\n");
        QImage logo(64, 64, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(lupi + QStringLiteral("/logo.jpg"), "JPG");
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Orsi/team.csv"),
                           "12;Neri;Paolo;3-Libero;C\r\n");
        console = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        console->Form_Load();
    }
    void Scegli(int lato, const QString& nome) {
        const auto voci = console->teamLists[lato]->findItems(nome, Qt::MatchExactly);
        ASSERT_FALSE(voci.isEmpty());
        console->teamLists[lato]->setCurrentItem(voci.first());
        console->chooseTeam(lato);
        console->Loghi().Attendi();
    }
    void Clicca(int lato, int riga) {
        console->rosterLists[lato]->setCurrentRow(riga);
        console->pickAthlete(lato);
    }
    QString UltimaRiga() const {
        return console->historyList->item(console->historyList->count() - 1)->text();
    }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console;
};

TEST_F(SquadreScenario, ChoosingTeamsNamesBothWindowsAndListsTheCalledUp) {
    Scegli(0, QStringLiteral("Lupi"));
    Scegli(1, QStringLiteral("Orsi"));
    DisplayWindow& d = console->Tabellone();
    EXPECT_EQ(QStringLiteral("Lupi"), console->teamNameLabels[0]->text());
    EXPECT_EQ(QStringLiteral("Lupi"), d.homeNameLabel->text());
    EXPECT_EQ(QStringLiteral("Orsi"), d.guestsNameLabel->text());
    EXPECT_EQ(4, console->rosterLists[0]->count());
    EXPECT_EQ(QStringLiteral("E - Errore dell'avversario"), console->rosterLists[0]->item(0)->text());
    EXPECT_EQ(QStringLiteral(" 7 Rossi Mario Centrale"), console->rosterLists[0]->item(1)->text());
    EXPECT_NE(console->smallTeamLogos[0]->pixmap().cacheKey(), console->teamLogos[0]->pixmap().cacheKey());
    EXPECT_EQ(console->smallTeamLogos[1]->pixmap().cacheKey(), console->teamLogos[1]->pixmap().cacheKey())
        << "no logo: the side's default";
    EXPECT_EQ(3u, console->Match().Rose[0].size());

    Scegli(1, QStringLiteral("Guests"));
    EXPECT_EQ(1, console->rosterLists[1]->count()) << "no roster of the previous team survives";
    EXPECT_EQ(3u, console->Match().Rose[0].size()) << "the other side is untouched";
}

TEST_F(SquadreScenario, PointsCreditedByClickDoubleClickAndTypedCode) {
    Scegli(0, QStringLiteral("Lupi"));
    Scegli(1, QStringLiteral("Orsi"));
    console->choosePointType(2);
    Clicca(0, 1);
    EXPECT_EQ(QStringLiteral("7"), console->codeBoxes[0]->text());
    console->changeScore(0);
    EXPECT_TRUE(UltimaRiga().endsWith(QStringLiteral("H_7_2")));
    EXPECT_EQ(0, console->rosterLists[0]->currentRow());
    EXPECT_EQ(QStringLiteral("ROSSI"), console->Tabellone().scorerName->text().trimmed());
    EXPECT_EQ(18, console->Tabellone().scorerName->text().size());

    Clicca(1, 0);
    EXPECT_EQ(QStringLiteral("E"), console->codeBoxes[1]->text());
    EXPECT_EQ(QStringLiteral("7"), console->Match().NumeroMarcatore) << "E keeps the scorer";
    console->changeScore(3);
    EXPECT_TRUE(UltimaRiga().endsWith(QStringLiteral("G_E_0")));

    console->changeScore(0);
    EXPECT_TRUE(UltimaRiga().endsWith(QStringLiteral("H_N_0")));

    console->choosePointType(1);
    console->rosterLists[1]->setCurrentRow(1);
    console->scoreForAthlete(1);
    EXPECT_TRUE(UltimaRiga().endsWith(QStringLiteral("G_12_1")));
    EXPECT_EQ(QStringLiteral("Orsi : Ace"), console->Tabellone().scorerTitle->text());
}

TEST_F(SquadreScenario, AStaffLineIsRefusedWhenScored) {
    Scegli(0, QStringLiteral("Lupi"));
    Clicca(0, 3);
    EXPECT_EQ(QStringLiteral("A1"), console->codeBoxes[0]->text());
    a.f.dialoghi.Attendi(
        QStringLiteral("Non si tratta di un giocatore ATTENZIONE!! - Punto non segnato"));
    console->changeScore(0);
    EXPECT_EQ(QStringLiteral("0"), console->LabScore[0]->text());
}

TEST_F(SquadreScenario, ALoadedMatchChoosesItsTeams) {
    Scegli(0, QStringLiteral("Lupi"));
    Scegli(1, QStringLiteral("Orsi"));
    console->changeScore(0);
    const QString percorso = a.radice.filePath(QStringLiteral("p.txt"));
    a.f.dialoghi.AttendiFile(percorso);
    console->saveMatch();
    auto altra = std::make_unique<ConsoleWindow>(a.f.piattaforma);
    altra->Form_Load();
    a.f.dialoghi.AttendiFile(percorso);
    altra->loadMatch();
    EXPECT_EQ(QStringLiteral("Lupi"), altra->teamNameLabels[0]->text());
    EXPECT_EQ(QStringLiteral("Orsi"), altra->Tabellone().guestsNameLabel->text());
    EXPECT_EQ(2, altra->rosterLists[1]->count());
}

} // namespace
