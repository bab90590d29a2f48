#include "console/ui/ConsoleWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/FullDisk.h"
#include "doppi/Stampa.h"
#include "shared/ScrittoreFile.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The message, with the folder and the system's reason after it.
QString NonScritta(const QString& cartella, const QString& motivo = QStringLiteral("guasto simulato")) {
    return QStringLiteral(
               "La copia di emergenza della partita non può essere scritta (disco pieno o cartella "
               "temporanea non scrivibile). Puoi continuare: la copia riprende appena possibile.\n\n") +
           QDir::toNativeSeparators(cartella) + QStringLiteral(": ") + motivo;
}

QByteArray Contenuto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CopiaEmergenzaScenario : public ::testing::Test {
protected:
    CopiaEmergenzaScenario() { console.Form_Load(); }
    Ambiente a;
    ConsoleWindow console{a.f.piattaforma};
};

TEST_F(CopiaEmergenzaScenario, ASlowDiskGetsOnlyTheNewestTextAndTheClickDoesNotWait) {
    a.f.disco.ritardoMs = 100;
    for (int i = 0; i < 20; ++i) {
        console.changeScore(0);
    }
    EXPECT_LT(console.Copia().Scritte(), 20) << "twenty clicks did not wait for a 100 ms disk";
    ASSERT_TRUE(console.AttendiCopia());
    EXPECT_LE(a.f.disco.tentativi.load(), 3) << "texts overtaken while waiting are never written";
    EXPECT_TRUE(Contenuto(console.PercorsoEmergenza()).contains("(1)20 -  0"));
}

TEST_F(CopiaEmergenzaScenario, AFullDiskIsToldOnceTheMatchGoesOnAndTheCopyResumes) {
    const QString NonScritta = ::NonScritta(a.f.cartelle.temporanea);
    a.f.disco.guasto = true;
    a.f.dialoghi.Attendi(NonScritta);
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialoghi.Mostrati.contains(NonScritta); }, 5000));
    console.changeScore(0);
    console.changeScore(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(1, a.f.dialoghi.Mostrati.count(NonScritta)) << "told once, not at every point";
    EXPECT_EQ(QStringLiteral("2"), console.LabScore[0]->text()) << "the console keeps scoring";

    a.f.disco.guasto = false;
    console.changeScore(3);
    ASSERT_TRUE(console.AttendiCopia());
    EXPECT_TRUE(Contenuto(console.PercorsoEmergenza()).contains("(1) 2 -  2"))
        << "the first change after the disk came back carries the whole match";

    // A new run of failures is told again.
    QCoreApplication::processEvents();
    a.f.disco.guasto = true;
    a.f.dialoghi.Attendi(NonScritta);
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialoghi.Mostrati.count(NonScritta) == 2; }, 5000));
    a.f.disco.guasto = false;
}

// A real filesystem that fills up, not a double: the copy on disk stays the last whole one.
TEST(CopiaEmergenzaDiscoPieno, AFullFolderKeepsTheLastWholeCopyAndSaysWhereAndWhy) {
    FullDisk disco;
    Ambiente a;
    a.f.cartelle.temporanea = disco.path();
    ConsoleWindow console{a.f.piattaforma};
    console.Form_Load();
    for (int i = 0; i < 3; ++i) {
        console.changeScore(0);
    }
    ASSERT_TRUE(console.AttendiCopia());
    const QByteArray intera = Contenuto(console.PercorsoEmergenza());
    ASSERT_TRUE(intera.contains("(1) 3 -  0"));

    disco.fill();
    const QString messaggio = NonScritta(disco.path(), disco.reason());
    a.f.dialoghi.Attendi(messaggio);
    console.changeScore(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f.dialoghi.Mostrati.contains(messaggio); }, 5000));
    console.changeScore(0);
    EXPECT_FALSE(console.AttendiCopia(300));
    EXPECT_EQ(intera, Contenuto(console.PercorsoEmergenza())) << "never emptied, never half-written";
    EXPECT_EQ(QStringList{QStringLiteral("match.txt")},
              QDir(disco.path()).entryList(QDir::Files)) << "no temporary file left behind";

    disco.makeRoom();
    console.changeScore(0);
    ASSERT_TRUE(console.AttendiCopia());
    EXPECT_TRUE(Contenuto(console.PercorsoEmergenza()).contains("(1) 6 -  0"));
    EXPECT_EQ(1, a.f.dialoghi.Mostrati.count(messaggio));
}

TEST_F(CopiaEmergenzaScenario, EsciLeavesOnlyOnceTheCopyHoldsTheLastPoint) {
    a.f.disco.ritardoMs = 100;
    console.changeScore(0);
    console.changeScore(0);
    a.f.dialoghi.Attendi(
        QStringLiteral("Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà "
                       "più possibile riprendere da dove eri arrivato? <Annulla> se vuoi rimanere."));
    console.exitProgram();
    EXPECT_EQ(1, a.f.processo.terminato);
    EXPECT_TRUE(Contenuto(console.PercorsoEmergenza()).contains("(1) 2 -  0"));
}

} // namespace
