#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

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
