#include "shared/UserData.h"
#include "doubles/Environment.h"
#include "shared/FileText.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Content(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(UserDataTest, AnUpgradeBringsNewFilesAndRowsAndNeverTouchesTheUsers) {
    QTemporaryDir root;
    const QString sent = root.filePath(QStringLiteral("share"));
    const QString user = root.filePath(QStringLiteral("utente"));
    Environment::CreateFile(sent + "/Languages.csv",
                            "\r\nITA;ENG\r\nCasa;Home\r\nOspiti;Guests\r\n");
    Environment::CreateFile(sent + "/Teams/Home/team.csv", "1;Spedito;;;C\r\n");
    Environment::CreateFile(sent + "/Sponsors/bar.jpg", "jpg");
    ASSERT_TRUE(SeedUserData(sent, user));
    EXPECT_EQ("1;Spedito;;;C\r\n", Content(user + "/Teams/Home/team.csv"));
    EXPECT_EQ(Content(sent + "/Languages.csv"), Content(user + "/Languages.csv"));

    // The user edits a team, deletes a sponsor and translates a row their own way.
    Environment::CreateFile(user + "/Teams/Home/team.csv", "9;Mio;;;C\r\n");
    QFile::remove(user + "/Sponsors/bar.jpg");
    Environment::CreateFile(user + "/Languages.csv",
                            "\r\nITA;ENG\r\nCasa;Hosts\r\nOspiti;Guests\r\n");
    // The next version ships a new team and a new row.
    Environment::CreateFile(sent + "/Teams/Nuova/team.csv", "5;Nuovo;;;C\r\n");
    Environment::CreateFile(sent + "/Languages.csv",
                            "\r\nITA;ENG\r\nCasa;Home\r\nOspiti;Guests\r\nSet;Set\r\n");
    ASSERT_TRUE(SeedUserData(sent, user));
    EXPECT_EQ("9;Mio;;;C\r\n", Content(user + "/Teams/Home/team.csv"));
    EXPECT_FALSE(QFileInfo::exists(user + "/Sponsors/bar.jpg")) << "a deleted sample stays deleted";
    EXPECT_EQ("5;Nuovo;;;C\r\n", Content(user + "/Teams/Nuova/team.csv"));
    EXPECT_EQ("\r\nITA;ENG\r\nCasa;Hosts\r\nOspiti;Guests\r\nSet;Set\r\n",
              Content(user + "/Languages.csv"));
}

TEST(UserDataTest, AnInstalledOrReadOnlyProgramUsesTheUsersFolder) {
    QTemporaryDir root;
    FakeFolders folders;
    folders.user = root.filePath(QStringLiteral("utente"));
    // A build folder: the data beside the program.
    folders.program = root.filePath(QStringLiteral("build"));
    Environment::CreateFile(folders.program + "/Languages.csv", "\r\nITA;ENG\r\n");
    EXPECT_EQ(folders.program, ProgramFolder(folders));
    folders.writableProgram = false;
    EXPECT_EQ(folders.user, ProgramFolder(folders));
    EXPECT_TRUE(QFileInfo::exists(folders.user + "/Languages.csv"));
    // Installed: bin/ beside share/brivanta, even when root may write in bin/.
    folders.program = root.filePath(QStringLiteral("usr/bin"));
    folders.writableProgram = true;
    QDir().mkpath(folders.program);
    Environment::CreateFile(
        root.filePath(QStringLiteral("usr/share/brivanta/Teams/Lupi/team.csv")));
    Environment::CreateFile(root.filePath(QStringLiteral("usr/share/brivanta/Languages.csv")),
                            "\r\nITA\r\n");
    EXPECT_EQ(folders.user, ProgramFolder(folders));
    EXPECT_TRUE(QFileInfo::exists(folders.user + "/Teams/Lupi/team.csv"));
}

TEST(UserDataTest, TeamsInTheDocumentsFolderWinOverTheProgramFolder) {
    QTemporaryDir root;
    FakeFolders folders;
    const QString program = root.filePath(QStringLiteral("build"));
    EXPECT_EQ(program, DecideDataFolder(folders, program)) << "no documents folder";
    folders.documents = root.filePath(QStringLiteral("Documents"));
    QDir().mkpath(folders.documents + "/Brivanta/Teams/Home");
    EXPECT_EQ(program, DecideDataFolder(folders, program)) << "an empty Teams/Home";
    Environment::CreateFile(folders.documents + "/Brivanta/Teams/Home/team.csv");
    EXPECT_EQ(folders.documents + "/Brivanta", DecideDataFolder(folders, program));
}

} // namespace
