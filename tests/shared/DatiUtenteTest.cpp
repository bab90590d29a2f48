#include "doppi/Ambiente.h"
#include "shared/DatiUtente.h"
#include "shared/TestoFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(DatiUtenteTest, AnUpgradeBringsNewFilesAndRowsAndNeverTouchesTheUsers) {
    QTemporaryDir radice;
    const QString spediti = radice.filePath(QStringLiteral("share"));
    const QString utente = radice.filePath(QStringLiteral("utente"));
    Ambiente::CreaFile(spediti + "/Languages.csv", "\r\nITA;ENG\r\nCasa;Home\r\nOspiti;Guests\r\n");
    Ambiente::CreaFile(spediti + "/Teams/Home/team.csv", "1;Spedito;;;C\r\n");
    Ambiente::CreaFile(spediti + "/Sponsors/bar.jpg", "jpg");
    ASSERT_TRUE(SeminaDatiUtente(spediti, utente));
    EXPECT_EQ("1;Spedito;;;C\r\n", Contenuto(utente + "/Teams/Home/team.csv"));
    EXPECT_EQ(Contenuto(spediti + "/Languages.csv"), Contenuto(utente + "/Languages.csv"));

    // The user edits a team, deletes a sponsor and translates a row their own way.
    Ambiente::CreaFile(utente + "/Teams/Home/team.csv", "9;Mio;;;C\r\n");
    QFile::remove(utente + "/Sponsors/bar.jpg");
    Ambiente::CreaFile(utente + "/Languages.csv", "\r\nITA;ENG\r\nCasa;Hosts\r\nOspiti;Guests\r\n");
    // The next version ships a new team and a new row.
    Ambiente::CreaFile(spediti + "/Teams/Nuova/team.csv", "5;Nuovo;;;C\r\n");
    Ambiente::CreaFile(spediti + "/Languages.csv",
                       "\r\nITA;ENG\r\nCasa;Home\r\nOspiti;Guests\r\nSet;Set\r\n");
    ASSERT_TRUE(SeminaDatiUtente(spediti, utente));
    EXPECT_EQ("9;Mio;;;C\r\n", Contenuto(utente + "/Teams/Home/team.csv"));
    EXPECT_FALSE(QFileInfo::exists(utente + "/Sponsors/bar.jpg")) << "a deleted sample stays deleted";
    EXPECT_EQ("5;Nuovo;;;C\r\n", Contenuto(utente + "/Teams/Nuova/team.csv"));
    EXPECT_EQ("\r\nITA;ENG\r\nCasa;Hosts\r\nOspiti;Guests\r\nSet;Set\r\n",
              Contenuto(utente + "/Languages.csv"));
}

TEST(DatiUtenteTest, AnInstalledOrReadOnlyProgramUsesTheUsersFolder) {
    QTemporaryDir radice;
    CartelleFinte cartelle;
    cartelle.utente = radice.filePath(QStringLiteral("utente"));
    // A build folder: the data beside the program.
    cartelle.programma = radice.filePath(QStringLiteral("build"));
    Ambiente::CreaFile(cartelle.programma + "/Languages.csv", "\r\nITA;ENG\r\n");
    EXPECT_EQ(cartelle.programma, CartellaProgramma(cartelle));
    cartelle.programmaScrivibile = false;
    EXPECT_EQ(cartelle.utente, CartellaProgramma(cartelle));
    EXPECT_TRUE(QFileInfo::exists(cartelle.utente + "/Languages.csv"));
    // Installed: bin/ beside share/brivanta, even when root may write in bin/.
    cartelle.programma = radice.filePath(QStringLiteral("usr/bin"));
    cartelle.programmaScrivibile = true;
    QDir().mkpath(cartelle.programma);
    Ambiente::CreaFile(radice.filePath(QStringLiteral("usr/share/brivanta/Teams/Lupi/team.csv")));
    Ambiente::CreaFile(radice.filePath(QStringLiteral("usr/share/brivanta/Languages.csv")), "\r\nITA\r\n");
    EXPECT_EQ(cartelle.utente, CartellaProgramma(cartelle));
    EXPECT_TRUE(QFileInfo::exists(cartelle.utente + "/Teams/Lupi/team.csv"));
}

} // namespace
