#include "shared/TestoFile.h"

#include "doppi/FullDisk.h"
#include "doppi/Stampa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TestoFileTest, ReadsEveryLineEndingAndEncoding) {
    struct Caso {
        QByteArray dati;
        QStringList righe;
    };
    const QStringList nomi{"Perù", "Bar €"};
    for (const Caso& c : {Caso{"Per\xF9\r\nBar \x80\r\n", nomi}, Caso{"Per\xF9\nBar \x80", nomi},
                          Caso{"Per\xF9\rBar \x80\r", nomi},
                          Caso{"\xEF\xBB\xBFPer\xC3\xB9\r\nBar \xE2\x82\xAC\r\n", nomi},
                          Caso{"Per\xC3\xB9\nBar \xE2\x82\xAC\n", nomi}, Caso{"", {}},
                          Caso{"a\r\n\r\nb\r\n", {"a", "", "b"}}}) {
        EXPECT_EQ(c.righe, DecodificaRighe(c.dati)) << c.dati.toHex().toStdString();
    }
}

TEST(TestoFileTest, WritesWindows1252WhenItFitsElseUtf8WithBom) {
    EXPECT_EQ(QByteArray("Per\xF9\r\n\x80\r\n"), CodificaRighe({"Perù", "€"}));
    const QByteArray utf8 = CodificaRighe({"Klobučar", "Petrović"});
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ((QStringList{"Klobučar", "Petrović"}), DecodificaRighe(utf8));
}

TEST(TestoFileTest, ReportsWhatCouldNotBeWrittenOrRead) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("partita.txt"));
    ASSERT_TRUE(ScriviFileTesto(percorso, {"vecchia"}));
    ASSERT_TRUE(ScriviFileTesto(percorso, {"nuova"}));
    EXPECT_EQ(QStringList{"nuova"}, LeggiFileTesto(percorso, 1000).value());
    EXPECT_FALSE(ScriviFileTesto(cartella.filePath(QStringLiteral("manca/partita.txt")), {"x"}));
    EXPECT_FALSE(ScriviFileTesto(cartella.path(), {"x"})) << "a folder is not a file";
    EXPECT_FALSE(LeggiFileTesto(cartella.filePath(QStringLiteral("assente.txt")), 1000));
    EXPECT_FALSE(LeggiFileTesto(percorso, 3)) << "larger than the limit";
}

// On a filesystem that really fills up: no room at all, and room for part of the new text.
TEST(TestoFileTest, AFullDiskLeavesTheOldFileWholeAndSaysWhy) {
    for (const qint64 spazio : {qint64(0), qint64(4096)}) {
        FullDisk disco;
        const QString percorso = QDir(disco.path()).filePath(QStringLiteral("match.txt"));
        const QByteArray vecchio(3000, 'v');
        ASSERT_TRUE(ScriviFileIntero(percorso, vecchio));
        disco.fill(spazio);
        QString motivo;
        EXPECT_FALSE(ScriviFileIntero(percorso, QByteArray(20000, 'n'), &motivo)) << spazio;
        EXPECT_EQ(disco.reason(), motivo);
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(vecchio, file.readAll()) << "room for " << spazio << " bytes";
        EXPECT_EQ(QStringList{QStringLiteral("match.txt")}, QDir(disco.path()).entryList(QDir::Files));
        disco.makeRoom();
        EXPECT_TRUE(ScriviFileIntero(percorso, QByteArray(20000, 'n'), &motivo));
    }
}

TEST(TestoFileTest, LongFilesAreReadWholeUpToTheLimit) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("lungo.txt"));
    const QStringList righe(20000, QStringLiteral("(1) 1 -  0 - 15:00 - H_N_0"));
    ASSERT_TRUE(ScriviFileTesto(percorso, righe));
    const qint64 dimensione = QFileInfo(percorso).size();
    EXPECT_EQ(righe, LeggiFileTesto(percorso, dimensione).value());
    EXPECT_FALSE(LeggiFileTesto(percorso, dimensione - 1));
}
