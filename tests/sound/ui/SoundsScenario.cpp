#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "sound/Audio.h"
#include "sound/Messages.h"
#include "sound/ui/SoundsWindow.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class SoundsScenario : public ::testing::Test {
  protected:
    SoundsScenario() {
        for (const char* name : {"1_a.wav", "2_b.mp3", "3_c.wav"}) {
            Environment::CreateFile(a.program + QStringLiteral("/Sounds/") +
                                    QString::fromUtf8(name));
        }
        console = std::make_unique<ConsoleProbe>(a.f.platform);
        console->load();
    }
    // Opens the sounds window from the menu and lets `step` work it.
    void Window(std::function<void(SoundsWindow&)> step) {
        a.f.modal.Expect([step](QDialog& d) { step(static_cast<SoundsWindow&>(d)); });
        console->openSoundsWindow();
    }
    QString Sound(const char* name) const {
        return a.program + QStringLiteral("/Sounds/") + QString::fromUtf8(name);
    }

    Environment a;
    std::unique_ptr<ConsoleProbe> console;
};

TEST_F(SoundsScenario, PlayerMessagesStayInEnglish) {
    Player& l = console->audio();
    a.f.dialogs.Expect(SoundMessages::FileNotOpened);
    l.PlayAudio(QString());
    a.f.audio.brokenSound = true;
    a.f.dialogs.Expect(SoundMessages::NotPlayed);
    l.PlayAudio(Sound("1_a.wav"));
    a.f.audio.calls.clear();
    l.StopAudio();
    l.StopAudio();
    EXPECT_EQ((QStringList{"ferma", "chiudi", "ferma", "chiudi"}), a.f.audio.calls);
}

TEST_F(SoundsScenario, EmptySlotsTakeTheFolderInListingOrderAndDoneStoresThem) {
    Window([&](SoundsWindow& f) {
        EXPECT_EQ(10, f.durationBar->value()) << "a duration never saved shows 10";
        EXPECT_EQ(Sound("1_a.wav"), f.cheerFiles[0]->text());
        EXPECT_EQ(Sound("3_c.wav"), f.cheerFiles[2]->text());
        EXPECT_EQ(a.program + QStringLiteral("/Sounds/"), f.cheerFiles[4]->text());
        EXPECT_EQ(QStringLiteral("Schiacciata"), f.slotCaptions[2]->text());
        f.cheersCheck->click();
        f.durationBar->setValue(7);
        EXPECT_EQ(QStringLiteral("7"), f.durationLabel->text());
        f.saveAndClose();
    });
    EXPECT_EQ(QStringLiteral("1"), a.f.settings.values.value("SndExultationEnabled"));
    EXPECT_EQ(QStringLiteral("7"), a.f.settings.values.value("SndExultationDuration"));
    EXPECT_EQ(Sound("2_b.mp3"), a.f.settings.values.value("SndExultation1"));
    EXPECT_EQ(7000, console->cheerInterval());
}

TEST_F(SoundsScenario, UncheckingSwitchesOffAtOnceEvenOnCancel) {
    Window([](SoundsWindow& f) {
        f.cheersCheck->click();
        f.cheersCheck->click();
        EXPECT_FALSE(f.cheerFiles[0]->isEnabled());
        f.cancel();
    });
    EXPECT_EQ(0, console->common().ActiveCheer);
    EXPECT_TRUE(a.f.settings.values.isEmpty()) << "Annulla saves nothing";
}

TEST_F(SoundsScenario, ChoosingAndPlayingASlot) {
    Window([&](SoundsWindow& f) {
        a.f.dialogs.ExpectFile(QStringLiteral("/musica/coro.mp3  "));
        f.chooseCheer(3);
        EXPECT_EQ(QStringLiteral("/musica/coro.mp3"), f.cheerFiles[3]->text());
        a.f.audio.calls.clear();
        f.playCheer(0);
        EXPECT_EQ((QStringList{"ferma", "chiudi", "apri " + Sound("1_a.wav"), "suona"}),
                  a.f.audio.calls);
        f.cancel();
    });
    EXPECT_EQ(QStringLiteral("/musica/coro.mp3"), console->common().CheerSounds[3]);
}

TEST_F(SoundsScenario, EscAndTheTitleBarStopATestSoundAsCancelDoes) {
    const std::function<void(SoundsWindow&)> closures[] = {
        [](SoundsWindow& f) { QTest::keyClick(&f, Qt::Key_Escape); },
        [](SoundsWindow& f) { f.close(); },
    };
    for (const auto& close : closures) {
        Window([&](SoundsWindow& f) {
            EXPECT_EQ(QStringLiteral("Gestione suoni ed effetti sonori"), f.windowTitle());
            f.show();
            f.playCheer(0);
            a.f.audio.calls.clear();
            close(f);
            EXPECT_FALSE(f.isVisible());
            EXPECT_EQ(QStringList{"ferma"}, a.f.audio.calls.mid(0, 1));
        });
    }
}

TEST_F(SoundsScenario, HomePointsCheerByPointTypeAndTheTimerCutsIt) {
    Window([](SoundsWindow& f) {
        f.cheersCheck->click();
        f.saveAndClose();
    });
    a.f.audio.calls.clear();
    console->choosePointType(2);
    console->changeScore(0);
    EXPECT_EQ((QStringList{"ferma", "chiudi", "apri " + Sound("3_c.wav"), "suona"}),
              a.f.audio.calls)
        << "a \"Muro\" point plays the slot captioned \"Schiacciata\"";
    EXPECT_TRUE(console->cheerRunning());
    a.f.audio.calls.clear();
    console->changeScore(3);
    EXPECT_TRUE(a.f.audio.calls.isEmpty()) << "guests never cheer";
    console->cheerTick();
    EXPECT_FALSE(console->cheerRunning());
    EXPECT_EQ((QStringList{"ferma", "chiudi"}), a.f.audio.calls);
}

} // namespace
