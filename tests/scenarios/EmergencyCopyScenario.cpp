#include "console/Messages.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/FullDisk.h"
#include "doubles/Printing.h"
#include "match/EmergencyCopy.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The message, with the folder and the system's reason after it.
QString NotWritten(const QString& folder,
                   const QString& reason = QStringLiteral("guasto simulato")) {
    return ConsoleMessages::CopyNotWritten + QStringLiteral("\n\n") +
           QDir::toNativeSeparators(folder) + QStringLiteral(": ") + reason;
}

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EmergencyCopyScenario : public ::testing::Test {
  protected:
    EmergencyCopyScenario() { console.load(); }
    Environment a;
    ConsoleProbe console{a.f.platform};
};

TEST_F(EmergencyCopyScenario, ASlowDiskGetsOnlyTheNewestTextAndTheClickDoesNotWait) {
    a.f.disk.delayMs = 100;
    for (int i = 0; i < 20; ++i) {
        console.changeScore(0);
    }
    EXPECT_LT(console.emergencyCopy().WrittenCount(), 20)
        << "twenty clicks did not wait for a 100 ms disk";
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_LE(a.f.disk.attempts.load(), 3) << "texts overtaken while waiting are never written";
    EXPECT_TRUE(Content(console.emergencyPath()).contains("(1)20 -  0"));
}

TEST_F(EmergencyCopyScenario, AFullDiskIsToldOnceTheMatchGoesOnAndTheCopyResumes) {
    const QString NotWritten = ::NotWritten(a.f.folders.temporary);
    a.f.disk.broken = true;
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialogs.Notices.contains(NotWritten); }, 5000));
    console.changeScore(0);
    console.changeScore(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(1, a.f.dialogs.Notices.count(NotWritten)) << "told once, not at every point";
    EXPECT_TRUE(a.f.dialogs.Shown.isEmpty()) << "a notice beside the console, never a question";
    EXPECT_EQ(QStringLiteral("2"), console.shownScore(0)) << "the console keeps scoring";

    a.f.disk.broken = false;
    console.changeScore(3);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_TRUE(Content(console.emergencyPath()).contains("(1) 2 -  2"))
        << "the first change after the disk came back carries the whole match";

    // A new run of failures is told again.
    QCoreApplication::processEvents();
    a.f.disk.broken = true;
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialogs.Notices.count(NotWritten) == 2; }, 5000));
    a.f.disk.broken = false;
}

// Real filesystems that fill up, not a double.
class CopyOnFullDisk : public ::testing::Test {
  protected:
    CopyOnFullDisk() {
        console.load();
        for (int i = 0; i < 3; ++i) {
            console.changeScore(0);
        }
        EXPECT_TRUE(console.waitForCopy());
        whole = Content(console.emergencyPath());
    }
    QString InTemporary() const { return QDir(temporary.path()).filePath("match.txt"); }
    QString InUser() const { return QDir(user.path()).filePath("match.txt"); }
    FullDisk temporary;
    FullDisk user;
    Environment a;
    // The console finds its folders when it is made.
    const bool placed = [this] {
        a.f.folders.temporary = temporary.path();
        a.f.folders.user = user.path();
        return true;
    }();
    ConsoleProbe console{a.f.platform};
    QByteArray whole;
};

// The temporary folder fills mid-match: the next copy goes to the user's folder (told once),
// so a crash loses nothing, and it comes back once the temporary folder has room.
TEST_F(CopyOnFullDisk, AFullTemporaryFolderSendsTheCopyToTheUsersFolderAndBack) {
    if (!temporary.onlyThisFolder()) {
        GTEST_SKIP() << "needs a filesystem of its own for each folder";
    }
    ASSERT_TRUE(whole.contains("(1) 3 -  0"));
    temporary.fill();
    console.changeScore(0);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_EQ(InUser(), console.emergencyPath());
    EXPECT_TRUE(Content(InUser()).contains("(1) 4 -  0")) << "the point is on disk";
    EXPECT_EQ(whole, Content(InTemporary())) << "the old copy stays whole";
    console.changeScore(0);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_TRUE(Content(InUser()).contains("(1) 5 -  0"));
    const QString moved = ConsoleMessages::CopyMoved + QStringLiteral(" ") +
                          QDir::toNativeSeparators(user.path()) + QStringLiteral("\n\n") +
                          QDir::toNativeSeparators(temporary.path()) + QStringLiteral(": ") +
                          temporary.reason();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !a.f.dialogs.Notices.isEmpty(); }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(QStringList{moved}, a.f.dialogs.Notices) << "told once";

    temporary.makeRoom();
    console.changeScore(0);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_EQ(InTemporary(), console.emergencyPath());
    EXPECT_TRUE(Content(InTemporary()).contains("(1) 6 -  0"));
    EXPECT_FALSE(QFile::exists(InUser())) << "no older copy left to be taken for the newest";
}

// Both folders full: the copy on disk stays the last whole one and the failure is told once.
TEST_F(CopyOnFullDisk, BothFoldersFullKeepTheLastWholeCopyAndSayWhereAndWhy) {
    ASSERT_TRUE(whole.contains("(1) 3 -  0"));
    temporary.fill();
    user.fill();
    const QString message = NotWritten(temporary.path(), temporary.reason());
    console.changeScore(0);
    console.changeScore(0);
    EXPECT_FALSE(console.waitForCopy(5000)) << "answers at once: the disk has said no";
    EXPECT_EQ(whole, Content(InTemporary())) << "never emptied, never half-written";
    EXPECT_EQ(QStringList{QStringLiteral("match.txt")},
              QDir(temporary.path()).entryList(QDir::Files))
        << "no temporary file left behind";

    temporary.makeRoom();
    user.makeRoom();
    console.changeScore(0);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_TRUE(Content(console.emergencyPath()).contains("(1) 6 -  0"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.f.dialogs.Notices.contains(message); }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(QStringList{message}, a.f.dialogs.Notices);
}

TEST_F(EmergencyCopyScenario, ExitLeavesOnlyOnceTheCopyHoldsTheLastPoint) {
    a.f.disk.delayMs = 100;
    console.changeScore(0);
    console.changeScore(0);
    a.f.dialogs.Expect(ConsoleMessages::ExitQuestion);
    console.exitProgram();
    EXPECT_EQ(1, a.f.process.ended);
    EXPECT_TRUE(Content(console.emergencyPath()).contains("(1) 2 -  0"));
}

} // namespace
