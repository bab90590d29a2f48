// Match-day safety: an interrupted match offered back at start, and the backups folder.
#include "console/Messages.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "match/Archive.h"
#include "match/Messages.h"
#include "shared/FileText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString Exit = ConsoleMessages::ExitQuestion;

class ResumptionScenario : public ::testing::Test {
  protected:
    std::unique_ptr<ConsoleProbe> Start() {
        auto c = std::make_unique<ConsoleProbe>(a.f.platform);
        c->load();
        return c;
    }
    // A run that scored and then died without "Esci".
    QStringList Interrupted(int homePoints) {
        auto c = Start();
        c->resumeIfInterrupted();
        for (int i = 0; i < homePoints; ++i) {
            c->changeScore(0);
        }
        c->changeScore(3);
        EXPECT_TRUE(c->waitForCopy());
        return HistoryLines(c->match().History);
    }
    QString Question(const QString& folder = {}) const {
        return ConsoleMessages::ResumeQuestion + QStringLiteral("\n\nHome - Guests\n") +
               QFileInfo(QDir(folder.isEmpty() ? a.f.folders.temporary : folder)
                             .filePath(QStringLiteral("match.txt")))
                   .lastModified()
                   .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    // A one-set match to two points, won by home.
    void WinOneSetMatch(ConsoleProbe& c) {
        c.match().TotalSets = 1;
        c.match().SetPoints = 2;
        a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
        a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
        c.changeScore(0);
        c.changeScore(0);
    }
    QStringList Copies() const {
        return QDir(a.f.folders.user + QStringLiteral("/Backups"))
            .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    }
    QByteArray Copy(const QString& name) const {
        QFile f(a.f.folders.user + QStringLiteral("/Backups/") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Environment a;
};

TEST_F(ResumptionScenario, AnInterruptedMatchIsOfferedBackAndYesResumesItLocked) {
    const QStringList history = Interrupted(3);
    auto c = Start();
    a.f.dialogs.Expect(Question(), Answer::Yes);
    c->resumeIfInterrupted();
    EXPECT_EQ(history, HistoryLines(c->match().History));
    EXPECT_EQ(QStringLiteral("3"), c->shownScore(0));
    EXPECT_TRUE(c->match().Locked) << "locked as after a first point";
    EXPECT_FALSE(c->exitEnabled());
}

// A temporary folder that cannot be written (here a path through a file, which even root cannot
// write) is told once at start; the copy goes to the user's folder, and the next start finds it.
TEST_F(ResumptionScenario, AnUnwritableTemporaryFolderIsToldOnceAndTheCopyGoesToTheUsersFolder) {
    const QString temporary = a.f.folders.temporary;
    Environment::CreateFile(a.root.filePath(QStringLiteral("file")));
    a.f.folders.temporary = a.root.filePath(QStringLiteral("file/tmp"));
    const QString warning = ConsoleMessages::TemporaryFolderRefused + QStringLiteral(" ") +
                            QDir::toNativeSeparators(a.f.folders.user) + QStringLiteral("\n\n") +
                            QDir::toNativeSeparators(a.f.folders.temporary) +
                            QStringLiteral(": cannot be made");
    a.f.dialogs.Expect(warning);
    const QStringList history = Interrupted(3);
    EXPECT_EQ(1, a.f.dialogs.Shown.count(warning)) << "told once";
    EXPECT_TRUE(QFile::exists(QDir(a.f.folders.user).filePath(QStringLiteral("match.txt"))));
    EXPECT_TRUE(QFile::exists(QDir(a.f.folders.user).filePath(QStringLiteral("brivanta.in_uso"))));

    // The temporary folder is back: the offer still finds the copy in the user's folder.
    a.f.folders.temporary = temporary;
    auto c = Start();
    a.f.dialogs.Expect(Question(a.f.folders.user), Answer::Yes);
    c->resumeIfInterrupted();
    EXPECT_EQ(history, HistoryLines(c->match().History));
    EXPECT_TRUE(c->waitForCopy());
    EXPECT_TRUE(QFile::exists(QDir(temporary).filePath(QStringLiteral("match.txt"))))
        << "the resumed match's copy is back in the temporary folder";
}

// Neither folder can be written: the start says so, naming both, and never names the
// temporary folder as the place the copy goes.
TEST_F(ResumptionScenario, NoWritableFolderIsToldWithBothFoldersAndTheirReasons) {
    Environment::CreateFile(a.root.filePath(QStringLiteral("file")));
    a.f.folders.temporary = a.root.filePath(QStringLiteral("file/tmp"));
    a.f.folders.user = a.root.filePath(QStringLiteral("file/utente"));
    const QString warning =
        ConsoleMessages::NoFolderForTheCopy + QStringLiteral("\n\n") +
        QDir::toNativeSeparators(a.f.folders.temporary) + QStringLiteral(": cannot be made\n\n") +
        QDir::toNativeSeparators(a.f.folders.user) + QStringLiteral(": cannot be made");
    a.f.dialogs.Expect(warning);
    auto c = Start();
    c->resumeIfInterrupted();
    EXPECT_EQ(1, a.f.dialogs.Shown.count(warning));
    for (const QString& shown : a.f.dialogs.Shown) {
        EXPECT_FALSE(shown.startsWith(ConsoleMessages::TemporaryFolderRefused))
            << shown.toStdString();
    }
}

TEST_F(ResumptionScenario, NoStartsFreshAndKeepsTheCopyAmongTheBackups) {
    Interrupted(2);
    const QByteArray copy =
        ReadTextFile(QDir(a.f.folders.temporary).filePath(QStringLiteral("match.txt")), 1 << 20)
            ->join(u'\n')
            .toUtf8();
    auto c = Start();
    a.f.dialogs.Expect(Question(), Answer::No);
    c->resumeIfInterrupted();
    EXPECT_TRUE(c->match().History.isEmpty());
    ASSERT_TRUE(c->backups().Wait(5000));
    ASSERT_EQ(1, Copies().size());
    EXPECT_TRUE(Copies()[0].endsWith(QStringLiteral(" Home - Guests.txt")));
    EXPECT_EQ(copy, DecodeLines(Copy(Copies()[0])).join(u'\n').toUtf8());
}

// A match resumed from one folder and finished with its copy in the other leaves the first
// copy behind: the newest copy decides, and a finished match offers nothing older.
TEST_F(ResumptionScenario, ACopyOlderThanAFinishedMatchElsewhereIsNeverOffered) {
    {
        auto c = Start();
        WinOneSetMatch(*c);
        EXPECT_TRUE(c->waitForCopy());
    }
    const QString finished = QDir(a.f.folders.user).filePath(QStringLiteral("match.txt"));
    QDir().mkpath(a.f.folders.user);
    ASSERT_TRUE(
        QFile::rename(QDir(a.f.folders.temporary).filePath(QStringLiteral("match.txt")), finished));
    Interrupted(2);
    QFile stale(QDir(a.f.folders.temporary).filePath(QStringLiteral("match.txt")));
    ASSERT_TRUE(stale.open(QIODevice::ReadWrite));
    ASSERT_TRUE(stale.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                  QFileDevice::FileModificationTime));
    stale.close();
    for (int start = 0; start < 2; ++start) {
        auto c = Start();
        c->resumeIfInterrupted(); // no question expected
        EXPECT_TRUE(c->match().History.isEmpty());
    }
}

// A declined copy is kept once among the backups; a run that dies before its first point
// does not offer it again.
TEST_F(ResumptionScenario, ADeclinedCopyIsKeptOnceAndNotOfferedAgain) {
    Interrupted(2);
    {
        auto c = Start();
        a.f.dialogs.Expect(Question(), Answer::No);
        c->resumeIfInterrupted();
        ASSERT_TRUE(c->backups().Wait(5000));
    }
    auto c = Start();
    c->resumeIfInterrupted(); // no question expected
    ASSERT_TRUE(c->backups().Wait(5000));
    EXPECT_EQ(1, Copies().size());
}

TEST_F(ResumptionScenario, NothingIsAskedAfterExitOrForAFinishedOrEmptyMatch) {
    {
        auto c = Start();
        c->resumeIfInterrupted();
        c->changeScore(0);
        a.f.dialogs.Expect(Exit);
        c->exitProgram();
    }
    Start()->resumeIfInterrupted();
    // A run that died before any point: nothing under way.
    QFile::remove(QDir(a.f.folders.temporary).filePath(QStringLiteral("match.txt")));
    Start()->resumeIfInterrupted();
    // A finished match.
    {
        auto c = Start();
        WinOneSetMatch(*c);
        EXPECT_TRUE(c->waitForCopy());
    }
    Start()->resumeIfInterrupted();
}

TEST_F(ResumptionScenario, EveryMatchThatEndsIsSavedOrThrownAwayGoesToTheBackups) {
    auto c = Start();
    // Thrown away by "Nuova Partita".
    c->changeScore(0);
    a.f.dialogs.Expect(ConsoleMessages::AbandonForNewMatch);
    c->newMatch();
    // Saved by hand.
    c->changeScore(3);
    a.f.dialogs.ExpectFile(a.root.filePath(QStringLiteral("salvata.txt")));
    c->saveMatch();
    // Thrown away by unlocking.
    a.f.dialogs.Expect(ConsoleMessages::EndMatchQuestion, Answer::Yes);
    c->toggleLock();
    // Ended.
    WinOneSetMatch(*c);
    ASSERT_TRUE(c->backups().Wait(5000));
    const QStringList copies = Copies();
    ASSERT_EQ(4, copies.size()) << copies.join(u'|').toStdString();
    EXPECT_TRUE(Copy(copies[0]).contains("(1) 1 -  0")) << "the new match's first point";
    EXPECT_TRUE(Copy(copies[3]).contains("#GAMEOV:0")) << "the finished match";

    c->openBackupsFolder();
    EXPECT_EQ(QStringList{a.f.folders.user + QStringLiteral("/Backups")}, a.f.shell.open);
}

// "Nuova Partita" warns only when scores would be lost: a finished match is already among the
// backups, one under way (even at match point) is not.
TEST_F(ResumptionScenario, NewMatchWarnsOnlyWhileTheMatchIsUnderWay) {
    struct Case {
        const char* name;
        bool finished;
    };
    for (const Case& k : {Case{"finished", true}, Case{"under way", false}}) {
        SCOPED_TRACE(k.name);
        a.f.dialogs.Shown.clear();
        auto c = Start();
        if (k.finished) {
            WinOneSetMatch(*c);
        } else {
            c->match().TotalSets = 1;
            c->match().SetPoints = 2;
            c->changeScore(0);
            a.f.dialogs.Expect(ConsoleMessages::AbandonForNewMatch, Answer::Cancel);
        }
        c->newMatch();
        EXPECT_EQ(!k.finished, a.f.dialogs.Shown.contains(ConsoleMessages::AbandonForNewMatch));
        EXPECT_EQ(k.finished, c->match().History.isEmpty());
        ASSERT_TRUE(c->backups().Wait(5000));
    }
    const QStringList copies = Copies();
    ASSERT_FALSE(copies.isEmpty());
    EXPECT_TRUE(Copy(copies.last()).contains("#GAMEOV:0")) << "the finished match is kept";
}

TEST(ArchiveTest, NamesSortByTimeAndOnlyTheNewestAreKept) {
    EXPECT_EQ(QStringLiteral("2026-12-10 20-31-05 Lupi_Neri - A_B.txt"),
              CopyName(QDateTime(QDate(2026, 12, 10), QTime(20, 31, 5)),
                       QStringLiteral(" Lupi/Neri "), QStringLiteral("A:B")));
    QTemporaryDir folder;
    for (int i = 0; i < Archive::Kept + 5; ++i) {
        Environment::CreateFile(folder.filePath(
            CopyName(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(i * 61), "A", "B")));
    }
    Environment::CreateFile(folder.filePath(QStringLiteral("appunti.txt")));
    PruneCopies(folder.path(), Archive::Kept);
    const QStringList left = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(Archive::Kept + 1, left.size()) << "another file of the user's stays";
    EXPECT_FALSE(left.contains(
        CopyName(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(4 * 61), "A", "B")));
    EXPECT_TRUE(left.contains(
        CopyName(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(5 * 61), "A", "B")));
}

} // namespace
