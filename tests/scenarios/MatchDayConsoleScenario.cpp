#include "console/Messages.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "live/Broadcast.h"
#include "match/Archive.h"

#include <QDialog>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// A console in English with two teams and their rosters chosen, as at the scorer's table.
class MatchDayConsoleScenario : public ::testing::Test {
  protected:
    std::unique_ptr<ConsoleProbe> Prepare() {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Aquile Volley/team.csv"),
                                "7;ROSSI;Elena;4-Banda;C\r\n10;BIANCHI;Sara;1-Alzatore;C\r\n"
                                "A1;VERDI;Anna;;C\r\n");
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/team.csv"),
                                "9;GALLO;Matteo;2-Centrale;C\r\n");
        auto fresh = std::make_unique<ConsoleProbe>(a.f.platform);
        fresh->load();
        fresh->chooseLanguage(1);
        for (int side = 0; side < 2; ++side) {
            EXPECT_TRUE(fresh->selectTeam(side, side == 0 ? "Aquile Volley" : "Lupi Neri"));
            fresh->doubleClick(side);
        }
        return fresh;
    }
    void Point(int button, const char* code = "", int type = 0) {
        console->choosePointType(type);
        console->codeBox(button <= 1 ? 0 : 1)->setText(QString::fromUtf8(code));
        console->changeScore(button);
    }
    // Set 1 to the home side, 25-20.
    void PlayFirstSet() {
        for (int i = 0; i < 20; ++i) {
            Point(0);
            Point(3);
        }
        for (int i = 0; i < 5; ++i) {
            Point(0);
        }
    }
    QJsonObject Snapshot() { return QJsonDocument::fromJson(console->live().StateJson()).object(); }

    Environment a;
    std::unique_ptr<ConsoleProbe> console = Prepare();
};

TEST_F(MatchDayConsoleScenario, ASetsEndShowsANoteWhoseOneClickSwapsSides) {
    PlayFirstSet();
    ASSERT_EQ(2, console->match().CurrentSet);
    ASSERT_TRUE(console->setEndNoteShown());
    EXPECT_EQ(QStringLiteral("Set to Aquile Volley 25–20 — change sides?"),
              console->setEndNoteText());
    EXPECT_EQ(QStringLiteral("Change sides"), console->setEndSwapButton()->text());
    EXPECT_EQ(Qt::NoFocus, console->setEndSwapButton()->focusPolicy())
        << "the keys keep going to the console, not to the note";

    console->setEndSwapButton()->click();
    EXPECT_TRUE(console->common().DisplaySidesSwapped) << "no question: the note asked it";
    EXPECT_TRUE(console->sidesSwappedShown());
    EXPECT_FALSE(console->setEndNoteShown());
}

TEST_F(MatchDayConsoleScenario, ScoringGoesOnWhileTheNoteShowsAndThePointTakesItDown) {
    PlayFirstSet();
    ASSERT_FALSE(console->grantTimeout(1).has_value());
    EXPECT_TRUE(console->setEndNoteShown()) << "a timeout is no point";

    console->runKey(Action::PlusGuests);
    EXPECT_EQ(QStringLiteral("1"), console->shownScore(1)) << "the key scored past the note";
    EXPECT_FALSE(console->setEndNoteShown());
    EXPECT_FALSE(console->common().DisplaySidesSwapped);
}

TEST_F(MatchDayConsoleScenario, TheNoteClosesWithoutSwappingAndUndoTakesItAway) {
    PlayFirstSet();
    console->setEndCloseButton()->click();
    EXPECT_FALSE(console->setEndNoteShown());
    EXPECT_FALSE(console->common().DisplaySidesSwapped);

    Point(0);
    Point(3);
    Point(3);
    for (int i = 0; i < 23; ++i) {
        Point(3);
    }
    ASSERT_TRUE(console->setEndNoteShown());
    EXPECT_EQ(QStringLiteral("Set to Lupi Neri 1–25 — change sides?"), console->setEndNoteText());
    console->undoLastLine(false);
    EXPECT_FALSE(console->setEndNoteShown()) << "the set's end was taken back";
}

TEST_F(MatchDayConsoleScenario, TheHistoryReadsInWordsWithTheStoredLineBehind) {
    Point(0, "7", 3);
    Point(3, "", 0);
    Point(0, "E", 2);
    Point(1);
    Point(0);
    const QStringList readable{"Set 1 · 0–0 · Set start",
                               "Set 1 · 1–0 · Aquile Volley · #7 Rossi · Spike",
                               "Set 1 · 1–1 · Lupi Neri · not assigned",
                               "Set 1 · 2–1 · Aquile Volley · opponent's error · Block",
                               "Set 1 · 1–1 · Aquile Volley · point taken back",
                               "Set 1 · 2–1 · Aquile Volley · not assigned"};
    ASSERT_EQ(readable.size(), console->historyCount());
    for (int line = 0; line < readable.size(); ++line) {
        EXPECT_EQ(readable[line], console->readableHistoryLine(line));
        EXPECT_EQ(console->match().History[line].Text, console->historyLine(line));
    }
    console->chooseLanguage(2);
    EXPECT_EQ(QStringLiteral("Set 1 · 1–0 · Aquile Volley · #7 Rossi · Smash"),
              console->readableHistoryLine(1))
        << "a new language rewrites every line";

    console->showStatistics();
    ASSERT_EQ(2, console->statisticsLineCount());
    const int unassigned = console->statisticsLine(0).contains(u'#') ? 1 : 0;
    EXPECT_EQ(QStringLiteral("Aquile Volley · non attribué: 1"),
              console->statisticsLine(unassigned));
    EXPECT_EQ(QStringLiteral("Home  :   N 1"), console->statisticsTip(unassigned))
        << "the compact line stays behind it";
}

TEST_F(MatchDayConsoleScenario, EditingTheScorerMendsStatisticsAndTheLiveLastPoint) {
    Point(0, "", 3);
    Point(0, "", 0);
    ASSERT_EQ(QStringLiteral("N"),
              Snapshot().value("last_point").toObject().value("code").toString());

    a.f.modal.Expect([](QDialog& window) {
        auto* list = window.findChild<QListWidget*>();
        ASSERT_NE(nullptr, list);
        EXPECT_EQ((QStringList{"7 Rossi Elena", "10 Bianchi Sara"}), [&] {
            QStringList rows;
            for (int i = 0; i < list->count(); ++i) {
                rows << list->item(i)->text();
            }
            return rows;
        }()) << "athletes only, no staff";
        list->setCurrentRow(1);
        window.accept();
    });
    console->editScorer(2);
    EXPECT_TRUE(console->historyLine(2).startsWith(QStringLiteral("(1) 2 -  0 - ")));
    EXPECT_TRUE(console->historyLine(2).endsWith(QStringLiteral(" - H_10_0")));
    EXPECT_EQ(QStringLiteral("Set 1 · 2–0 · Aquile Volley · #10 Bianchi"),
              console->readableHistoryLine(2));
    EXPECT_EQ(QStringLiteral("2"), console->shownScore(0)) << "the score stays";
    const QJsonObject last = Snapshot().value("last_point").toObject();
    EXPECT_EQ(QStringLiteral("10"), last.value("number").toString());
    EXPECT_EQ(QStringLiteral("Bianchi"), last.value("surname").toString());

    console->showStatistics();
    const QStringList statistics{console->statisticsLine(0), console->statisticsLine(1)};
    EXPECT_TRUE(statistics.contains(QStringLiteral("Aquile Volley · #10 Bianchi: 1")));
    EXPECT_TRUE(statistics.contains(QStringLiteral("Aquile Volley · not assigned: 1")));

    ASSERT_TRUE(console->waitForCopy());
    QFile copy(console->emergencyPath());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(copy.readAll()).contains(console->historyLine(2)))
        << "the emergency copy holds the mended line";
}

TEST_F(MatchDayConsoleScenario, ACancelledChoiceAndLinesWithoutAScorerChangeNothing) {
    Point(0, "7");
    ASSERT_FALSE(console->grantTimeout(0).has_value());
    const MatchHistory before = console->match().History;
    a.f.modal.Expect([](QDialog& window) { window.reject(); });
    console->editScorer(1);
    for (int line : {0, 2, 5}) {
        console->editScorer(line);
    }
    EXPECT_EQ(before, console->match().History);
}

} // namespace
