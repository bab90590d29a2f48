// Match-day safety: an interrupted match offered back at start, and the backups folder.
#include "console/ui/ConsoleWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"
#include "match/Archivio.h"
#include "shared/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString Uscita = QStringLiteral(
    "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più possibile "
    "riprendere da dove eri arrivato? <Annulla> se vuoi rimanere.");

class RipresaScenario : public ::testing::Test {
protected:
    std::unique_ptr<ConsoleWindow> Avvia() {
        auto c = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        c->Form_Load();
        return c;
    }
    // A run that scored and then died without "Esci".
    QStringList Interrotta(int puntiCasa) {
        auto c = Avvia();
        c->RiprendiSeInterrotta();
        for (int i = 0; i < puntiCasa; ++i) {
            c->changeScore(0);
        }
        c->changeScore(3);
        EXPECT_TRUE(c->AttendiCopia());
        return c->Match().Storico;
    }
    QString Domanda(const QString& cartella = {}) const {
        return QStringLiteral("Brivanta non è stato chiuso con <Esci> e una partita era in corso. "
                              "Vuoi riprenderla?\n\nHome - Guests\n") +
               QFileInfo(QDir(cartella.isEmpty() ? a.f.cartelle.temporanea : cartella)
                             .filePath(QStringLiteral("match.txt")))
                   .lastModified()
                   .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    // A one-set match to two points, won by home.
    void Vinci(ConsoleWindow& c) {
        c.Match().SetTotali = 1;
        c.Match().PuntiSet = 2;
        a.f.dialoghi.Attendi(QStringLiteral("Partita vinta da: Locali"));
        a.f.dialoghi.Attendi(QStringLiteral("Vuoi creare il report della partita?"), Risposta::No);
        c.changeScore(0);
        c.changeScore(0);
    }
    QStringList Copie() const {
        return QDir(a.f.cartelle.utente + QStringLiteral("/Backups"))
            .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    }
    QByteArray Copia(const QString& nome) const {
        QFile f(a.f.cartelle.utente + QStringLiteral("/Backups/") + nome);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Ambiente a;
};

TEST_F(RipresaScenario, AnInterruptedMatchIsOfferedBackAndYesResumesItLocked) {
    const QStringList storico = Interrotta(3);
    auto c = Avvia();
    a.f.dialoghi.Attendi(Domanda(), Risposta::Si);
    c->RiprendiSeInterrotta();
    EXPECT_EQ(storico, c->Match().Storico);
    EXPECT_EQ(QStringLiteral("3"), c->LabScore[0]->text());
    EXPECT_TRUE(c->Match().Bloccata) << "locked as after a first point";
    EXPECT_FALSE(c->exitButton->isEnabled());
}

// A temporary folder that cannot be written (here a path through a file, which even root cannot
// write) is told once at start; the copy goes to the user's folder, and the next start finds it.
TEST_F(RipresaScenario, AnUnwritableTemporaryFolderIsToldOnceAndTheCopyGoesToTheUsersFolder) {
    const QString temporanea = a.f.cartelle.temporanea;
    Ambiente::CreaFile(a.radice.filePath(QStringLiteral("file")));
    a.f.cartelle.temporanea = a.radice.filePath(QStringLiteral("file/tmp"));
    const QString avviso =
        QStringLiteral("La cartella temporanea non può essere scritta: la copia di emergenza della partita "
                       "va nella cartella: ") +
        QDir::toNativeSeparators(a.f.cartelle.utente) + QStringLiteral("\n\n") +
        QDir::toNativeSeparators(a.f.cartelle.temporanea) + QStringLiteral(": cannot be made");
    a.f.dialoghi.Attendi(avviso);
    const QStringList storico = Interrotta(3);
    EXPECT_EQ(1, a.f.dialoghi.Mostrati.count(avviso)) << "told once";
    EXPECT_TRUE(QFile::exists(QDir(a.f.cartelle.utente).filePath(QStringLiteral("match.txt"))));
    EXPECT_TRUE(QFile::exists(QDir(a.f.cartelle.utente).filePath(QStringLiteral("brivanta.in_uso"))));

    // The temporary folder is back: the offer still finds the copy in the user's folder.
    a.f.cartelle.temporanea = temporanea;
    auto c = Avvia();
    a.f.dialoghi.Attendi(Domanda(a.f.cartelle.utente), Risposta::Si);
    c->RiprendiSeInterrotta();
    EXPECT_EQ(storico, c->Match().Storico);
    EXPECT_TRUE(c->AttendiCopia());
    EXPECT_TRUE(QFile::exists(QDir(temporanea).filePath(QStringLiteral("match.txt"))))
        << "the resumed match's copy is back in the temporary folder";
}

TEST_F(RipresaScenario, NoStartsFreshAndKeepsTheCopyAmongTheBackups) {
    Interrotta(2);
    const QByteArray copia =
        LeggiFileTesto(QDir(a.f.cartelle.temporanea).filePath(QStringLiteral("match.txt")), 1 << 20)
            ->join(u'\n').toUtf8();
    auto c = Avvia();
    a.f.dialoghi.Attendi(Domanda(), Risposta::No);
    c->RiprendiSeInterrotta();
    EXPECT_TRUE(c->Match().Storico.isEmpty());
    ASSERT_TRUE(c->CopieDiSicurezza().Attendi(5000));
    ASSERT_EQ(1, Copie().size());
    EXPECT_TRUE(Copie()[0].endsWith(QStringLiteral(" Home - Guests.txt")));
    EXPECT_EQ(copia, DecodificaRighe(Copia(Copie()[0])).join(u'\n').toUtf8());
}

TEST_F(RipresaScenario, NothingIsAskedAfterEsciOrForAFinishedOrEmptyMatch) {
    {
        auto c = Avvia();
        c->RiprendiSeInterrotta();
        c->changeScore(0);
        a.f.dialoghi.Attendi(Uscita);
        c->exitProgram();
    }
    Avvia()->RiprendiSeInterrotta();
    // A run that died before any point: nothing under way.
    QFile::remove(QDir(a.f.cartelle.temporanea).filePath(QStringLiteral("match.txt")));
    Avvia()->RiprendiSeInterrotta();
    // A finished match.
    {
        auto c = Avvia();
        Vinci(*c);
        EXPECT_TRUE(c->AttendiCopia());
    }
    Avvia()->RiprendiSeInterrotta();
}

TEST_F(RipresaScenario, EveryMatchThatEndsIsSavedOrThrownAwayGoesToTheBackups) {
    auto c = Avvia();
    // Thrown away by "Nuova Partita".
    c->changeScore(0);
    a.f.dialoghi.Attendi(
        QStringLiteral("Attenzione se interrompi adesso la partita perderai tutti i punteggio di "
                       "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                       "<Annulla> Per continuare questa partita."));
    c->newMatch();
    // Saved by hand.
    c->changeScore(3);
    a.f.dialoghi.AttendiFile(a.radice.filePath(QStringLiteral("salvata.txt")));
    c->saveMatch();
    // Thrown away by unlocking.
    a.f.dialoghi.Attendi(
        QStringLiteral("Si vuole interrompere definitivamente la partita in corso?"), Risposta::Si);
    c->toggleLock();
    // Ended.
    Vinci(*c);
    ASSERT_TRUE(c->CopieDiSicurezza().Attendi(5000));
    const QStringList copie = Copie();
    ASSERT_EQ(4, copie.size()) << copie.join(u'|').toStdString();
    EXPECT_TRUE(Copia(copie[0]).contains("(1) 1 -  0")) << "the new match's first point";
    EXPECT_TRUE(Copia(copie[3]).contains("#GAMEOV:0")) << "the finished match";

    c->openBackupsFolder();
    EXPECT_EQ(QStringList{a.f.cartelle.utente + QStringLiteral("/Backups")}, a.f.shell.aperti);
}

TEST(ArchivioTest, NamesSortByTimeAndOnlyTheNewestAreKept) {
    EXPECT_EQ(QStringLiteral("2026-12-10 20-31-05 Lupi_Neri - A_B.txt"),
              NomeCopia(QDateTime(QDate(2026, 12, 10), QTime(20, 31, 5)),
                        QStringLiteral(" Lupi/Neri "), QStringLiteral("A:B")));
    QTemporaryDir cartella;
    for (int i = 0; i < Archivio::Tenute + 5; ++i) {
        Ambiente::CreaFile(cartella.filePath(
            NomeCopia(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(i * 61), "A", "B")));
    }
    Ambiente::CreaFile(cartella.filePath(QStringLiteral("appunti.txt")));
    PotaCopie(cartella.path(), Archivio::Tenute);
    const QStringList rimaste = QDir(cartella.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(Archivio::Tenute + 1, rimaste.size()) << "another file of the user's stays";
    EXPECT_FALSE(rimaste.contains(
        NomeCopia(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(4 * 61), "A", "B")));
    EXPECT_TRUE(rimaste.contains(
        NomeCopia(QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(5 * 61), "A", "B")));
}

} // namespace
