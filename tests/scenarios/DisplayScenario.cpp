#include "display/LayoutWithoutSponsor.h"
#include "scenarios/TestConsole.h"

#include "match/Score.h"

#include <QImage>

namespace {

using DisplayScenario = TestConsole;

TEST_F(DisplayScenario, ClockAndFinishedSetsTakeTurns) {
    Points(0, 25);
    for (int i = 0; i < 3; ++i) {
        d.clockTick();
    }
    EXPECT_EQ(QStringLiteral("15:42"), d.clockLabel()->text());
    EXPECT_EQ(QStringLiteral("2° SET"), d.setLabel()->text());
    d.clockTick();
    EXPECT_EQ(QStringLiteral("Set 1: 25-0"), d.clockLabel()->text()) << "not \"2°SET 1s 25/ 0\"";
}

TEST_F(DisplayScenario, ScorerPanelSlidesInAndOutWhileTheLightIsRed) {
    console.codeBox(0)->setText(QStringLiteral("7"));
    console.changeScore(0);
    EXPECT_TRUE(d.panelSliding());
    QFrame* panel = d.overlayPanel(1);
    for (int i = 0; i < 100; ++i) {
        d.panelSlideTick();
    }
    EXPECT_EQ(0, panel->y());
    EXPECT_FALSE(console.blinking()) << "the blink pauses during a slide";
    EXPECT_TRUE(console.eventLightStyle().contains(QStringLiteral("rgb(128,0,0)")));
    for (int i = 100; i < 400; ++i) {
        d.panelSlideTick();
    }
    EXPECT_FALSE(d.panelSliding());
    EXPECT_GE(panel->y(), d.height());
    EXPECT_TRUE(console.blinking());
    EXPECT_TRUE(console.eventLightStyle().contains(QStringLiteral("rgb(0,128,0)")));
    EXPECT_TRUE(console.eventLightText().isEmpty());
    EXPECT_EQ(d.scorerBall()->pixmap().cacheKey(), d.scorerPhoto()->pixmap().cacheKey());
}

TEST_F(DisplayScenario, ScorerPhotoIsDecodedWhenPickedAndShownAtItsWidth) {
    const QString photo = a.program + QStringLiteral("/Teams/Home/7.jpg");
    QImage image(800, 1000, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(photo, "JPG"));
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Home/team.csv"),
                            "7;Rossi;Mario;2-Centrale;C\r\n");
    console.load();
    console.teamList(0)->setCurrentItem(
        console.teamList(0)->findItems(QStringLiteral("Home"), Qt::MatchExactly).first());
    console.chooseTeam(0);
    const int width = static_cast<int>(d.frameGeometry().width() / 1.6);
    EXPECT_FALSE(d.preparedPhotos().Ready(photo, width)) << "nothing decoded for a team";
    console.rosterList(0)->setCurrentRow(1);
    console.pickAthlete(0);
    d.preparedPhotos().Wait();
    EXPECT_TRUE(d.preparedPhotos().Ready(photo, width)) << "decoded once the athlete is picked";
    console.changeScore(0);
    EXPECT_EQ(width, d.scorerPhoto()->width());
    EXPECT_NEAR(d.scorerPhoto()->width() * 1.25, d.scorerPhoto()->height(), 1);
    EXPECT_NE(d.scorerBall()->pixmap().cacheKey(), d.scorerPhoto()->pixmap().cacheKey());
}

TEST_F(DisplayScenario, BannerBlinksOnlyWhileDue) {
    Points(0, 24);
    ASSERT_TRUE(BannerUp(console.match()));
    const bool before = d.bannerIcon()->isVisible();
    console.framesTick();
    EXPECT_NE(before, d.bannerIcon()->isVisible());
    console.match().Display.Banner = false;
    const bool still = d.bannerIcon()->isVisible();
    console.framesTick();
    EXPECT_EQ(still, d.bannerIcon()->isVisible());
}

TEST_F(DisplayScenario, TheBannerStopsBlinkingWhenItsSetIsWon) {
    Points(0, 24);
    Points(0, 1); // 25-0: the set is won, the banner goes
    ASSERT_FALSE(console.match().Display.Banner);
    const bool before = d.bannerIcon()->isVisible();
    console.framesTick();
    EXPECT_EQ(before, d.bannerIcon()->isVisible());
}

TEST_F(DisplayScenario, MarkerBorderTakesThePaletteInTurn) {
    d.show();
    Points(3, 1);
    console.framesTick();
    EXPECT_TRUE(d.scoreFrame(1)->styleSheet().contains(QStringLiteral("#000080")));
    console.framesTick();
    EXPECT_TRUE(d.scoreFrame(1)->styleSheet().contains(QStringLiteral("#008000")));
}

TEST_F(DisplayScenario, LivePreviewFollowsTheDisplay) {
    EXPECT_TRUE(console.previewPicture().isNull());
    console.refreshPreview();
    EXPECT_EQ(console.previewSize(), console.previewPicture().size());
    console.displayTick();
    EXPECT_FALSE(console.previewPicture().isNull());
}

TEST_F(DisplayScenario, BandOffReLaysTheDisplayAtTheConsolesTick) {
    a.f.settings.values[QStringLiteral("Sponsor")] = QStringLiteral("0");
    console.load();
    console.sponsorHeightTick();
    EXPECT_NEAR(d.frameGeometry().width() * (1 - ScoreGapShare) / 2, d.scoreLabel(0)->width(), 1);
    EXPECT_FALSE(console.bandLayoutPending());
}

} // namespace
