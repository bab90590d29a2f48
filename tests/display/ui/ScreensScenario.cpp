// The display finds the TV and follows it when its cable is pulled and plugged back.
#include "display/ui/DisplayWindow.h"
#include "display/ui/ScreenFollower.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/OffscreenScreens.h"
#include "options/ui/OptionsWindow.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRect Tv(800, 0, 1920, 1080);

class ScreensScenario : public ::testing::Test {
  protected:
    std::unique_ptr<ConsoleProbe> Start() {
        auto c = std::make_unique<ConsoleProbe>(a.f.platform);
        c->load();
        c->show();
        return c;
    }
    static QString Name(const QWidget& w) { return w.screen() ? w.screen()->name() : QString(); }

    Environment a;
    OffscreenScreens screens;
};

TEST_F(ScreensScenario, WithATvTheDisplayOpensFullScreenThereAndFollowsItsCable) {
    screens.Link({{QStringLiteral("TV"), Tv}});
    auto c = Start();
    DisplayProbe d = c->display();
    EXPECT_TRUE(d.isFullScreen());
    EXPECT_EQ(QStringLiteral("TV"), Name(d.window()));
    EXPECT_EQ(Tv.size(), d.size());
    EXPECT_NE(Name(c->window()), Name(d.window())) << "never over the console";

    screens.Link({});
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.isFullScreen());
    EXPECT_EQ(Name(c->window()), Name(d.window())) << "the only screen left";
    EXPECT_TRUE(d.screen()->geometry().contains(d.geometry().center())) << "never off-screen";

    screens.Link({{QStringLiteral("TV"), Tv}});
    QCoreApplication::processEvents();
    EXPECT_EQ(QStringLiteral("TV"), Name(d.window())) << "back on the TV when it returns";
    EXPECT_EQ(Tv.size(), d.size());
    EXPECT_TRUE(Tv.contains(d.geometry().center()));
}

TEST_F(ScreensScenario, TheOptionsListTheScreensAndTheChoiceHolds) {
    screens.Link(
        {{QStringLiteral("TV"), Tv}, {QStringLiteral("Proiettore"), QRect(2720, 0, 1280, 720)}});
    a.f.settings.values[QStringLiteral("DisplayScreen")] = QStringLiteral("Proiettore");
    auto c = Start();
    EXPECT_EQ(QStringLiteral("Proiettore"), Name(c->display().window()));
    EXPECT_TRUE(c->display().isFullScreen());

    a.f.modal.Expect([](QDialog& d) {
        auto& f = static_cast<OptionsWindow&>(d);
        EXPECT_GE(f.screenCombo->findText(QStringLiteral("TV (1920 × 1080)")), 0);
        EXPECT_EQ(QStringLiteral("Proiettore"), f.screenCombo->currentData().toString());
        f.screenCombo->setCurrentIndex(f.screenCombo->findData(QStringLiteral("TV")));
        f.saveAndClose();
    });
    c->window().openSettings();
    EXPECT_EQ(QStringLiteral("TV"), a.f.settings.values.value(QStringLiteral("DisplayScreen")));
    EXPECT_EQ(QStringLiteral("TV"), Name(c->display().window())) << "the start-up places it again";
}

TEST_F(ScreensScenario, OnOneScreenEscOnTheDisplayGivesTheConsoleBack) {
    auto c = Start();
    DisplayProbe d = c->display();
    EXPECT_FALSE(d.isFullScreen()) << "one screen, no stored place: a window, as before";
    c->putDisplayFullScreen();
    ASSERT_TRUE(d.isFullScreen());
    QTest::keyClick(&d.window(), Qt::Key_Escape);
    EXPECT_FALSE(d.isFullScreen());
    EXPECT_LT(d.width(), d.screen()->geometry().width());
    // The console's keys still work from the display.
    QTest::keyClick(&d.window(), Qt::Key_F5);
    EXPECT_EQ(QStringLiteral("1"), c->shownScore(0));
}

} // namespace
