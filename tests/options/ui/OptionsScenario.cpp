#include "console/Messages.h"
#include "match/Messages.h"
#include "options/ui/ColourPicker.h"
#include "options/ui/OptionsWindow.h"
#include "scenarios/TestConsole.h"
#include "shared/Palette16.h"

#include <QFile>

namespace {

class OptionsScenario : public TestConsole {
  protected:
    OptionsScenario() {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        console.load();
    }
    void Options(std::function<void(OptionsWindow&)> step) {
        a.f.modal.Expect([step](QDialog& d) { step(static_cast<OptionsWindow&>(d)); });
        console.window().openSettings();
    }
    // The next colour chooser picks palette entry `item`.
    void Choose(int item) {
        a.f.modal.Expect([item](QDialog& d) {
            auto& f = static_cast<ColourPicker&>(d);
            f.preview(ColourValue(Palette16[static_cast<size_t>(item)]));
            f.choose();
        });
    }
};

TEST_F(OptionsScenario, ThreeSetsToFifteenGovernTheNextMatch) {
    Options([](OptionsWindow& f) {
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
    const Match& match = console.match();
    EXPECT_EQ(3, match.TotalSets);
    EXPECT_EQ(15, match.SetPoints);
    EXPECT_EQ(13, match.TieBreakPoints);
    EXPECT_EQ(6, match.CourtChangePoints);
    EXPECT_EQ(1000, console.previewInterval());
    EXPECT_EQ(QStringLiteral("1000"), a.f.settings.values.value("ScoreBoardSpeed"));
    Points(0, 15);
    EXPECT_EQ(QStringLiteral("1"), console.shownSets(0));
    a.f.dialogs.Expect(QStringLiteral("Partita vinta da: Locali"));
    a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    Points(0, 15);
}

TEST_F(OptionsScenario, OneSetDisablesTheTieBreakAndRestoreBringsTheDefaults) {
    Options([](OptionsWindow& f) {
        f.setsCombo->setCurrentIndex(2);
        f.setsChanged();
        EXPECT_FALSE(f.tieBreakCombo->isEnabled());
        EXPECT_FALSE(f.courtChangeCheck->isEnabled());
        f.restoreDefaults();
        EXPECT_TRUE(f.tieBreakCombo->isEnabled());
        EXPECT_EQ(QStringLiteral("25"), f.pointsCombo->currentText());
        f.cancel();
    });
    EXPECT_EQ(5, console.match().TotalSets);
}

TEST_F(OptionsScenario, LanguageChosenInTheOptions) {
    Options([](OptionsWindow& f) {
        EXPECT_EQ(5, f.languageCombo->count());
        EXPECT_EQ(QStringLiteral(" English"), f.languageCombo->itemText(1));
        f.languageCombo->setCurrentIndex(1);
        f.saveAndClose();
    });
    EXPECT_EQ(QStringLiteral("Exit"), console.exitCaption());
    EXPECT_EQ(QStringLiteral("ENG"), a.f.settings.values.value("Language"));
}

TEST_F(OptionsScenario, ColoursLiveOnTheDisplayStoredOnDoneRestoredOnCancel) {
    Options([this](OptionsWindow& f) {
        Choose(12);
        f.chooseSampleColour(4);
        EXPECT_EQ(0x0000FFu, d.Colours()[HomeText]) << "red, stored blue first";
        EXPECT_TRUE(d.scoreLabel(0)->styleSheet().contains(QStringLiteral("color:rgb(255,0,0)")));
        f.saveAndClose();
    });
    const QString serial = a.f.settings.values.value("Serial");
    EXPECT_EQ(42, serial.size());
    EXPECT_EQ(QStringLiteral("0000FF"), serial.mid(30, 6));

    Options([this](OptionsWindow& f) {
        f.defaultColours();
        EXPECT_EQ(DefaultColours(), d.Colours());
        a.f.modal.Expect([](QDialog& d) { static_cast<ColourPicker&>(d).cancel(); });
        f.chooseSampleColour(0);
        f.cancel();
    });
    EXPECT_EQ(0x0000FFu, d.Colours()[HomeText]) << "Cancel puts the stored colours back";

    ConsoleProbe restarted(a.f.platform);
    restarted.load();
    EXPECT_EQ(0x0000FFu, restarted.display().Colours()[HomeText]);
}

TEST(ColourPickerTest, SpectrumAndPaletteChoices) {
    const LanguageTable italian;
    ColourPicker f(italian);
    EXPECT_EQ(-1, f.ChosenColour);
    f.preview(0x123456);
    f.choose();
    EXPECT_EQ(0x123456, f.ChosenColour);
    f.cancel();
    EXPECT_EQ(-1, f.ChosenColour);
    EXPECT_EQ(0xFFFFFFu,
              f.spectrumColour(QPoint(f.spectrum->width() - 2, f.spectrum->height() - 3)))
        << "the bottom rows end in white";
}

} // namespace
