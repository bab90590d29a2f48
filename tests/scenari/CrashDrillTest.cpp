// Kills a console that is playing a match at random moments and checks that the emergency
// copy is always whole and never older than the last change the console saw on disk.
#include "console/ui/ConsoleWindow.h"
#include "doppi/Doppi.h"
#include "drill/Copione.h"
#include "match/FilePartita.h"
#include "shared/TestoFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

constexpr unsigned Seme = 20261209;
constexpr int Passi = 400;
constexpr int Uccisioni = 200;

QByteArray Contenuto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The emergency copy after each step of the script, played here in-process.
std::vector<QByteArray> CopieAttese(const QString& cartella) {
    QDir().mkpath(cartella);
    PiattaformaIncustodita doppi(cartella);
    ConsoleWindow console(doppi.piattaforma);
    console.Form_Load();
    std::mt19937 caso(Seme);
    std::vector<QByteArray> copie{QByteArray()};
    for (int n = 1; n <= Passi; ++n) {
        PassoCasuale(console, caso);
        EXPECT_TRUE(console.AttendiCopia());
        copie.push_back(Contenuto(console.PercorsoEmergenza()));
    }
    return copie;
}

// The last change the helper reported with this word before it died.
int Ultimo(const QByteArray& uscita, const QByteArray& parola) {
    int ultimo = 0;
    for (const QByteArray& riga : uscita.split('\n')) {
        if (riga.startsWith(parola + ' ')) {
            ultimo = riga.mid(parola.size() + 1).toInt();
        }
    }
    return ultimo;
}

TEST(CrashDrillTest, KilledMidMatchTheCopyIsWholeAndNoOlderThanWhatWasSeenOnDisk) {
    QTemporaryDir radice;
    const std::vector<QByteArray> attese = CopieAttese(radice.filePath(QStringLiteral("attese")));
    std::mt19937 caso(Seme + 1);
    int perse = 0;
    int illeggibili = 0;
    for (int k = 0; k < Uccisioni; ++k) {
        const QString cartella = radice.filePath(QStringLiteral("uccisione%1").arg(k));
        QDir().mkpath(cartella);
        QProcess aiuto;
        aiuto.start(QStringLiteral(BRIVANTA_AIUTO_DRILL),
                    {cartella, QString::number(Seme), QString::number(Passi)});
        ASSERT_TRUE(aiuto.waitForStarted(10000));
        const int bersaglio = std::uniform_int_distribution<int>(1, Passi - 20)(caso);
        QByteArray uscita;
        while (Ultimo(uscita, "fatto") < bersaglio && aiuto.state() == QProcess::Running) {
            aiuto.waitForReadyRead(10000);
            uscita += aiuto.readAllStandardOutput();
        }
        aiuto.kill();
        aiuto.waitForFinished(10000);
        uscita += aiuto.readAllStandardOutput();
        const int fatto = Ultimo(uscita, "fatto");
        const int salvato = Ultimo(uscita, "salvato");
        const QByteArray copia = Contenuto(QDir(cartella).filePath(QStringLiteral("match.txt")));
        // Any change from the last one seen on disk to the one under way when it died.
        bool giusta = false;
        for (int j = salvato; j <= fatto + 1 && j < static_cast<int>(attese.size()); ++j) {
            giusta = giusta || copia == attese[j];
        }
        if (!copia.isEmpty() && !LeggiFilePartita(DecodificaRighe(copia))) {
            ++illeggibili;
            ADD_FAILURE() << "kill " << k << ": unreadable copy";
        } else if (!giusta) {
            ++perse;
            ADD_FAILURE() << "kill " << k << " after change " << fatto << ", seen on disk "
                          << salvato;
        }
        QDir(cartella).removeRecursively();
    }
    std::cout << "crash drill: kills=" << Uccisioni << " flushed changes lost=" << perse
              << " copies unreadable=" << illeggibili << std::endl;
    EXPECT_EQ(0, perse);
    EXPECT_EQ(0, illeggibili);
}

} // namespace
