#include "display/ui/DisplayWindow.h"
#include "doubles/DisplayProbe.h"
#include "doubles/Doubles.h"
#include "doubles/Printing.h"
#include "match/Match.h"
#include "platform/Platform.h"
#include "shared/CommonSettings.h"
#include "sound/Audio.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DisplayWindowTest : public ::testing::Test {
  protected:
    DisplayWindowTest() : window(f.platform, p, m, player) {
        QObject::connect(&window, &DisplayWindow::resized, [this] { ++sponsorRequests; });
    }

    // The window's outer size as a multiple of its designed 7335 x 3930 twips.
    void Size(double fx, double fy) {
        const QSize borders = display.frameGeometry().size() - display.size();
        display.resize(static_cast<int>(489 * fx) - borders.width(),
                       static_cast<int>(262 * fy) - borders.height());
        display.layOutControls();
    }

    FakePlatform f;
    FakeSettings& settings = f.settings;
    Match p;
    CommonSettings m;
    Player player{f.audio, f.dialogs};
    int sponsorRequests = 0;
    DisplayWindow window;
    DisplayProbe display{window};
};

TEST_F(DisplayWindowTest, RecordsTheDesignOfEveryControl) {
    const ControlsGeometry& g = display.designGeometry();
    EXPECT_FLOAT_EQ(7335, g[0].Width) << "the outer size, borders and title bar included";
    EXPECT_FLOAT_EQ(3930, g[0].Height);
    const ControlGeometry& lastTimer = g.back();
    EXPECT_FLOAT_EQ(0, lastTimer.Width);
    EXPECT_FLOAT_EQ(0, lastTimer.FontSize);
}

TEST_F(DisplayWindowTest, TwiceTheDesignSizeDoublesPositionsSizesAndFonts) {
    Size(1, 1);
    const QRect before = display.scoreLabel(0)->geometry();
    Size(2, 2);
    EXPECT_DOUBLE_EQ(108, display.scoreLabel(0)->font().pointSizeF());
    EXPECT_DOUBLE_EQ(31.5, display.homeNameLabel()->font().pointSizeF());
    const QRect after = display.scoreLabel(0)->geometry();
    EXPECT_NEAR(before.x() * 2, after.x(), 1);
    EXPECT_NEAR(before.width() * 2, after.width(), 1);
    EXPECT_NEAR(before.height() * 2, after.height(), 1);
    EXPECT_GE(sponsorRequests, 1);
}

TEST_F(DisplayWindowTest, WiderButNotTallerScalesFontsByWidthOnly) {
    Size(1, 1);
    const int height = display.scoreLabel(0)->height();
    Size(3, 1);
    EXPECT_NEAR(162, display.scoreLabel(0)->font().pointSizeF(), 0.01);
    EXPECT_NEAR(height, display.scoreLabel(0)->height(), 1);
}

TEST_F(DisplayWindowTest, ResizeDiscardsMovedPanels) {
    Size(1, 1);
    const QPoint rest = display.overlayPanel(1)->pos();
    display.overlayPanel(1)->move(0, 0);
    display.layOutControls();
    EXPECT_EQ(rest, display.overlayPanel(1)->pos());
}

TEST_F(DisplayWindowTest, OnlyAMaximisedDisplayStoresItsPosition) {
    display.show();
    display.layOutControls();
    EXPECT_TRUE(settings.values.isEmpty());
    display.showMaximized();
    display.layOutControls();
    EXPECT_TRUE(settings.values.contains(QStringLiteral("Top")));
    EXPECT_TRUE(settings.values.contains(QStringLiteral("Left")));
    settings.values.clear();
    display.showMinimized();
    sponsorRequests = 0;
    display.layOutControls();
    EXPECT_TRUE(settings.values.isEmpty());
    EXPECT_EQ(0, sponsorRequests) << "minimised: nothing happens";
}

TEST_F(DisplayWindowTest, BannerIsCentredAtTheTopOrParkedBeyondTheRightEdge) {
    p.Display.Banner = true;
    p.Display.BannerText = QStringLiteral("SET POINT");
    display.showMatch();
    const int w = display.bannerIcon()->width();
    EXPECT_EQ(display.frameGeometry().width() / 2 - w / 2 - 3, display.bannerIcon()->x())
        << "50 twips left of centre";
    EXPECT_EQ(0, display.bannerIcon()->y());
    EXPECT_EQ(static_cast<int>(w * 164.0 / 640.0), display.bannerIcon()->height());
    EXPECT_EQ(QStringLiteral("SET POINT"), display.bannerText()->text());
    p.Display.Banner = false;
    display.showMatch();
    EXPECT_EQ(display.width() + 1000, display.bannerIcon()->x());
}

TEST_F(DisplayWindowTest, ScorerPhotoThatIsNotAPictureGivesTheDefault) {
    QTemporaryDir folder;
    const QString fake = folder.filePath(QStringLiteral("7.jpg"));
    QFile file(fake);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    p.ScorerPhoto = fake;
    display.showMatch();
    // Decoded on a worker: the failure arrives like a picture would.
    display.preparedPhotos().Wait();
    EXPECT_EQ(display.scorerBall()->pixmap().cacheKey(),
              display.scorerPhoto()->pixmap().cacheKey());
    EXPECT_EQ(static_cast<int>(display.width() / 1.6), display.scorerPhoto()->width());
}

TEST_F(DisplayWindowTest, ShowsTheRecord) {
    p.Display.Points = {QStringLiteral("25"), QStringLiteral("23")};
    p.Display.Name = {QStringLiteral("Lupi"), QStringLiteral("Orsi")};
    p.Display.Serving = {false, true};
    p.SetsWon = {1, 0};
    p.TimeoutsCalled = {2, 1};
    p.Partials[0] = QStringLiteral("25/23");
    display.show();
    display.showMatch();
    EXPECT_EQ(QStringLiteral("25"), display.shownScore(0));
    EXPECT_EQ(QStringLiteral("Orsi"), display.guestsNameLabel()->text());
    EXPECT_EQ(QStringLiteral("1"), display.shownSets(0));
    EXPECT_EQ(QStringLiteral("1"), display.shownTimeouts(1));
    EXPECT_EQ(QStringLiteral("25/23"), display.partialLabel(0)->text());
    EXPECT_FALSE(display.scoreFrame(0)->isVisible());
    EXPECT_TRUE(display.scoreFrame(1)->isVisible());
}

} // namespace
