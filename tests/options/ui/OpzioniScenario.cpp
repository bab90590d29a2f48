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
        EXPECT_EQ(QStringLiteral("Cambio campo a 8 Punti"), f.courtChangeCheck->text());
        EXPECT_EQ(QStringLiteral("1850"), f.speedLabel->text()) << "a 200 ms preview";
        f.setsCombo->setCurrentIndex(1);
        f.setsChanged();
        f.pointsCombo->setCurrentIndex(0);
        f.tieBreakCombo->setCurrentIndex(3);
        f.tieBreakPointsChanged();
        EXPECT_EQ(QStringLiteral("Cambio campo a 7 Punti"), f.courtChangeCheck->text());
        f.speedBar->setValue(1000);
        EXPECT_EQ(QStringLiteral("1050"), f.speedLabel->text());
        f.saveAndClose();
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
        f.setsCombo->setCurrentIndex(2);
        f.setsChanged();
        EXPECT_FALSE(f.tieBreakCombo->isEnabled());
        EXPECT_FALSE(f.courtChangeCheck->isEnabled());
        f.restoreDefaults();
        EXPECT_TRUE(f.tieBreakCombo->isEnabled());
        EXPECT_EQ(QStringLiteral("25"), f.pointsCombo->currentText());
        f.cancel();
    });
    EXPECT_EQ(5, console.Match().SetTotali);
}

TEST_F(OpzioniScenario, LanguageChosenInTheOptions) {
    Opzioni([](OptionsWindow& f) {
        EXPECT_EQ(5, f.languageCombo->count());
        EXPECT_EQ(QStringLiteral(" English"), f.languageCombo->itemText(1));
        f.languageCombo->setCurrentIndex(1);
        f.saveAndClose();
    });
    EXPECT_EQ(QStringLiteral("Exit"), console.exitButton->text());
    EXPECT_EQ(QStringLiteral("ENG"), a.f.impostazioni.valori.value("Language"));
}

TEST_F(OpzioniScenario, ColoursLiveOnTheDisplayStoredOnFinitoRestoredOnCancel) {
    Opzioni([this](OptionsWindow& f) {
        Scegli(12);
        f.chooseSampleColour(4);
        EXPECT_EQ(0x0000FFu, d.Colori()[TestoCasa]) << "red, stored blue first";
        EXPECT_TRUE(d.LabScore[0]->styleSheet().contains(QStringLiteral("color:rgb(255,0,0)")));
        f.saveAndClose();
    });
    const QString serial = a.f.impostazioni.valori.value("Serial");
    EXPECT_EQ(42, serial.size());
    EXPECT_EQ(QStringLiteral("0000FF"), serial.mid(30, 6));

    Opzioni([this](OptionsWindow& f) {
        f.defaultColours();
        EXPECT_EQ(ColoriPredefiniti(), d.Colori());
        a.f.modali.Attendi([](QDialog& d) { static_cast<ColourPicker&>(d).cancel(); });
        f.chooseSampleColour(0);
        f.cancel();
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
