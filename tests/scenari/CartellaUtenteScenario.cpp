// An installed program's folder cannot be written: everything the program writes goes to the
// user's data folder, seeded from the shipped data.
#include "console/ui/ConsoleWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"
#include "sponsor/ui/SponsorManager.h"
#include "teams/ui/TeamEditor.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Every file under the folder with its size and time: what "unchanged" means here.
QStringList Fotografia(const QString& cartella) {
    QStringList elenco;
    QDirIterator file(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QFileInfo info(file.next());
        elenco << info.filePath() + u' ' + QString::number(info.size()) + u' ' +
                      QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    elenco.sort();
    return elenco;
}

TEST(CartellaUtenteScenario, AReadOnlyProgramFolderIsNeverWritten) {
    Ambiente a;
    QFile::copy(QStringLiteral(BRIVANTA_DATI "/Languages.csv"), a.programma + "/Languages.csv");
    Ambiente::CreaFile(a.programma + "/Teams/Lupi/team.csv", "7;Rossi;Mario;;C\r\n");
    Ambiente::CreaFile(a.programma + "/Sounds/1_coro.wav", "RIFF");
    a.f.cartelle.programmaScrivibile = false;
    const QStringList prima = Fotografia(a.programma);
    const QString utente = a.f.cartelle.utente;

    ConsoleWindow console(a.f.piattaforma);
    console.Form_Load();
    EXPECT_EQ(utente, console.Modulo().CartellaDati);
    EXPECT_FALSE(console.teamLists[0]->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).isEmpty())
        << "the sample teams, from the seeded folder";
    EXPECT_TRUE(QFileInfo::exists(utente + "/Sounds/1_coro.wav"));

    a.f.modali.Attendi([&](QDialog& d) {
        auto& f = static_cast<TeamEditor&>(d);
        f.teamList->setCurrentItem(f.teamList->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
        f.surnameBoxes[0]->setText(QStringLiteral("Rossini"));
        f.save();
    });
    console.openTeamEditor();
    EXPECT_TRUE(LeggiFileTesto(utente + "/Teams/Lupi/team.csv", 1 << 20)->join(u'\n').contains(
        QStringLiteral("Rossini")));

    QImage png(64, 36, QImage::Format_RGB32);
    png.fill(Qt::blue);
    const QString scelto = a.radice.filePath(QStringLiteral("nuovo.png"));
    ASSERT_TRUE(png.save(scelto, "PNG"));
    a.f.modali.Attendi([&](QDialog& d) {
        auto& f = static_cast<SponsorManager&>(d);
        a.f.dialoghi.AttendiFile(scelto);
        a.f.dialoghi.Attendi(QStringLiteral("Immagine aggiunta : Se non la vedi nell'elenco usa "
                                            "le frecce di scorrimento.\r\n") + scelto);
        f.addSponsor();
        f.reject();
    });
    console.openSponsorManager();
    EXPECT_TRUE(QFileInfo::exists(utente + "/Sponsors/nuovo.png"));

    console.changeScore(0);
    EXPECT_TRUE(console.AttendiCopia());
    EXPECT_EQ(prima, Fotografia(a.programma)) << "nothing written beside the program";
}

} // namespace
