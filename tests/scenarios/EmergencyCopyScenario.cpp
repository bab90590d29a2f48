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
    a.f.dialogs.Expect(NotWritten);
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialogs.Shown.contains(NotWritten); }, 5000));
    console.changeScore(0);
    console.changeScore(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(1, a.f.dialogs.Shown.count(NotWritten)) << "told once, not at every point";
    EXPECT_EQ(QStringLiteral("2"), console.shownScore(0)) << "the console keeps scoring";

    a.f.disk.broken = false;
    console.changeScore(3);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_TRUE(Content(console.emergencyPath()).contains("(1) 2 -  2"))
        << "the first change after the disk came back carries the whole match";

    // A new run of failures is told again.
    QCoreApplication::processEvents();
    a.f.disk.broken = true;
    a.f.dialogs.Expect(NotWritten);
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialogs.Shown.count(NotWritten) == 2; }, 5000));
    a.f.disk.broken = false;
}

// A real filesystem that fills up, not a double: the copy on disk stays the last whole one.
TEST(EmergencyCopyOnFullDisk, AFullFolderKeepsTheLastWholeCopyAndSaysWhereAndWhy) {
    FullDisk disk;
    Environment a;
    a.f.folders.temporary = disk.path();
    ConsoleProbe console{a.f.platform};
    console.load();
    for (int i = 0; i < 3; ++i) {
        console.changeScore(0);
    }
    ASSERT_TRUE(console.waitForCopy());
    const QByteArray whole = Content(console.emergencyPath());
    ASSERT_TRUE(whole.contains("(1) 3 -  0"));

    disk.fill();
    const QString message = NotWritten(disk.path(), disk.reason());
    a.f.dialogs.Expect(message);
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialogs.Shown.contains(message); }, 5000));
    console.changeScore(0);
    EXPECT_FALSE(console.waitForCopy(300));
    EXPECT_EQ(whole, Content(console.emergencyPath())) << "never emptied, never half-written";
    EXPECT_EQ(QStringList{QStringLiteral("match.txt")}, QDir(disk.path()).entryList(QDir::Files))
        << "no temporary file left behind";

    disk.makeRoom();
    console.changeScore(0);
    ASSERT_TRUE(console.waitForCopy());
    EXPECT_TRUE(Content(console.emergencyPath()).contains("(1) 6 -  0"));
    EXPECT_EQ(1, a.f.dialogs.Shown.count(message));
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
