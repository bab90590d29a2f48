#include "platform/qt/SingleInstance.h"

#include "doubles/FullDisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(SingleInstanceTest, SecondInstanceCallsTheFirstAndStepsAside) {
    QTemporaryDir folder;
    const QString name =
        QStringLiteral("brivanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance before({folder.path()}, name);
    ASSERT_TRUE(before.Before());
    QSignalSpy recalled(&before, &SingleInstance::Recalled);
    SingleInstance second({folder.path()}, name);
    EXPECT_FALSE(second.Before());
    EXPECT_TRUE(recalled.count() > 0 || recalled.wait(5000));
}

// A temporary folder that cannot hold the lock (here: a path through a file, which even root
// cannot write) is no reason to refuse starting: the lock goes to the next folder.
TEST(SingleInstanceTest, AnUnwritableTemporaryFolderIsNotAnotherInstance) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString name =
        QStringLiteral("brivanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
    const QString temporary = folder.filePath(QStringLiteral("file/tmp"));
    const QString user = folder.filePath(QStringLiteral("utente"));
    SingleInstance before({temporary, user}, name);
    ASSERT_TRUE(before.Before()) << "started";
    EXPECT_TRUE(QFile::exists(QDir(user).filePath(name + QStringLiteral(".lock"))));
    SingleInstance second({temporary, user}, name);
    EXPECT_FALSE(second.Before()) << "a real second instance still steps aside";
    SingleInstance none({temporary}, name + QStringLiteral("-solo"));
    EXPECT_TRUE(none.Before()) << "no folder for the lock at all: it runs";
}

namespace {

enum class State { Writable, Full, ReadOnly };

const char* Name(State s) {
    return s == State::Writable ? "writable" : s == State::Full ? "full" : "read-only";
}

// The lock a run killed mid-match leaves behind: its process is gone.
void LeaveCrashedLock(const QString& folder, const QString& name) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    QFile lock(QDir(folder).filePath(name + QStringLiteral(".lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QStringLiteral("%1\n%2\n%3\n")
                   .arg(child)
                   .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName())
                   .toUtf8());
}

void Become(FullDisk& disk, State state) {
    if (state == State::Full) {
        disk.fill();
    } else if (state == State::ReadOnly) {
        ASSERT_EQ(0, mount(nullptr, QFile::encodeName(disk.path()).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr));
    }
}

} // namespace

// Every temporary folder a crash can leave (writable, full, read-only, each holding the dead
// run's lock) with every user folder (writable, full): the next start runs, and a start after
// it, even one that finds room where the first did not, steps aside for it.
TEST(SingleInstanceTest, ExactlyOneRunsAfterACrashWhateverTheFolders) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "full and read-only folders need their own mounts (root)";
    }
    for (const State temporaryState : {State::Writable, State::Full, State::ReadOnly}) {
        for (const State userState : {State::Writable, State::Full}) {
            const std::string label =
                std::string("temporary ") + Name(temporaryState) + ", user " + Name(userState);
            const QString name =
                QStringLiteral("brivanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
            FullDisk temporary;
            FullDisk user;
            LeaveCrashedLock(temporary.path(), name);
            Become(temporary, temporaryState);
            Become(user, userState);

            SingleInstance first({temporary.path(), user.path()}, name);
            ASSERT_TRUE(first.Before()) << label << ": the crashed run's lock held the start";
            QSignalSpy recalled(&first, &SingleInstance::Recalled);
            temporary.makeRoom();
            SingleInstance second({temporary.path(), user.path()}, name);
            EXPECT_FALSE(second.Before()) << label << ": two instances";
            EXPECT_TRUE(recalled.count() > 0 || recalled.wait(5000)) << label;
        }
    }
}
