#include "shared/FileText.h"

#include "doubles/FullDisk.h"
#include "doubles/Printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextFileTest, ReadsEveryLineEndingAndEncoding) {
    struct Case {
        QByteArray data;
        QStringList lines;
    };
    const QStringList names{"Perù", "Bar €"};
    for (const Case& c : {Case{"Per\xF9\r\nBar \x80\r\n", names}, Case{"Per\xF9\nBar \x80", names},
                          Case{"Per\xF9\rBar \x80\r", names},
                          Case{"\xEF\xBB\xBFPer\xC3\xB9\r\nBar \xE2\x82\xAC\r\n", names},
                          Case{"Per\xC3\xB9\nBar \xE2\x82\xAC\n", names}, Case{"", {}},
                          Case{"a\r\n\r\nb\r\n", {"a", "", "b"}}}) {
        EXPECT_EQ(c.lines, DecodeLines(c.data)) << c.data.toHex().toStdString();
    }
}

TEST(TextFileTest, WritesWindows1252WhenItFitsElseUtf8WithBom) {
    EXPECT_EQ(QByteArray("Per\xF9\r\n\x80\r\n"), EncodeLines({"Perù", "€"}));
    const QByteArray utf8 = EncodeLines({"Klobučar", "Petrović"});
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ((QStringList{"Klobučar", "Petrović"}), DecodeLines(utf8));
}

TEST(TextFileTest, ReportsWhatCouldNotBeWrittenOrRead) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("partita.txt"));
    ASSERT_TRUE(WriteTextFile(path, {"vecchia"}));
    ASSERT_TRUE(WriteTextFile(path, {"nuova"}));
    EXPECT_EQ(QStringList{"nuova"}, ReadTextFile(path, 1000).value());
    EXPECT_FALSE(WriteTextFile(folder.filePath(QStringLiteral("manca/partita.txt")), {"x"}));
    EXPECT_FALSE(WriteTextFile(folder.path(), {"x"})) << "a folder is not a file";
    EXPECT_FALSE(ReadTextFile(folder.filePath(QStringLiteral("assente.txt")), 1000));
    EXPECT_FALSE(ReadTextFile(path, 3)) << "larger than the limit";
}

// On a filesystem that really fills up: no room at all, and room for part of the new text.
TEST(TextFileTest, AFullDiskLeavesTheOldFileWholeAndSaysWhy) {
    for (const qint64 space : {qint64(0), qint64(4096)}) {
        FullDisk disk;
        const QString path = QDir(disk.path()).filePath(QStringLiteral("match.txt"));
        const QByteArray old(3000, 'v');
        ASSERT_TRUE(WriteWholeFile(path, old));
        disk.fill(space);
        QString reason;
        EXPECT_FALSE(WriteWholeFile(path, QByteArray(20000, 'n'), &reason)) << space;
        EXPECT_EQ(disk.reason(), reason);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(old, file.readAll()) << "room for " << space << " bytes";
        EXPECT_EQ(QStringList{QStringLiteral("match.txt")},
                  QDir(disk.path()).entryList(QDir::Files));
        disk.makeRoom();
        EXPECT_TRUE(WriteWholeFile(path, QByteArray(20000, 'n'), &reason));
    }
}

TEST(TextFileTest, LongFilesAreReadWholeUpToTheLimit) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lungo.txt"));
    const QStringList lines(20000, QStringLiteral("(1) 1 -  0 - 15:00 - H_N_0"));
    ASSERT_TRUE(WriteTextFile(path, lines));
    const qint64 size = QFileInfo(path).size();
    EXPECT_EQ(lines, ReadTextFile(path, size).value());
    EXPECT_FALSE(ReadTextFile(path, size - 1));
}
