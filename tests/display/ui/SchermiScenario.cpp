// The display finds the TV and follows it when its cable is pulled and plugged back.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/SegueSchermo.h"
#include "doppi/Ambiente.h"
#include "doppi/SchermiOffscreen.h"
#include "options/ui/OptionsWindow.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRect Tv(800, 0, 1920, 1080);

class SchermiScenario : public ::testing::Test {
protected:
    std::unique_ptr<ConsoleWindow> Avvia() {
        auto c = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        c->Form_Load();
        c->show();
        return c;
    }
    static QString Nome(const QWidget& w) { return w.screen() ? w.screen()->name() : QString(); }

    Ambiente a;
    SchermiOffscreen schermi;
};

TEST_F(SchermiScenario, WithATvTheDisplayOpensFullScreenThereAndFollowsItsCable) {
    schermi.Collega({{QStringLiteral("TV"), Tv}});
    auto c = Avvia();
    DisplayWindow& d = c->Tabellone();
    EXPECT_TRUE(d.isFullScreen());
    EXPECT_EQ(QStringLiteral("TV"), Nome(d));
    EXPECT_EQ(Tv.size(), d.size());
    EXPECT_NE(Nome(*c), Nome(d)) << "never over the console";

    schermi.Collega({});
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.isFullScreen());
    EXPECT_EQ(Nome(*c), Nome(d)) << "the only screen left";
    EXPECT_TRUE(d.screen()->geometry().contains(d.geometry().center())) << "never off-screen";

    schermi.Collega({{QStringLiteral("TV"), Tv}});
    QCoreApplication::processEvents();
    EXPECT_EQ(QStringLiteral("TV"), Nome(d)) << "back on the TV when it returns";
    EXPECT_EQ(Tv.size(), d.size());
    EXPECT_TRUE(Tv.contains(d.geometry().center()));
}

TEST_F(SchermiScenario, TheOptionsListTheScreensAndTheChoiceHolds) {
    schermi.Collega({{QStringLiteral("TV"), Tv}, {QStringLiteral("Proiettore"), QRect(2720, 0, 1280, 720)}});
    a.f.impostazioni.valori[QStringLiteral("DisplayScreen")] = QStringLiteral("Proiettore");
    auto c = Avvia();
    EXPECT_EQ(QStringLiteral("Proiettore"), Nome(c->Tabellone()));
    EXPECT_TRUE(c->Tabellone().isFullScreen());

    a.f.modali.Attendi([](QDialog& d) {
        auto& f = static_cast<OptionsWindow&>(d);
        EXPECT_GE(f.screenCombo->findText(QStringLiteral("TV (1920 × 1080)")), 0);
        EXPECT_EQ(QStringLiteral("Proiettore"), f.screenCombo->currentData().toString());
        f.screenCombo->setCurrentIndex(f.screenCombo->findData(QStringLiteral("TV")));
        f.saveAndClose();
    });
    c->openOptions();
    EXPECT_EQ(QStringLiteral("TV"), a.f.impostazioni.valori.value(QStringLiteral("DisplayScreen")));
    EXPECT_EQ(QStringLiteral("TV"), Nome(c->Tabellone())) << "the start-up places it again";
}

TEST_F(SchermiScenario, OnOneScreenEscOnTheDisplayGivesTheConsoleBack) {
    auto c = Avvia();
    DisplayWindow& d = c->Tabellone();
    EXPECT_FALSE(d.isFullScreen()) << "one screen, no stored place: a window, as before";
    c->putDisplayFullScreen();
    ASSERT_TRUE(d.isFullScreen());
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isFullScreen());
    EXPECT_LT(d.width(), d.screen()->geometry().width());
    // The console's keys still work from the display.
    QTest::keyClick(&d, Qt::Key_F5);
    EXPECT_EQ(QStringLiteral("1"), c->LabScore[0]->text());
}

} // namespace
