#include "match/EmergencyCopyPlace.h"

#include "doubles/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The temporary folder is tried with real bytes: writable, full, and through a file (which
// even root cannot write). Only a writable one keeps the copy.
TEST(EmergencyCopyPlaceTest, TheTemporaryFolderOnlyWhenItReallyTakesBytes) {
    QTemporaryDir root;
    const QString user = root.filePath(QStringLiteral("utente"));
    {
        const QString temporary = root.filePath(QStringLiteral("temp"));
        const EmergencyCopyPlace place(temporary, user);
        EXPECT_EQ(temporary, place.folder());
        EXPECT_EQ(QString(), place.temporaryRefusal());
        EXPECT_EQ(QDir(temporary).filePath(QStringLiteral("match.txt")), place.copyPath());
        EXPECT_EQ(QDir(temporary).filePath(QStringLiteral("brivanta.in_uso")), place.markerPath());
        EXPECT_EQ((QStringList{temporary, user}), place.foldersToSearch());
        EXPECT_EQ(QStringList(), QDir(temporary).entryList(QDir::Files | QDir::Hidden))
            << "no probe left";
    }
    if (FullDisk disk; disk.onlyThisFolder()) {
        disk.fill();
        const EmergencyCopyPlace place(disk.path(), user);
        EXPECT_EQ(user, place.folder()) << "a full folder still lets an empty file be made";
        EXPECT_EQ(disk.reason(), place.temporaryRefusal());
        EXPECT_EQ((QStringList{user, disk.path()}), place.foldersToSearch());
    }
    {
        QFile file(root.filePath(QStringLiteral("file")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        const EmergencyCopyPlace place(root.filePath(QStringLiteral("file/tmp")), user);
        EXPECT_EQ(user, place.folder());
        EXPECT_FALSE(place.temporaryRefusal().isEmpty());
        EXPECT_EQ(QString(), place.userRefusal());
        const EmergencyCopyPlace nowhere(root.filePath(QStringLiteral("file/tmp")),
                                         root.filePath(QStringLiteral("file/utente")));
        EXPECT_EQ(QStringLiteral("cannot be made"), nowhere.userRefusal())
            << "neither folder takes the copy, and the place says so";
    }
}

} // namespace
