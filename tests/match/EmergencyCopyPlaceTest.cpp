#include "match/EmergencyCopyPlace.h"

#include "doppi/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The temporary folder is tried with real bytes: writable, full, and through a file (which
// even root cannot write). Only a writable one keeps the copy.
TEST(EmergencyCopyPlaceTest, TheTemporaryFolderOnlyWhenItReallyTakesBytes) {
    QTemporaryDir radice;
    const QString utente = radice.filePath(QStringLiteral("utente"));
    {
        const QString temporanea = radice.filePath(QStringLiteral("temp"));
        const EmergencyCopyPlace luogo(temporanea, utente);
        EXPECT_EQ(temporanea, luogo.folder());
        EXPECT_EQ(QString(), luogo.temporaryRefusal());
        EXPECT_EQ(QDir(temporanea).filePath(QStringLiteral("match.txt")), luogo.copyPath());
        EXPECT_EQ(QDir(temporanea).filePath(QStringLiteral("brivanta.in_uso")), luogo.markerPath());
        EXPECT_EQ((QStringList{temporanea, utente}), luogo.foldersToSearch());
        EXPECT_EQ(QStringList(), QDir(temporanea).entryList(QDir::Files | QDir::Hidden)) << "no probe left";
    }
    if (FullDisk disco; disco.onlyThisFolder()) {
        disco.fill();
        const EmergencyCopyPlace luogo(disco.path(), utente);
        EXPECT_EQ(utente, luogo.folder()) << "a full folder still lets an empty file be made";
        EXPECT_EQ(disco.reason(), luogo.temporaryRefusal());
        EXPECT_EQ((QStringList{utente, disco.path()}), luogo.foldersToSearch());
    }
    {
        QFile file(radice.filePath(QStringLiteral("file")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        const EmergencyCopyPlace luogo(radice.filePath(QStringLiteral("file/tmp")), utente);
        EXPECT_EQ(utente, luogo.folder());
        EXPECT_FALSE(luogo.temporaryRefusal().isEmpty());
    }
}

} // namespace
