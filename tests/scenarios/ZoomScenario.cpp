#include "console/Messages.h"
#include "display/LayoutWithoutSponsor.h"
#include "platform/Settings.h"
#include "scenarios/TestConsole.h"

#include <QRegularExpression>
#include <functional>
#include <ostream>

namespace {

const QString ZoomWarning = ConsoleMessages::ZoomRestoresSides;

class ZoomScenario : public TestConsole {
  protected:
    bool HomeOnLeft() const { return d.scoreLabel(0)->x() < d.scoreLabel(1)->x(); }
    void BandWithout() {
        a.f.settings.values[QStringLiteral("Sponsor")] = QStringLiteral("0");
        console.load();
        console.sponsorHeightTick();
    }
};

TEST_F(ZoomScenario, SwapAskedFirstAndTwiceRestoresTheDisplay) {
    const QRect home = d.scoreLabel(0)->geometry();
    Swap(Answer::No);
    EXPECT_TRUE(HomeOnLeft());
    EXPECT_FALSE(console.sidesSwappedShown());
    Swap();
    EXPECT_FALSE(HomeOnLeft());
    EXPECT_TRUE(console.sidesSwappedShown());
    EXPECT_TRUE(console.common().DisplaySidesSwapped);
    EXPECT_LT(console.scoreGeometry(0).x(), console.scoreGeometry(1).x())
        << "the console never swaps";
    Swap();
    EXPECT_EQ(home, d.scoreLabel(0)->geometry());
    EXPECT_FALSE(console.sidesSwappedShown());
}

TEST_F(ZoomScenario, NewMatchOffersTheSwapBackFirstAndGoesOnEitherWay) {
    Swap();
    Points(0, 3);
    a.f.dialogs.Expect(a.f.dialogs.Shown.first(), Answer::No);
    a.f.dialogs.Expect(ConsoleMessages::AbandonForNewMatch);
    console.newMatchFromButton();
    EXPECT_FALSE(HomeOnLeft());
    EXPECT_TRUE(console.match().History.isEmpty());
    a.f.dialogs.Expect(a.f.dialogs.Shown.first(), Answer::Yes);
    a.f.dialogs.ExpectFile(QString());
    console.loadMatchFromButton();
    EXPECT_TRUE(HomeOnLeft());
}

TEST_F(ZoomScenario, ZoomOnASwappedDisplayRestoresTheOrientationFirst) {
    Swap();
    const int under = d.scoreLabel(0)->geometry().bottom();
    a.f.dialogs.Expect(ZoomWarning);
    console.zoomIn();
    EXPECT_FALSE(console.common().DisplaySidesSwapped);
    EXPECT_FALSE(console.sidesSwappedShown());
    EXPECT_TRUE(HomeOnLeft());
    EXPECT_NEAR(under, d.scoreLabel(0)->geometry().bottom(), 1) << "the score grows upwards";
    EXPECT_EQ(QStringLiteral("Zoom All +"), console.zoomAllCaption());
}

TEST_F(ZoomScenario, ZoomOnASwappedDisplayWithoutTheBandRestoresTheOrientationToo) {
    BandWithout();
    Swap();
    a.f.dialogs.Expect(ZoomWarning);
    console.zoomIn();
    EXPECT_FALSE(console.common().DisplaySidesSwapped);
    EXPECT_FALSE(console.sidesSwappedShown());
    EXPECT_TRUE(HomeOnLeft()) << "the display says what the console says";
}

// Swap sides is one state: whatever lays the display out again keeps it, and the console's
// mark keeps telling the truth about the hall's screen.
struct LayoutChange {
    const char* name;
    bool band;
    std::function<void(ConsoleProbe&, DisplayProbe&)> change;
};

void PrintTo(const LayoutChange& c, std::ostream* os) {
    *os << c.name;
}

class SwapKept : public ZoomScenario, public ::testing::WithParamInterface<LayoutChange> {};

TEST_P(SwapKept, TheDisplayStaysSwappedAndTheConsoleAgrees) {
    if (!GetParam().band) {
        BandWithout();
    }
    Swap();
    GetParam().change(console, d);
    if (!GetParam().band) {
        // What the console's timer does a moment after every resize.
        console.sponsorHeightTick();
    }
    EXPECT_TRUE(console.common().DisplaySidesSwapped);
    EXPECT_TRUE(console.sidesSwappedShown());
    EXPECT_FALSE(HomeOnLeft());
    // The drawing lets the two scores touch; no more than that.
    EXPECT_LE(d.scoreLabel(1)->geometry().right(), d.scoreLabel(0)->x() + d.width() / 100)
        << "guests wholly on the left";
    EXPECT_GT(d.homeNameLabel()->x(), d.guestsNameLabel()->x());
    EXPECT_GT(d.teamLogo(0)->x(), d.teamLogo(1)->x());
    // And the swap back really restores, from whatever layout.
    Swap();
    EXPECT_TRUE(HomeOnLeft());
    EXPECT_LT(d.homeNameLabel()->x(), d.guestsNameLabel()->x());
}

const auto FullScreen = [](ConsoleProbe& c, DisplayProbe&) { c.putDisplayFullScreen(); };
const auto ZoomAllOnce = [](ConsoleProbe& c, DisplayProbe&) { c.toggleZoomAll(); };
const auto ZoomAllTwice = [](ConsoleProbe& c, DisplayProbe&) {
    c.toggleZoomAll();
    c.toggleZoomAll();
};
// A hidden window hears of its resize only when shown: the layout it would run, at once.
const auto Resize = [](ConsoleProbe&, DisplayProbe& d) {
    d.resize(d.width() + 40, d.height());
    d.layOutControls();
};

INSTANTIATE_TEST_SUITE_P(EveryLayout, SwapKept,
                         ::testing::Values(LayoutChange{"full screen", true, FullScreen},
                                           LayoutChange{"full screen, band off", false, FullScreen},
                                           LayoutChange{"Zoom All once", true, ZoomAllOnce},
                                           LayoutChange{"Zoom All twice", true, ZoomAllTwice},
                                           LayoutChange{"Zoom All twice, band off", false,
                                                        ZoomAllTwice},
                                           LayoutChange{"resized", true, Resize},
                                           LayoutChange{"resized, band off", false, Resize}),
                         [](const ::testing::TestParamInfo<LayoutChange>& i) {
                             QString name = QString::fromLatin1(i.param.name);
                             name.remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
                             return name.toStdString();
                         });

TEST_F(ZoomScenario, RepeatedStepsEndInABeepThatChangesNothing) {
    for (bool plus : {true, false}) {
        console.load();
        int steps = 0;
        while (a.f.dialogs.Signals == 0 && steps < 60) {
            plus ? console.zoomIn() : console.zoomOut();
            ++steps;
        }
        ASSERT_EQ(1, a.f.dialogs.Signals) << plus;
        const QRect points = d.scoreLabel(0)->geometry();
        const QRect logo = d.headerLogo()->geometry();
        plus ? console.zoomIn() : console.zoomOut();
        EXPECT_EQ(2, a.f.dialogs.Signals);
        EXPECT_EQ(points, d.scoreLabel(0)->geometry());
        EXPECT_EQ(logo, d.headerLogo()->geometry());
        a.f.dialogs.Signals = 0;
    }
}

TEST_F(ZoomScenario, ZoomAllMagnifiesThenReturnsToTheLayoutWithoutTheBand) {
    BandWithout();
    const double points = d.scoreLabel(0)->font().pointSizeF();
    console.toggleZoomAll();
    EXPECT_EQ(QStringLiteral("Zoom All -"), console.zoomAllCaption());
    constexpr double DrawingFont = 54;
    EXPECT_GT(d.scoreLabel(0)->font().pointSizeF(), 2 * DrawingFont);
    EXPECT_EQ(d.scoreLabel(0)->y(), d.scoreFrame(0)->y());
    for (QLabel* slot : d.sponsorSlots()) {
        slot->show();
    }
    console.toggleZoomAll();
    EXPECT_EQ(QStringLiteral("Zoom All +"), console.zoomAllCaption());
    EXPECT_DOUBLE_EQ(points, d.scoreLabel(0)->font().pointSizeF());
    EXPECT_NEAR(d.frameGeometry().width() * (1 - ScoreGapShare) / 2, d.scoreLabel(0)->width(), 1)
        << "the band-off layout: half the display each, but for the gap";
    for (QLabel* slot : d.sponsorSlots()) {
        EXPECT_TRUE(slot->isHidden());
    }
}

TEST_F(ZoomScenario, FullScreenAndSaveSettingsStoreThePosition) {
    d.move(300, 150);
    console.saveDisplayPosition();
    EXPECT_EQ(QStringLiteral("2250"), a.f.settings.values.value(QStringLiteral("Top")));
    EXPECT_EQ(QStringLiteral("4500"), a.f.settings.values.value(QStringLiteral("Left")));
    EXPECT_EQ(QStringLiteral("0"), a.f.settings.values.value(QStringLiteral("FullScreen")));
    console.putDisplayFullScreen();
    EXPECT_TRUE(d.isFullScreen()) << "no frame, no title bar";
    EXPECT_TRUE(a.f.settings.values.contains(QStringLiteral("Top")));
    EXPECT_EQ(QStringLiteral("1"), a.f.settings.values.value(QStringLiteral("FullScreen")));
}

TEST_F(ZoomScenario, FullScreenOnTheFirstScreenComesBackThereAtTheNextStart) {
    d.move(0, 0);
    console.putDisplayFullScreen();
    const auto memory = a.f.settings.values;
    ASSERT_EQ(QStringLiteral("0"), memory.value(QStringLiteral("Left")));
    ConsoleProbe after(a.f.platform);
    after.load();
    EXPECT_TRUE(after.display().isFullScreen());
    EXPECT_EQ(QPoint(0, 0), after.display().pos());
}

} // namespace
