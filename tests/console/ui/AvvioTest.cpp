#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class AvvioTest : public ::testing::Test {
protected:
    void Avvia() {
        console = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        console->Form_Load();
    }
    void Imposta(const QString& chiave, const QString& valore) {
        a.f.impostazioni.valori[chiave] = valore;
    }
    QStringList Voci(QListWidget* lista) const {
        QStringList voci;
        for (int i = 0; i < lista->count(); ++i) {
            voci.append(lista->item(i)->text());
        }
        return voci;
    }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console;
};

TEST_F(AvvioTest, FirstStartWithNoSettings) {
    Avvia();
    const Modulo1& m = console->Modulo();
    EXPECT_EQ(QStringLiteral("ITA"), m.Lingue.LinguaCorrente);
    EXPECT_TRUE(console->languageActions[0]->isChecked());
    EXPECT_EQ(200, console->TimerTabellone.interval());
    EXPECT_EQ(1, m.BarraSponsor);
    EXPECT_EQ(0, m.EsultanzaAttiva);
    EXPECT_EQ(0, m.DurataEsultanza);
    EXPECT_EQ(0, console->TimerEsultanza.interval());
    EXPECT_EQ(a.programma, m.CartellaDati);
    EXPECT_EQ(QStringLiteral("Brivanta : MATCH.txt"), console->windowTitle());

    DisplayWindow& d = console->Tabellone();
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isMaximized());
    EXPECT_EQ(QPoint(0, 0), d.pos());
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(schermo.right() + 1, console->frameGeometry().x() + console->frameGeometry().width());
    EXPECT_EQ(0, console->y());

    EXPECT_EQ(QStringLiteral("Home"), console->teamNameLabels[0]->text());
    EXPECT_EQ(QStringLiteral("Guests"), console->teamNameLabels[1]->text());
    EXPECT_EQ(QStringLiteral("Locali"), d.homeNameLabel->text());
    EXPECT_EQ(QStringLiteral("Ospiti"), d.guestsNameLabel->text());
    EXPECT_EQ(QStringLiteral("Blocca"), console->lockButton->text());
    EXPECT_FALSE(console->undoButton->isEnabled());
    EXPECT_FALSE(console->endStatisticsButton->isEnabled());
    EXPECT_EQ((QStringList{"Della partita", "1°SET", "2°SET", "3°SET", "4°SET", "5°SET"}),
              Voci(console->statisticsChoiceList));
    EXPECT_EQ(0, console->statisticsChoiceList->currentRow());
    EXPECT_EQ((QStringList{"Guests", "Home", "Lupi"}), Voci(console->teamLists[0]));
    EXPECT_EQ(Voci(console->teamLists[0]), Voci(console->teamLists[1]));
    const Partita& p = console->Match();
    EXPECT_EQ(5, p.SetTotali);
    EXPECT_EQ(25, p.PuntiSet);
    EXPECT_EQ(15, p.PuntiTieBreak);
    EXPECT_EQ(8, p.PuntiCambioCampo);
    EXPECT_EQ(1, p.CambioCampoAttivo);
    EXPECT_EQ(QStringLiteral("1°SET"), p.EtichettaSet);
}

TEST_F(AvvioTest, EveryKeySet) {
    Imposta("Language", "ENG");
    Imposta("ScoreBoardSpeed", "500");
    Imposta("SndExultationEnabled", "1");
    Imposta("SndExultationDuration", "7");
    for (int i = 0; i < 5; ++i) {
        Imposta(QStringLiteral("SndExultation%1").arg(i), QStringLiteral("/suoni/%1.mp3").arg(i));
    }
    Imposta("Sponsor", "0");
    Imposta("Top", "1500");
    Imposta("Left", "3000");
    Avvia();
    const Modulo1& m = console->Modulo();
    EXPECT_EQ(QStringLiteral("ENG"), m.Lingue.LinguaCorrente);
    EXPECT_FALSE(console->languageActions[0]->isChecked());
    EXPECT_EQ(500, console->TimerTabellone.interval());
    EXPECT_EQ(1, m.EsultanzaAttiva);
    EXPECT_EQ(7, m.DurataEsultanza);
    EXPECT_EQ(7000, console->TimerEsultanza.interval());
    EXPECT_EQ(QStringLiteral("/suoni/4.mp3"), m.SuoniEsultanza[4]);
    EXPECT_EQ(0, m.BarraSponsor);
    EXPECT_TRUE(console->Tabellone().isMaximized());
}

TEST_F(AvvioTest, TheSlowestPreviewSpeedIsKept) {
    Imposta("ScoreBoardSpeed", "2000");
    Avvia();
    EXPECT_EQ(2000, console->TimerTabellone.interval());
}

struct CasoValoreErrato {
    const char* chiave;
    const char* valore;
};

class ValoriErratiTest : public AvvioTest, public ::testing::WithParamInterface<CasoValoreErrato> {};

TEST_P(ValoriErratiTest, KeepTheDefaults) {
    Imposta(QString::fromUtf8(GetParam().chiave), QString::fromUtf8(GetParam().valore));
    Avvia();
    const Modulo1& m = console->Modulo();
    EXPECT_EQ(200, console->TimerTabellone.interval());
    EXPECT_EQ(1, m.BarraSponsor);
    EXPECT_EQ(0, m.EsultanzaAttiva);
    EXPECT_EQ(QStringLiteral("ITA"), m.Lingue.LinguaCorrente);
    EXPECT_FALSE(console->Tabellone().isMaximized());
}

INSTANTIATE_TEST_SUITE_P(
    Impostazioni, ValoriErratiTest,
    ::testing::Values(CasoValoreErrato{"ScoreBoardSpeed", "abc"},
                      CasoValoreErrato{"ScoreBoardSpeed", "0"},
                      CasoValoreErrato{"ScoreBoardSpeed", "-5"},
                      CasoValoreErrato{"ScoreBoardSpeed", "99999"},
                      CasoValoreErrato{"Sponsor", "sì"},
                      CasoValoreErrato{"SndExultationEnabled", "1e9"},
                      CasoValoreErrato{"Language", ""}, CasoValoreErrato{"Top", "1500"},
                      CasoValoreErrato{"Left", "abc"}));

TEST_F(AvvioTest, DisplayPositionNeedsBothValuesNonZero) {
    Imposta("Top", "0");
    Imposta("Left", "3000");
    Avvia();
    EXPECT_FALSE(console->Tabellone().isMaximized());
    EXPECT_EQ(QPoint(0, 0), console->Tabellone().pos());
}

TEST_F(AvvioTest, DurationBeyondThirtyTwoKeepsTheTimerInterval) {
    Imposta("SndExultationDuration", "40");
    Avvia();
    EXPECT_EQ(40, console->Modulo().DurataEsultanza);
    EXPECT_EQ(10000, console->TimerEsultanza.interval());
}

TEST_F(AvvioTest, DocumentsDataFolderNeedsAFileInItsHomeTeam) {
    const QString dati = a.documenti + QStringLiteral("/Brivanta");
    QDir().mkpath(dati + QStringLiteral("/Teams/Home/sottocartella"));
    QDir().mkpath(dati + QStringLiteral("/Teams/Aquile"));
    Avvia();
    EXPECT_EQ(a.programma, console->Modulo().CartellaDati) << "a subfolder is not a file";

    Ambiente::CreaFile(dati + QStringLiteral("/Teams/Home/team.csv"));
    console->Form_Load();
    EXPECT_EQ(QDir(a.documenti).filePath(QStringLiteral("Brivanta")),
              console->Modulo().CartellaDati);
    EXPECT_EQ((QStringList{"Aquile", "Home"}), Voci(console->teamLists[1]));
}

TEST_F(AvvioTest, NoDocumentsFolderFallsBackToTheProgram) {
    a.f.cartelle.documenti.clear();
    Avvia();
    EXPECT_EQ(a.programma, console->Modulo().CartellaDati);
}

TEST_F(AvvioTest, MissingTeamsFolderKeepsTheLists) {
    Avvia();
    QDir(a.programma + QStringLiteral("/Teams")).removeRecursively();
    console->Form_Load();
    EXPECT_EQ((QStringList{"Guests", "Home", "Lupi"}), Voci(console->teamLists[0]));
}

TEST_F(AvvioTest, RunningAgainMidMatchKeepsTheMatchInPlace) {
    Avvia();
    Partita& p = console->Match();
    p.PuntiSet = 3;
    for (int i = 0; i < 3; ++i) {
        console->changeScore(0);
    }
    console->changeScore(3);
    const QStringList storico = p.Storico;
    ASSERT_EQ(2, p.SetCorrente);
    console->Form_Load();
    EXPECT_EQ(2, p.SetCorrente);
    EXPECT_EQ(QStringLiteral("2°SET"), p.EtichettaSet);
    EXPECT_EQ(storico, p.Storico);
    EXPECT_EQ(storico.size(), console->historyList->count());
    EXPECT_EQ(storico.size() - 1, console->historyList->currentRow());
    EXPECT_EQ(QStringLiteral(" 3/ 0"), p.Parziali[0]);
    EXPECT_EQ((std::array<int, 2>{1, 0}), p.SetVinti);
    EXPECT_EQ(QStringLiteral("1"), console->Tabellone().LabScore[1]->text());
    EXPECT_EQ(3, p.PuntiSet) << "rules are kept";
}

TEST_F(AvvioTest, ConsoleResizedToHalfKeepsFonts) {
    Avvia();
    QWidget* area = console->centralWidget();
    const QRect prima = console->scoreButtons[0]->geometry();
    const double font = console->LabScore[0]->font().pointSizeF();
    area->resize(area->width() / 2, area->height() / 2);
    console->Form_Resize();
    const QRect dopo = console->scoreButtons[0]->geometry();
    EXPECT_NEAR(prima.x() / 2.0, dopo.x(), 1.0);
    EXPECT_NEAR(prima.y() / 2.0, dopo.y(), 1.0);
    EXPECT_NEAR(prima.width() / 2.0, dopo.width(), 1.0);
    EXPECT_NEAR(prima.height() / 2.0, dopo.height(), 1.0);
    EXPECT_DOUBLE_EQ(font, console->LabScore[0]->font().pointSizeF());
}

TEST_F(AvvioTest, ConsoleRefusesToCloseFromTheTitleBar) {
    Avvia();
    console->show();
    a.f.dialoghi.Attendi(QStringLiteral("Usa il bottone <Esci> Per terminare l'applicazione"));
    EXPECT_FALSE(console->close());
    EXPECT_TRUE(console->isVisible());
    EXPECT_FALSE(console->Tabellone().close()) << "the display refuses silently";
    EXPECT_TRUE(console->Tabellone().isVisible());
}

} // namespace
