#include "console/Messages.h"
#include "match/Messages.h"
#include "scenarios/TestConsole.h"
#include "shared/FileText.h"

#include <QFileInfo>

namespace {

const QString NotStarted = ConsoleMessages::NotStarted;
const QString NotAMatch = ConsoleMessages::NotAMatchFile;
const QString Abandon = ConsoleMessages::LoadOverMatchQuestion;

class FileScenario : public TestConsole {
  protected:
    QString Path(const char* name) const { return a.root.filePath(QString::fromUtf8(name)); }
};

TEST_F(FileScenario, SaveAsksForAFileAddsTxtAndRenamesTheConsole) {
    a.f.dialogs.Expect(NotStarted);
    console.saveMatch();
    Points(0, 3);
    a.f.dialogs.ExpectFile(QString());
    a.f.dialogs.Expect(ConsoleMessages::NoFileChosen);
    console.saveMatch();

    a.f.dialogs.ExpectFile(Path("finale"));
    console.saveMatch();
    EXPECT_TRUE(QFileInfo::exists(Path("finale.txt")));
    EXPECT_EQ(QStringLiteral("Brivanta : FINALE.TXT"), console.windowTitle());

    Points(0, 1);
    a.f.dialogs.ExpectFile(Path("finale.txt"));
    a.f.dialogs.Expect(QStringLiteral("Il file :") + Path("finale.txt") + u' ' +
                           ConsoleMessages::OverwriteQuestion,
                       Answer::No);
    console.saveMatch();
    EXPECT_TRUE(ReadTextFile(Path("finale.txt"), 1 << 20)->contains(QStringLiteral("#HPART.:3")));
}

TEST_F(FileScenario, SaveThatCannotWriteSaysSoAndKeepsTheTitle) {
    Points(0, 1);
    const QString path = Path("manca/partita.txt");
    a.f.dialogs.ExpectFile(path);
    a.f.dialogs.Expect(ConsoleMessages::MatchNotSaved + QStringLiteral(" : ") + path);
    console.saveMatch();
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console.windowTitle());
}

TEST_F(FileScenario, SavedMatchLoadsBackAndLocks) {
    Points(0, 25);
    Points(3, 2);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.saveMatch();
    a.f.dialogs.Expect(Abandon, Answer::No);
    console.loadMatch();
    a.f.dialogs.Expect(Abandon, Answer::Si);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.loadMatchFromButton();
    EXPECT_EQ(QStringLiteral("2"), console.scoreLabels[1]->text());
    EXPECT_EQ(QStringLiteral("1"), console.setsWonLabels[0]->text());
    EXPECT_EQ(QStringLiteral("25/ 0"),
              console.Display().partialLabels[0]->text().rightJustified(5));
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockButton->text());
    EXPECT_TRUE(console.undoButton->isEnabled());
    EXPECT_EQ(QStringLiteral("Brivanta : P.TXT"), console.windowTitle());
}

TEST_F(FileScenario, AFileThatIsNotAMatchLeavesTheMatchAsItWas) {
    Points(0, 4);
    Environment::CreateFile(Path("lista.txt"), "Pane\r\nLatte\r\n");
    a.f.dialogs.Expect(Abandon, Answer::Si);
    a.f.dialogs.ExpectFile(Path("lista.txt"));
    a.f.dialogs.Expect(NotAMatch);
    console.loadMatch();
    EXPECT_EQ(QStringLiteral("4"), console.scoreLabels[0]->text());
    EXPECT_EQ(5, console.historyList->count());
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console.windowTitle());
}

TEST_F(FileScenario, SaveWritesTheWholeHistoryWhateverIsSelected) {
    Points(0, 4);
    Points(3, 2);
    const QStringList history = HistoryLines(console.match().History);
    console.historyList->setCurrentRow(2);
    a.f.dialogs.Expect(MatchMessages::RollbackQuestion +
                           QStringLiteral("\n\nLocali 2 - 0 Ospiti\n1°SET"),
                       Answer::No);
    console.rollBackToSelectedLine();
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.saveMatch();
    a.f.dialogs.Expect(Abandon, Answer::Si);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.loadMatch();
    EXPECT_EQ(history, HistoryLines(console.match().History));
    EXPECT_EQ(QStringLiteral("4"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("2"), console.scoreLabels[1]->text());
}

class RecoveryScenario : public FileScenario {
  protected:
    void Recover() { Recover(console); }
    void Recover(ConsoleWindow& c) {
        // The crashed console's worker may still be writing its last copy.
        ASSERT_TRUE(console.WaitForCopy());
        ASSERT_TRUE(c.WaitForCopy());
        const QString when = QFileInfo(c.EmergencyPath())
                                 .lastModified()
                                 .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        a.f.dialogs.Expect(ConsoleMessages::EmergencyLoadQuestion + QStringLiteral("\n") + when +
                               QStringLiteral("\n\n"),
                           Answer::Si);
        c.loadEmergencyCopy();
    }
    // A fresh console after a crash, on the same temporary folder.
    std::unique_ptr<ConsoleWindow> Restart() {
        auto fresh = std::make_unique<ConsoleWindow>(a.f.platform);
        fresh->load();
        return fresh;
    }
};

TEST_F(RecoveryScenario, NoCopyYet) {
    a.f.dialogs.Expect(ConsoleMessages::NoEmergencyCopy);
    console.loadEmergencyCopy();
}

TEST_F(RecoveryScenario, SetWinningPointComesBackAsTheNextSetLocked) {
    Points(3, 23);
    Points(0, 25);
    auto after = Restart();
    Recover(*after);
    EXPECT_EQ(QStringLiteral("0"), after->scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1"), after->setsWonLabels[0]->text());
    EXPECT_EQ(2, after->match().CurrentSet);
    EXPECT_EQ(QStringLiteral("25/23"), after->match().Partials[0]);
    EXPECT_EQ(QStringLiteral("Sblocca"), after->lockButton->text()) << "locked as after a point";
    EXPECT_FALSE(after->exitButton->isEnabled());
    EXPECT_FALSE(after->fileMenu->menuAction()->isEnabled());
    EXPECT_FALSE(after->teamLists[0]->isEnabled());
}

TEST_F(RecoveryScenario, UndoIsInTheCopy) {
    Points(0, 4);
    a.f.dialogs.Expect(MatchMessages::RollbackQuestion +
                       QStringLiteral("\n\nLocali 3 - 0 Ospiti\n1°SET"));
    console.undoLastLine();
    Recover();
    EXPECT_EQ(QStringLiteral("3"), console.scoreLabels[0]->text());
    EXPECT_EQ(4, console.historyList->count());
}

TEST_F(RecoveryScenario, ALoadedMatchIsTheCopyAtOnce) {
    Points(0, 7);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.saveMatch();
    Points(3, 5);
    a.f.dialogs.Expect(Abandon, Answer::Si);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.loadMatch();
    Recover();
    EXPECT_EQ(QStringLiteral("7"), console.scoreLabels[0]->text());
    EXPECT_EQ(QStringLiteral("0"), console.scoreLabels[1]->text()) << "not the abandoned match";
}

TEST_F(RecoveryScenario, ARefusedFirstPointStillKeepsTheOpenedSet) {
    console.codeBoxes[0]->setText(QStringLiteral("A1"));
    a.f.dialogs.Expect(MatchMessages::NotAnAthlete);
    console.changeScore(0);
    ASSERT_EQ(1, console.historyList->count());
    EXPECT_TRUE(QFileInfo::exists(console.EmergencyPath()));
}

TEST_F(RecoveryScenario, TimeoutIsInTheCopy) {
    Points(0, 3);
    a.f.dialogs.Expect(ConsoleMessages::TimeoutQuestion + QStringLiteral("Home\n") +
                       ConsoleMessages::CancelOrConfirm);
    console.callTimeout(0);
    Recover();
    EXPECT_EQ(QStringLiteral("1"), console.timeoutLabels[0]->text());
    EXPECT_EQ(QStringLiteral("1#H Timeout Locali - 15:42"),
              console.historyList->item(console.historyList->count() - 1)->text());
}

TEST_F(RecoveryScenario, FinishedMatchComesBackFinishedAfterARestart) {
    Match& p = console.match();
    p.TotalSets = 1;
    a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    Points(0, 25);
    auto after = Restart();
    Recover(*after);
    EXPECT_EQ(1, after->match().CurrentSet);
    EXPECT_EQ(1, after->match().FinishedMatch);
    EXPECT_FALSE(after->scoreButtons[0]->isEnabled());
    EXPECT_TRUE(after->endStatisticsButton->isEnabled());
    EXPECT_EQ(QStringLiteral("1"), after->Display().scoreLabels[0]->text());
}

} // namespace
