#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class PresentazioneScenario : public ::testing::Test {
protected:
    PresentazioneScenario() {
        Scegli(0, QStringLiteral("Lupi"));
        Scegli(1, QStringLiteral("Orsi"));
    }
    // The teams' folders, then the console on them.
    std::unique_ptr<ConsoleWindow> Prepara() {
        const QString lupi = a.programma + QStringLiteral("/Teams/Lupi");
        Ambiente::CreaFile(lupi + QStringLiteral("/team.csv"),
                           "7;ROSSI;MARIO;2-Centrale;C\r\nA1;Verdi;Anna;;C\r\n9;Fuori;Lista;1;N\r\n");
        QImage foto(300, 600, QImage::Format_RGB32);
        foto.fill(Qt::gray);
        foto.save(lupi + QStringLiteral("/7.jpg"), "JPG");
        Ambiente::CreaFile(lupi + QStringLiteral("/7.wav"), "RIFF");
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Orsi/team.csv"),
                           "12;Neri;Paolo;3-Libero;C\r\n");
        auto nuova = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        nuova->Form_Load();
        return nuova;
    }
    void Scegli(int lato, const QString& nome) {
        console->teamLists[lato]->setCurrentItem(
            console->teamLists[lato]->findItems(nome, Qt::MatchExactly).first());
        console->chooseTeam(lato);
    }
    // Ticks until the panel holds a person in the middle; returns the ticks it took.
    int FinoAlCentro() {
        for (int i = 1; i < 5000; ++i) {
            d.presentationTick();
            // The photo's steps are made while the panel enters.
            d.AttendiFotoPresentazione();
            if (d.presentationTimer.interval() == 4000 || !d.presentationTimer.isActive()) {
                // The photo grows a step a frame.
                for (int passo = 0; passo < 10 && d.TimerIngrandimento.isActive(); ++passo) {
                    d.TimerIngrandimento_Timer();
                }
                return i;
            }
        }
        return -1;
    }
    // Ticks until the next person is loaded (the panel has left on the left).
    void FinoAllaProssima() {
        const int riga = d.Presentazione().RigaPresentata;
        const int squadra = d.Presentazione().SquadraPresentata;
        for (int i = 0; i < 5000 && d.presentationTimer.isActive(); ++i) {
            d.presentationTick();
            if (d.Presentazione().RigaPresentata != riga ||
                d.Presentazione().SquadraPresentata != squadra) {
                return;
            }
        }
    }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console = Prepara();
    DisplayWindow& d = console->Tabellone();
};

TEST_F(PresentazioneScenario, BothLineUpsOnePersonAtATime) {
    console->togglePresentation();
    EXPECT_TRUE(d.presentationTimer.isActive());
    ASSERT_GT(FinoAlCentro(), 1);
    EXPECT_EQ(QStringLiteral("7"), d.presentationNumber->text());
    EXPECT_EQ(QStringLiteral("Rossi Mario"), d.presentationHeading->text());
    EXPECT_EQ(QStringLiteral("Centrale"), d.presentationRole->text());
    EXPECT_EQ(QStringLiteral("H O M E"), d.presentationSide->text());
    EXPECT_TRUE(a.f.audio.chiamate.contains("apri " + a.programma + "/Teams/Lupi/7.wav"));
    EXPECT_NEAR(d.frameGeometry().width() / 3.4 * 2.83, d.presentationPhoto->width(), 3)
        << "the photo grew seven times by 1.16";
    EXPECT_TRUE(console->eventLight->text().contains(QStringLiteral("Presenta")));

    FinoAllaProssima();
    FinoAlCentro();
    EXPECT_EQ(QStringLiteral("1° Allenatore"), d.presentationRole->text());
    EXPECT_EQ(static_cast<int>(d.frameGeometry().width() / 3.4), d.presentationPhoto->width())
        << "the default silhouette is not enlarged";

    FinoAllaProssima();
    FinoAlCentro();
    EXPECT_EQ(QStringLiteral("G U E S T S"), d.presentationSide->text());
    EXPECT_EQ(QStringLiteral("12"), d.presentationNumber->text());

    FinoAllaProssima();
    for (int i = 0; i < 10 && d.presentationTimer.isActive(); ++i) {
        d.presentationTick();
    }
    EXPECT_FALSE(d.presentationTimer.isActive()) << "the end of the guests ends the presentation";
    EXPECT_TRUE(console->eventLight->text().isEmpty());
    EXPECT_EQ(0, d.Presentazione().SquadraPresentata);
}

TEST_F(PresentazioneScenario, AStopRequestTakesEffectAtTheNextTick) {
    const QRect foto = d.presentationPhoto->geometry();
    console->togglePresentation();
    FinoAlCentro();
    console->togglePresentation();
    EXPECT_EQ(QStringLiteral("Statistiche SET: 1"), console->eventLight->text());
    EXPECT_TRUE(d.presentationTimer.isActive());
    d.presentationTick();
    EXPECT_FALSE(d.presentationTimer.isActive());
    EXPECT_GE(d.presentationCard->x(), d.frameGeometry().width());
    EXPECT_EQ(foto, d.presentationPhoto->geometry()) << "the photo's geometry is restored";
    console->togglePresentation();
    d.presentationTick();
    EXPECT_EQ(QStringLiteral("7"), d.presentationNumber->text()) << "a new start begins with the first home row";
}

TEST_F(PresentazioneScenario, ATeamWithNobodyCalledUpPassesToTheGuests) {
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi/team.csv"), "7;Rossi;Mario;2;N\r\n");
    Scegli(0, QStringLiteral("Lupi"));
    console->togglePresentation();
    FinoAlCentro();
    EXPECT_EQ(QStringLiteral("G U E S T S"), d.presentationSide->text());
}

} // namespace
