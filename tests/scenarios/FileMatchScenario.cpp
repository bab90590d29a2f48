#include "console/Messages.h"
#include "doubles/FullDisk.h"
#include "match/Messages.h"
#include "scenarios/TestConsole.h"
#include "shared/FileText.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <vector>

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

// A missing folder, a full disk: the message names the folder and the system's reason.
TEST_F(FileScenario, SaveThatCannotWriteSaysWhyAndKeepsTheTitle) {
    Points(0, 1);
    struct Case {
        QString path;
        QString reason;
    };
    std::vector<Case> cases{{Path("manca/partita.txt"), qt_error_string(ENOENT)}};
    FullDisk disk;
    if (disk.onlyThisFolder()) {
        disk.fill();
        cases.push_back({QDir(disk.path()).filePath(QStringLiteral("partita.txt")), disk.reason()});
    }
    for (const Case& c : cases) {
        a.f.dialogs.ExpectFile(c.path);
        a.f.dialogs.Expect(ConsoleMessages::MatchNotSaved + QStringLiteral(" : ") + c.path +
                           QStringLiteral("\n\n") +
                           QDir::toNativeSeparators(QFileInfo(c.path).absolutePath()) +
                           QStringLiteral(": ") + c.reason);
        console.saveMatch();
        EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console.windowTitle());
    }
}

TEST_F(FileScenario, SavedMatchLoadsBackAndLocks) {
    Points(0, 25);
    Points(3, 2);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.saveMatch();
    a.f.dialogs.Expect(Abandon, Answer::No);
    console.loadMatch();
    a.f.dialogs.Expect(Abandon, Answer::Yes);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.loadMatchFromButton();
    EXPECT_EQ(QStringLiteral("2"), console.shownScore(1));
    EXPECT_EQ(QStringLiteral("1"), console.shownSets(0));
    EXPECT_EQ(QStringLiteral("25/ 0"), console.display().partialLabel(0)->text().rightJustified(5));
    EXPECT_EQ(QStringLiteral("Sblocca"), console.lockCaption());
    EXPECT_TRUE(console.undoEnabled());
    EXPECT_EQ(QStringLiteral("Brivanta : P.TXT"), console.windowTitle());
}

TEST_F(FileScenario, AFileThatIsNotAMatchLeavesTheMatchAsItWas) {
    Points(0, 4);
    Environment::CreateFile(Path("lista.txt"), "Pane\r\nLatte\r\n");
    a.f.dialogs.Expect(Abandon, Answer::Yes);
    a.f.dialogs.ExpectFile(Path("lista.txt"));
    a.f.dialogs.Expect(NotAMatch);
    console.loadMatch();
    EXPECT_EQ(QStringLiteral("4"), console.shownScore(0));
    EXPECT_EQ(5, console.historyCount());
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console.windowTitle());
}

TEST_F(FileScenario, SaveWritesTheWholeHistoryWhateverIsSelected) {
    Points(0, 4);
    Points(3, 2);
    const QStringList history = HistoryLines(console.match().History);
    console.selectHistoryLine(2);
    a.f.dialogs.Expect(QStringLiteral("Desideri riportare la partita a questo precedente "
                                      "punteggio ?\n\nLocali 2 - 0 Ospiti\n1° SET"),
                       Answer::No);
    console.rollBackToSelectedLine();
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.saveMatch();
    a.f.dialogs.Expect(Abandon, Answer::Yes);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.loadMatch();
    EXPECT_EQ(history, HistoryLines(console.match().History));
    EXPECT_EQ(QStringLiteral("4"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("2"), console.shownScore(1));
}

class RecoveryScenario : public FileScenario {
  protected:
    void Recover() { Recover(console); }
    void Recover(ConsoleProbe& c) {
        // The crashed console's worker may still be writing its last copy.
        ASSERT_TRUE(console.waitForCopy());
        ASSERT_TRUE(c.waitForCopy());
        const QString when = QFileInfo(c.emergencyPath())
                                 .lastModified()
                                 .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        a.f.dialogs.Expect(ConsoleMessages::EmergencyLoadQuestion + QStringLiteral("\n") + when +
                               QStringLiteral("\n\n"),
                           Answer::Yes);
        c.loadEmergencyCopy();
    }
    // A fresh console after a crash, on the same temporary folder.
    std::unique_ptr<ConsoleProbe> Restart() {
        auto fresh = std::make_unique<ConsoleProbe>(a.f.platform);
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
    EXPECT_EQ(QStringLiteral("0"), after->shownScore(0));
    EXPECT_EQ(QStringLiteral("1"), after->shownSets(0));
    EXPECT_EQ(2, after->match().CurrentSet);
    EXPECT_EQ(QStringLiteral("25/23"), after->match().Partials[0]);
    EXPECT_EQ(QStringLiteral("Sblocca"), after->lockCaption()) << "locked as after a point";
    EXPECT_FALSE(after->exitEnabled());
    EXPECT_EQ(false, after->menuItemEnabled(QStringLiteral("Nuova Partita ...")));
    EXPECT_FALSE(after->teamList(0)->isEnabled());
}

TEST_F(RecoveryScenario, UndoIsInTheCopy) {
    Points(0, 4);
    a.f.dialogs.Expect(MatchMessages::RollbackQuestion +
                       QStringLiteral("\n\nLocali 3 - 0 Ospiti\n1° SET"));
    console.undoLastLine();
    Recover();
    EXPECT_EQ(QStringLiteral("3"), console.shownScore(0));
    EXPECT_EQ(4, console.historyCount());
}

TEST_F(RecoveryScenario, ALoadedMatchIsTheCopyAtOnce) {
    Points(0, 7);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.saveMatch();
    Points(3, 5);
    a.f.dialogs.Expect(Abandon, Answer::Yes);
    a.f.dialogs.ExpectFile(Path("p.txt"));
    console.loadMatch();
    Recover();
    EXPECT_EQ(QStringLiteral("7"), console.shownScore(0));
    EXPECT_EQ(QStringLiteral("0"), console.shownScore(1)) << "not the abandoned match";
}

TEST_F(RecoveryScenario, ARefusedFirstPointStillKeepsTheOpenedSet) {
    console.codeBox(0)->setText(QStringLiteral("A1"));
    a.f.dialogs.Expect(MatchMessages::NotAnAthlete);
    console.changeScore(0);
    ASSERT_EQ(1, console.historyCount());
    EXPECT_TRUE(QFileInfo::exists(console.emergencyPath()));
}

TEST_F(RecoveryScenario, TimeoutIsInTheCopy) {
    Points(0, 3);
    a.f.dialogs.Expect(ConsoleMessages::TimeoutQuestion + QStringLiteral("Home\n") +
                       ConsoleMessages::CancelOrConfirm);
    console.callTimeout(0);
    Recover();
    EXPECT_EQ(QStringLiteral("1"), console.shownTimeouts(0));
    EXPECT_EQ(QStringLiteral("1#H Timeout Locali - 15:42"), console.lastHistoryLine());
}

TEST_F(RecoveryScenario, FinishedMatchComesBackFinishedAfterARestart) {
    Match& match = console.match();
    match.TotalSets = 1;
    a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    Points(0, 25);
    auto after = Restart();
    Recover(*after);
    EXPECT_EQ(1, after->match().CurrentSet);
    EXPECT_TRUE(after->match().MatchOver);
    EXPECT_FALSE(after->scoreButton(0)->isEnabled());
    EXPECT_TRUE(after->endStatisticsEnabled());
    EXPECT_EQ(QStringLiteral("1"), after->display().shownScore(0));
}

} // namespace
