#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class LingueTest : public ::testing::Test {
protected:
    LingueTest() {
        QFile::copy(QStringLiteral(BRIVANTA_DATI) + "/Languages.csv",
                    a.programma + QStringLiteral("/Languages.csv"));
    }
    std::unique_ptr<ConsoleWindow> Avvia() {
        auto c = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        c->Form_Load();
        return c;
    }
    QStringList Menu(const ConsoleWindow& c) const {
        QStringList voci;
        for (const QAction* v : c.languageActions) {
            voci << (v != nullptr ? v->text() + (v->isChecked() ? "*" : "") : QStringLiteral("-"));
        }
        return voci;
    }
    Ambiente a;
};

TEST_F(LingueTest, TheMenuOffersTheHeaderLanguages) {
    auto c = Avvia();
    EXPECT_EQ((QStringList{"Italiano*", "English", "Français", "Deutsch", "Español"}), Menu(*c));
    c->Form_Load();
    EXPECT_EQ(5u, c->languageActions.size()) << "a second start-up does not add items again";
}

TEST_F(LingueTest, StoredLanguageTranslatesEverythingAtStartUp) {
    a.f.impostazioni.valori[QStringLiteral("Language")] = QStringLiteral("DEU");
    auto c = Avvia();
    EXPECT_EQ(3, c->Modulo().Lingue.ColonnaLingua);
    EXPECT_EQ(QStringLiteral("Beenden"), c->exitButton->text());
    EXPECT_EQ(QStringLiteral("Heim"), c->Tabellone().homeNameLabel->text());
    EXPECT_EQ(QStringLiteral("SATZ 1"), c->statisticsChoiceList->item(1)->text());
    EXPECT_EQ((QStringList{"Italiano", "English", "Français", "Deutsch*", "Español"}), Menu(*c));
    EXPECT_EQ(QStringLiteral("DEU"), a.f.dialoghi.Lingua) << "the standard buttons too";
}

TEST_F(LingueTest, SwitchingMidMatchKeepsTheScoreAndTheHistory) {
    auto c = Avvia();
    c->changeScore(0);
    c->changeScore(0);
    c->chooseLanguage(1);
    EXPECT_EQ(QStringLiteral("ENG"), a.f.impostazioni.valori.value(QStringLiteral("Language")));
    EXPECT_EQ(QStringLiteral("Exit"), c->exitButton->text());
    EXPECT_EQ(QStringLiteral("SET 1"), c->Match().EtichettaSet);
    EXPECT_EQ(3, c->historyList->count());
    EXPECT_EQ(QStringLiteral("2"), c->LabScore[0]->text());
    EXPECT_EQ(0, c->rosterLists[0]->count());
    EXPECT_EQ((QStringList{"Italiano", "English*", "Français", "Deutsch", "Español"}), Menu(*c));
    EXPECT_EQ(QStringLiteral("ENG"), a.f.dialoghi.Lingua);
    c->chooseLanguage(0);
    EXPECT_EQ(QStringLiteral("Esci"), c->exitButton->text());
    EXPECT_EQ(QStringLiteral("ITA"), a.f.impostazioni.valori.value(QStringLiteral("Language")));
}

TEST_F(LingueTest, NoTableKeepsItalian) {
    QFile::remove(a.programma + QStringLiteral("/Languages.csv"));
    a.f.impostazioni.valori[QStringLiteral("Language")] = QStringLiteral("ENG");
    auto c = Avvia();
    EXPECT_EQ(QStringLiteral("Esci"), c->exitButton->text());
    EXPECT_EQ(1u, c->languageActions.size());
}

} // namespace
