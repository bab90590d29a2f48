#include "console/Messages.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "match/Messages.h"
#include "stats/Messages.h"
#include "stats/ui/PointsSummary.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class StatisticsScenario : public ::testing::Test {
  protected:
    std::unique_ptr<ConsoleProbe> Prepare() {
        Environment::CreateFile(
            a.program + QStringLiteral("/Teams/Lupi/team.csv"),
            "7;Rossi;Mario;2-Centrale;C\r\n10;Bianchi;Luca;;N\r\nA1;Verdi;Anna;;C\r\n");
        auto fresh = std::make_unique<ConsoleProbe>(a.f.platform);
        fresh->load();
        fresh->teamList(0)->setCurrentItem(
            fresh->teamList(0)->findItems("Lupi", Qt::MatchExactly).first());
        fresh->doubleClick(0);
        return fresh;
    }
    void Point(int index, const char* code = "", int type = 0) {
        console->choosePointType(type);
        console->codeBox(index == 0 ? 0 : 1)->setText(QString::fromUtf8(code));
        console->changeScore(index);
    }
    QStringList List() const {
        QStringList lines;
        for (int i = 0; i < console->statisticsLineCount(); ++i) {
            lines << console->statisticsLine(i);
        }
        return lines;
    }

    Environment a;
    std::unique_ptr<ConsoleProbe> console = Prepare();
    DisplayProbe d = console->display();
};

TEST_F(StatisticsScenario, MatchStatisticsOnBothWindowsWithRemovalsTakenBack) {
    a.f.dialogs.Expect(ConsoleMessages::NotStarted);
    console->showStatistics();
    Point(0, "7", 2);
    Point(0, "7", 0);
    Point(0, "E");
    Point(3, "12", 3);
    Point(0, "7");
    console->changeScore(1);
    console->showStatistics();
    EXPECT_EQ((QStringList{"Lupi · #7 Rossi: 2", "Guests · #12: 1", "Lupi · errore avversario: 1"}),
              List());
    EXPECT_EQ(QStringLiteral("Statistiche: SET     "), d.statisticsTitle()->text())
        << "five empty results joined by blanks: short enough for the SET word";
    EXPECT_EQ(QStringLiteral("Rossi "), d.statisticsHomeName(0)->text());
    EXPECT_EQ(QStringLiteral("2"), d.statisticsHomePoint(0)->text());
    EXPECT_EQ(QStringLiteral(" NUMERO 12"), d.statisticsGuestsName(0)->text());
    EXPECT_TRUE(d.statisticsHomeName(1)->text().isEmpty()) << "E never reaches the panel";
    EXPECT_TRUE(d.panelSliding());
    EXPECT_EQ(0, console->match().AnimatedPanel);

    console->selectStatistics(2);
    a.f.dialogs.Expect(ConsoleMessages::SetNotStarted);
    console->showStatistics();
    console->selectStatistics(1);
    console->showStatistics();
    EXPECT_EQ(QStringLiteral("Statistiche: 1° SET"), d.statisticsTitle()->text());
    EXPECT_EQ(QStringLiteral("3"), d.statisticsTotal(0)->text())
        << "the live points of the set in play";
}

TEST_F(StatisticsScenario, EndOfMatchCycleShowsTheMatchThenEachSet) {
    console->match().TotalSets = 3;
    for (int i = 0; i < 25; ++i) {
        Point(0);
    }
    a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Lupi"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    for (int i = 0; i < 25; ++i) {
        Point(0);
    }
    EXPECT_TRUE(console->statisticsCycleRunning());
    console->statisticsTick();
    EXPECT_EQ(0, console->chosenStatistics());
    console->statisticsTick();
    EXPECT_EQ(1, console->chosenStatistics());
    console->statisticsTick();
    EXPECT_EQ(2, console->chosenStatistics());
    EXPECT_TRUE(console->statisticsCycleRunning());
    console->statisticsTick();
    EXPECT_FALSE(console->statisticsCycleRunning()) << "set 3 has no result: the cycle ends";
    console->selectStatistics(3);
    console->showStatistics();
}

TEST_F(StatisticsScenario, LastFourPointsSkipTimeoutsAndSetStarts) {
    Point(0, "7");
    Point(3, "E");
    a.f.dialogs.Expect(ConsoleMessages::TimeoutQuestion + QStringLiteral("Lupi\n") +
                       ConsoleMessages::CancelOrConfirm);
    console->callTimeout(0);
    Point(3);
    Point(0, "7", 1);
    console->showLastPoints();
    EXPECT_EQ(QStringLiteral("Ultimi 4 punti:"), d.statisticsTitle()->text());
    EXPECT_EQ(QStringLiteral("2"), d.statisticsHomePoint(0)->text());
    EXPECT_EQ(QStringLiteral("Rossi "), d.statisticsHomeName(0)->text());
    EXPECT_EQ(QStringLiteral(" Ospiti"), d.statisticsGuestsName(1)->text())
        << "a point given to no athlete is the team's";
    EXPECT_EQ(QStringLiteral(" <ERRORE>"), d.statisticsGuestsName(2)->text());
    EXPECT_EQ(QStringLiteral("1"), d.statisticsHomePoint(3)->text());
    EXPECT_TRUE(d.statisticsHomePoint(3 - 2)->text().isEmpty());
    EXPECT_EQ(QStringLiteral("Ultimi 4 punti"), console->eventLightText());
}

TEST_F(StatisticsScenario, LeadingTeamBySetsThenByPoints) {
    console->showLeadingTeam();
    EXPECT_FALSE(d.panelSliding()) << "level: nothing";
    Point(3);
    Point(3);
    console->showLeadingTeam();
    EXPECT_EQ(QStringLiteral("In testa: Guests"), d.scorerTitle()->text());
    EXPECT_EQ(QStringLiteral("0-0"), d.scorerNumberBackdrop()->text());
    EXPECT_EQ(QStringLiteral("1° SET :  0 - 2 "), d.scorerName()->text());
    console->changeScore(2);
    EXPECT_TRUE(console->match().History.last().Text.endsWith(QStringLiteral("G_N_0")))
        << "showing the leading team leaves the code a removal line repeats";
}

TEST_F(StatisticsScenario, SummaryWindowAndItsExport) {
    a.f.dialogs.Expect(ConsoleMessages::NotStarted);
    console->showTeamStatistics(0);
    Point(0, "7", 2);
    Point(0, "7", 2);
    Point(0, "7");
    Point(3, "7", 1);
    const QString path = a.root.filePath(QStringLiteral("punti"));
    a.f.modal.Expect([&](QDialog& window) {
        auto& f = static_cast<PointsSummary&>(window);
        ASSERT_EQ(2u, f.Cells.size()) << "7 and 10, then the staff row ends the table";
        EXPECT_EQ(QStringLiteral("3"), f.Cells[0][2]->text());
        EXPECT_EQ(QStringLiteral("2"), f.Cells[0][5]->text());
        a.f.dialogs.ExpectFile(path);
        f.exportSummary();
        a.f.dialogs.ExpectFile(path + QStringLiteral(".csv"));
        a.f.dialogs.Expect(
            QStringLiteral("Il file :") + path +
                QStringLiteral(".csv esiste già. Vuoi sovrascrivere questa partita?"),
            Answer::No);
        f.exportSummary();
        a.f.dialogs.ExpectFile(a.root.filePath(QStringLiteral("manca/x.CSV")));
        a.f.dialogs.Expect(StatsMessages::SummaryNotSaved + QStringLiteral(" : ") +
                           a.root.filePath(QStringLiteral("manca/x.CSV")));
        f.exportSummary();
        f.closeSummary();
    });
    console->showTeamStatistics(0);
    QFile file(path + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("N.;Cognome;Punti;N.Specific.;Aces;Muri;Schiacciate;Pallonetti\r\n"
                         "7;Rossi;3;1;0;2;0;0\r\n10;Bianchi;0;0;0;0;0;0\r\n"),
              file.readAll());
    EXPECT_EQ(QStringList{path + QStringLiteral(".csv")}, a.f.shell.open);
}

} // namespace
