#include "options/ui/ColourPicker.h"
#include "options/ui/OptionsWindow.h"
#include "scenari/ConsoleDiProva.h"
#include "shared/Tavolozza16.h"

#include <QFile>

namespace {

class OpzioniScenario : public ConsoleDiProva {
protected:
    OpzioniScenario() {
        QFile::copy(QStringLiteral(BRIVANTA_DATI) + "/Languages.csv",
                    a.programma + QStringLiteral("/Languages.csv"));
        console.Form_Load();
    }
    void Opzioni(std::function<void(OptionsWindow&)> passo) {
        a.f.modali.Attendi([passo](QDialog& d) { passo(static_cast<OptionsWindow&>(d)); });
        console.openOptions();
    }
    // The next colour chooser picks palette entry `voce`.
    void Scegli(int voce) {
        a.f.modali.Attendi([voce](QDialog& d) {
            auto& f = static_cast<ColourPicker&>(d);
            f.Anteprima(ValoreColore(Tavolozza16[static_cast<size_t>(voce)]));
            f.Scegli();
        });
    }
};

TEST_F(OpzioniScenario, ThreeSetsToFifteenGovernTheNextMatch) {
    Opzioni([](OptionsWindow& f) {
        EXPECT_EQ(QStringLiteral("Cambio campo a 8 Punti"), f.Check1->text());
        EXPECT_EQ(QStringLiteral("1850"), f.Label5->text()) << "a 200 ms preview";
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        f.Combo2->setCurrentIndex(0);
        f.Combo3->setCurrentIndex(3);
        f.Combo3_Click();
        EXPECT_EQ(QStringLiteral("Cambio campo a 7 Punti"), f.Check1->text());
        f.HScroll1->setValue(1000);
        EXPECT_EQ(QStringLiteral("1050"), f.Label5->text());
        f.Command1_Click();
    });
    const Partita& p = console.Match();
    EXPECT_EQ(3, p.SetTotali);
    EXPECT_EQ(15, p.PuntiSet);
    EXPECT_EQ(13, p.PuntiTieBreak);
    EXPECT_EQ(6, p.PuntiCambioCampo);
    EXPECT_EQ(1000, console.TimerTabellone.interval());
    EXPECT_EQ(QStringLiteral("1000"), a.f.impostazioni.valori.value("ScoreBoardSpeed"));
    Punti(0, 15);
    EXPECT_EQ(QStringLiteral("1"), console.setsWonLabels[0]->text());
    a.f.dialoghi.Attendi(QStringLiteral("Partita vinta da: Locali"));
    a.f.dialoghi.Attendi(QStringLiteral("Vuoi creare il report della partita?"), Risposta::No);
    Punti(0, 15);
}

TEST_F(OpzioniScenario, OneSetDisablesTheTieBreakAndRestoreBringsTheDefaults) {
    Opzioni([](OptionsWindow& f) {
        f.Combo1->setCurrentIndex(2);
        f.Combo1_Click();
        EXPECT_FALSE(f.Combo3->isEnabled());
        EXPECT_FALSE(f.Check1->isEnabled());
        f.Command2_Click();
        EXPECT_TRUE(f.Combo3->isEnabled());
        EXPECT_EQ(QStringLiteral("25"), f.Combo2->currentText());
        f.Command3_Click();
    });
    EXPECT_EQ(5, console.Match().SetTotali);
}

TEST_F(OpzioniScenario, LanguageChosenInTheOptions) {
    Opzioni([](OptionsWindow& f) {
        EXPECT_EQ(5, f.Combo4->count());
        EXPECT_EQ(QStringLiteral(" English"), f.Combo4->itemText(1));
        f.Combo4->setCurrentIndex(1);
        f.Command1_Click();
    });
    EXPECT_EQ(QStringLiteral("Exit"), console.exitButton->text());
    EXPECT_EQ(QStringLiteral("ENG"), a.f.impostazioni.valori.value("Language"));
}

TEST_F(OpzioniScenario, ColoursLiveOnTheDisplayStoredOnFinitoRestoredOnCancel) {
    Opzioni([this](OptionsWindow& f) {
        Scegli(12);
        f.Campione_Click(4);
        EXPECT_EQ(0x0000FFu, d.Colori()[TestoCasa]) << "red, stored blue first";
        EXPECT_TRUE(d.LabScore[0]->styleSheet().contains(QStringLiteral("color:rgb(255,0,0)")));
        f.Command1_Click();
    });
    const QString serial = a.f.impostazioni.valori.value("Serial");
    EXPECT_EQ(42, serial.size());
    EXPECT_EQ(QStringLiteral("0000FF"), serial.mid(30, 6));

    Opzioni([this](OptionsWindow& f) {
        f.Command4_Click();
        EXPECT_EQ(ColoriPredefiniti(), d.Colori());
        a.f.modali.Attendi([](QDialog& d) { static_cast<ColourPicker&>(d).cancel(); });
        f.Campione_Click(0);
        f.Command3_Click();
    });
    EXPECT_EQ(0x0000FFu, d.Colori()[TestoCasa]) << "Cancel puts the stored colours back";

    ConsoleWindow riavviata(a.f.piattaforma);
    riavviata.Form_Load();
    EXPECT_EQ(0x0000FFu, riavviata.Tabellone().Colori()[TestoCasa]);
}

TEST_F(OpzioniScenario, SettingsAskBeforeAbandoningAMatch) {
    Punti(0, 2);
    a.f.dialoghi.Attendi(QStringLiteral(
                             "Attenzione se interrompi adesso la partita perderai tutti i punteggi "
                             "di questo SET ed eventualmente dei precedenti : <OK> per Nuova "
                             "Partita <Annulla> Per continuare questa partita."),
                         Risposta::Annulla);
    console.openOptions();
    EXPECT_EQ(QStringLiteral("2"), console.LabScore[0]->text());
}

TEST(ColourPickerTest, SpectrumAndPaletteChoices) {
    ColourPicker f;
    EXPECT_EQ(-1, f.ColoreScelto);
    f.Anteprima(0x123456);
    f.Scegli();
    EXPECT_EQ(0x123456, f.ColoreScelto);
    f.cancel();
    EXPECT_EQ(-1, f.ColoreScelto);
    EXPECT_EQ(0xFFFFFFu, f.ColoreSpettro(QPoint(f.spectrum->width() - 2, f.spectrum->height() - 3)))
        << "the bottom rows end in white";
}

} // namespace
