#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "match/Messages.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class TeamsScenario : public ::testing::Test {
  protected:
    TeamsScenario() {
        const QString wolves = a.program + QStringLiteral("/Teams/Lupi");
        Environment::CreateFile(wolves + QStringLiteral("/team.csv"),
                                "7;Rossi;Mario;2-Centrale;C\r\n4;Bianchi;Luca;1-Alzatore;C\r\n"
                                "A1;Verdi;Anna;;C\r\n");
        QImage logo(64, 64, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(wolves + QStringLiteral("/logo.jpg"), "JPG");
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Orsi/team.csv"),
                                "12;Neri;Paolo;3-Libero;C\r\n");
        console = std::make_unique<ConsoleProbe>(a.f.platform);
        console->load();
    }
    void Choose(int side, const QString& name) {
        const auto items = console->teamList(side)->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty());
        console->teamList(side)->setCurrentItem(items.first());
        console->chooseTeam(side);
        console->logos().Wait();
    }
    void Click(int side, int line) {
        console->rosterList(side)->setCurrentRow(line);
        console->pickAthlete(side);
    }
    QString LastLine() const { return console->lastHistoryLine(); }

    Environment a;
    std::unique_ptr<ConsoleProbe> console;
};

TEST_F(TeamsScenario, ChoosingTeamsNamesBothWindowsAndListsTheCalledUp) {
    Choose(0, QStringLiteral("Lupi"));
    Choose(1, QStringLiteral("Orsi"));
    DisplayProbe d = console->display();
    EXPECT_EQ(QStringLiteral("Lupi"), console->shownTeamName(0));
    EXPECT_EQ(QStringLiteral("Lupi"), d.homeNameLabel()->text());
    EXPECT_EQ(QStringLiteral("Orsi"), d.guestsNameLabel()->text());
    EXPECT_EQ(3, console->rosterList(0)->count()) << "the coach A1 is no scorer";
    EXPECT_EQ(QStringLiteral("E - Errore dell'avversario"),
              console->rosterList(0)->item(0)->text());
    EXPECT_EQ(QStringLiteral(" 7 Rossi Mario Centrale"), console->rosterList(0)->item(1)->text());
    EXPECT_NE(console->defaultLogo(0).cacheKey(), console->shownLogo(0).cacheKey());
    EXPECT_EQ(console->defaultLogo(1).cacheKey(), console->shownLogo(1).cacheKey())
        << "no logo: the side's default";
    EXPECT_EQ(3u, console->match().Rosters[0].size());

    Choose(1, QStringLiteral("Guests"));
    EXPECT_EQ(1, console->rosterList(1)->count()) << "no roster of the previous team survives";
    EXPECT_EQ(3u, console->match().Rosters[0].size()) << "the other side is untouched";
}

TEST_F(TeamsScenario, PointsCreditedByClickDoubleClickAndTypedCode) {
    Choose(0, QStringLiteral("Lupi"));
    Choose(1, QStringLiteral("Orsi"));
    console->choosePointType(2);
    Click(0, 1);
    EXPECT_EQ(QStringLiteral("7"), console->codeBox(0)->text());
    console->changeScore(0);
    EXPECT_TRUE(LastLine().endsWith(QStringLiteral("H_7_2")));
    EXPECT_EQ(0, console->rosterList(0)->currentRow());
    EXPECT_EQ(QStringLiteral("ROSSI"), console->display().scorerName()->text().trimmed());
    EXPECT_EQ(18, console->display().scorerName()->text().size());

    Click(1, 0);
    EXPECT_EQ(QStringLiteral("E"), console->codeBox(1)->text());
    EXPECT_EQ(QStringLiteral("7"), console->match().PickedAthlete) << "E keeps the scorer";
    console->changeScore(3);
    EXPECT_TRUE(LastLine().endsWith(QStringLiteral("G_E_0")));

    console->changeScore(0);
    EXPECT_TRUE(LastLine().endsWith(QStringLiteral("H_N_0")));

    console->choosePointType(1);
    console->rosterList(1)->setCurrentRow(1);
    console->scoreForAthlete(1);
    EXPECT_TRUE(LastLine().endsWith(QStringLiteral("G_12_1")));
    EXPECT_EQ(QStringLiteral("Orsi : Ace"), console->display().scorerTitle()->text());
}

// The coach is not offered to the scorer (nor to the phone); typed, the code is refused.
TEST_F(TeamsScenario, TheStaffAreNoScorers) {
    Choose(0, QStringLiteral("Lupi"));
    EXPECT_EQ(-1, console->codeLine(0, QStringLiteral("A1")));
    console->chooseCode(0, QStringLiteral("A1"));
    EXPECT_TRUE(console->match().PickedAthlete.isEmpty());
    a.f.dialogs.Expect(MatchMessages::NotAnAthlete);
    console->changeScore(0);
    EXPECT_EQ(QStringLiteral("0"), console->shownScore(0));
    EXPECT_EQ(3u, console->match().Rosters[0].size()) << "the presentation still has the coach";
}

TEST_F(TeamsScenario, ALoadedMatchChoosesItsTeams) {
    Choose(0, QStringLiteral("Lupi"));
    Choose(1, QStringLiteral("Orsi"));
    console->changeScore(0);
    const QString path = a.root.filePath(QStringLiteral("p.txt"));
    a.f.dialogs.ExpectFile(path);
    console->saveMatch();
    auto other = std::make_unique<ConsoleProbe>(a.f.platform);
    other->load();
    a.f.dialogs.ExpectFile(path);
    other->loadMatch();
    EXPECT_EQ(QStringLiteral("Lupi"), other->shownTeamName(0));
    EXPECT_EQ(QStringLiteral("Orsi"), other->display().guestsNameLabel()->text());
    EXPECT_EQ(2, other->rosterList(1)->count());
}

} // namespace
