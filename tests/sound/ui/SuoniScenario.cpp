#include "console/ui/ConsoleWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"
#include "sound/Audio.h"
#include "sound/ui/SoundsWindow.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class SuoniScenario : public ::testing::Test {
protected:
    SuoniScenario() {
        for (const char* nome : {"1_a.wav", "2_b.mp3", "3_c.wav"}) {
            Ambiente::CreaFile(a.programma + QStringLiteral("/Sounds/") + QString::fromUtf8(nome));
        }
        console = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        console->Form_Load();
    }
    // Opens the sounds window from the menu and lets `passo` work it.
    void Finestra(std::function<void(SoundsWindow&)> passo) {
        a.f.modali.Attendi([passo](QDialog& d) { passo(static_cast<SoundsWindow&>(d)); });
        console->openSoundsWindow();
    }
    QString Suono(const char* nome) const {
        return a.programma + QStringLiteral("/Sounds/") + QString::fromUtf8(nome);
    }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console;
};

TEST_F(SuoniScenario, PlayerMessagesStayInEnglish) {
    Lettore& l = console->Audio();
    a.f.dialoghi.Attendi(QStringLiteral("Error audio file"));
    l.SuonaAudio(QString());
    a.f.audio.suonoGuasto = true;
    a.f.dialoghi.Attendi(QStringLiteral("Error audio"));
    l.SuonaAudio(Suono("1_a.wav"));
    a.f.audio.chiamate.clear();
    l.FermaAudio();
    l.FermaAudio();
    EXPECT_EQ((QStringList{"ferma", "chiudi", "ferma", "chiudi"}), a.f.audio.chiamate);
}

TEST_F(SuoniScenario, EmptySlotsTakeTheFolderInListingOrderAndFinitoStoresThem) {
    Finestra([&](SoundsWindow& f) {
        EXPECT_EQ(10, f.durationBar->value()) << "a duration never saved shows 10";
        EXPECT_EQ(Suono("1_a.wav"), f.cheerFiles[0]->text());
        EXPECT_EQ(Suono("3_c.wav"), f.cheerFiles[2]->text());
        EXPECT_EQ(a.programma + QStringLiteral("/Sounds/"), f.cheerFiles[4]->text());
        EXPECT_EQ(QStringLiteral("Schiacciata"), f.slotCaptions[2]->text());
        f.cheersCheck->click();
        f.durationBar->setValue(7);
        EXPECT_EQ(QStringLiteral("7"), f.durationLabel->text());
        f.saveAndClose();
    });
    EXPECT_EQ(QStringLiteral("1"), a.f.impostazioni.valori.value("SndExultationEnabled"));
    EXPECT_EQ(QStringLiteral("7"), a.f.impostazioni.valori.value("SndExultationDuration"));
    EXPECT_EQ(Suono("2_b.mp3"), a.f.impostazioni.valori.value("SndExultation1"));
    EXPECT_EQ(7000, console->TimerEsultanza.interval());
}

TEST_F(SuoniScenario, UncheckingSwitchesOffAtOnceEvenOnCancel) {
    Finestra([](SoundsWindow& f) {
        f.cheersCheck->click();
        f.cheersCheck->click();
        EXPECT_FALSE(f.cheerFiles[0]->isEnabled());
        f.cancel();
    });
    EXPECT_EQ(0, console->Modulo().EsultanzaAttiva);
    EXPECT_TRUE(a.f.impostazioni.valori.isEmpty()) << "Annulla saves nothing";
}

TEST_F(SuoniScenario, ChoosingAndPlayingASlot) {
    Finestra([&](SoundsWindow& f) {
        a.f.dialoghi.AttendiFile(QStringLiteral("/musica/coro.mp3  "));
        f.chooseCheer(3);
        EXPECT_EQ(QStringLiteral("/musica/coro.mp3"), f.cheerFiles[3]->text());
        a.f.audio.chiamate.clear();
        f.playCheer(0);
        EXPECT_EQ((QStringList{"ferma", "chiudi", "apri " + Suono("1_a.wav"), "suona"}),
                  a.f.audio.chiamate);
        f.cancel();
    });
    EXPECT_EQ(QStringLiteral("/musica/coro.mp3"), console->Modulo().SuoniEsultanza[3]);
}

TEST_F(SuoniScenario, EscAndTheTitleBarStopATestSoundAsAnnullaDoes) {
    const std::function<void(SoundsWindow&)> chiusure[] = {
        [](SoundsWindow& f) { QTest::keyClick(&f, Qt::Key_Escape); },
        [](SoundsWindow& f) { f.close(); },
    };
    for (const auto& chiudi : chiusure) {
        Finestra([&](SoundsWindow& f) {
            EXPECT_EQ(QStringLiteral("Gestione suoni ed effetti sonori"), f.windowTitle());
            f.show();
            f.playCheer(0);
            a.f.audio.chiamate.clear();
            chiudi(f);
            EXPECT_FALSE(f.isVisible());
            EXPECT_EQ(QStringList{"ferma"}, a.f.audio.chiamate.mid(0, 1));
        });
    }
}

TEST_F(SuoniScenario, HomePointsCheerByPointTypeAndTheTimerCutsIt) {
    Finestra([](SoundsWindow& f) {
        f.cheersCheck->click();
        f.saveAndClose();
    });
    a.f.audio.chiamate.clear();
    console->choosePointType(2);
    console->changeScore(0);
    EXPECT_EQ((QStringList{"ferma", "chiudi", "apri " + Suono("3_c.wav"), "suona"}),
              a.f.audio.chiamate)
        << "a \"Muro\" point plays the slot captioned \"Schiacciata\"";
    EXPECT_TRUE(console->TimerEsultanza.isActive());
    a.f.audio.chiamate.clear();
    console->changeScore(3);
    EXPECT_TRUE(a.f.audio.chiamate.isEmpty()) << "guests never cheer";
    console->TimerEsultanza_Timer();
    EXPECT_FALSE(console->TimerEsultanza.isActive());
    EXPECT_EQ((QStringList{"ferma", "chiudi"}), a.f.audio.chiamate);
}

} // namespace
