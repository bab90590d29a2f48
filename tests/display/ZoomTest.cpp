#include "display/Zoom.h"

#include <gtest/gtest.h>

namespace {

ControlGeometry G(float l, float t, float w, float h, float font = 0) {
    return {l, t, w, h, font};
}

// The design layout with the band on, in twips.
ZoomControls Drawing() {
    ZoomControls c;
    c.scoreLabels = {G(1980, 1200, 1635, 1575, 63.75f), G(3600, 1200, 1635, 1575, 63.75f)};
    c.teamLogos = {G(2280, 0, 1185, 1185), G(3720, 0, 1185, 1185)};
    c.scoreFrames = {c.scoreLabels[0], c.scoreLabels[1]};
    c.setsWonLabels = {G(2010, 2340, 255, 495, 21.75f), G(4930, 2340, 255, 555, 21.75f)};
    c.timeoutLabels = {G(3360, 2400, 255, 495, 18), G(3620, 2400, 255, 495, 18)};
    c.sideIcons = {G(2280, 2460, 375, 375), G(4580, 2460, 375, 375), G(3070, 2460, 315, 315),
                   G(3860, 2460, 315, 315)};
    c.homeNameLabel = G(0, 1200, 1995, 1575, 15.75f);
    c.guestsNameLabel = G(5220, 1200, 1995, 1575, 15.75f);
    c.clockLabel = G(5880, 0, 1275, 375, 12);
    c.headerLogo = G(120, 60, 1815, 1110);
    return c;
}

constexpr double W = 7335;

TEST(ZoomTest, ZoomPlusWithTheBandGrowsTheScoresAtTheHeaderLogosExpense) {
    ZoomControls c = Drawing();
    ZoomPlus(c, W, true);
    EXPECT_FLOAT_EQ(1735, c.scoreLabels[0].Width);
    EXPECT_FLOAT_EQ(1735.0f / 25, c.scoreLabels[0].FontSize);
    EXPECT_FLOAT_EQ(1100, c.scoreLabels[0].Top);
    EXPECT_FLOAT_EQ(1880, c.scoreLabels[0].Left) << "home grows to the left";
    EXPECT_FLOAT_EQ(3600, c.scoreLabels[1].Left) << "guests grow to the right";
    EXPECT_FLOAT_EQ(1085, c.teamLogos[0].Width);
    EXPECT_FLOAT_EQ(c.teamLogos[0].Height, c.teamLogos[0].Width);
    EXPECT_FLOAT_EQ(2330, c.teamLogos[0].Left);
    EXPECT_FLOAT_EQ(1895, c.homeNameLabel.Width);
    EXPECT_FLOAT_EQ(5320, c.guestsNameLabel.Left);
    EXPECT_FLOAT_EQ(1735, c.scoreFrames[0].Width) << "the home marker frames the home score";
    EXPECT_FLOAT_EQ(c.scoreLabels[1].Width, c.scoreFrames[1].Width);
    EXPECT_FLOAT_EQ(2010 + 50 + 255, c.sideIcons[0].Left) << "placed before the counter moved";
    EXPECT_FLOAT_EQ(1930, c.setsWonLabels[0].Left);
    EXPECT_FLOAT_EQ(4930 - 375 - 50, c.sideIcons[1].Left);
    EXPECT_FLOAT_EQ(5320 - 255 - 40, c.setsWonLabels[1].Left);
    EXPECT_FLOAT_EQ(1020, c.headerLogo.Height);
    EXPECT_FLOAT_EQ(53, c.headerLogo.Top);
    EXPECT_FLOAT_EQ(1815 - 1815 * 60.0f / 1020, c.headerLogo.Width);
}

TEST(ZoomTest, ZoomMinusUndoesPositionsButRecomputesWidthsAndFonts) {
    ZoomControls c = Drawing();
    ZoomPlus(c, W, true);
    ZoomMinus(c, W, true);
    const ZoomControls d = Drawing();
    for (int k = 0; k < 2; ++k) {
        EXPECT_FLOAT_EQ(d.scoreLabels[k].Left, c.scoreLabels[k].Left);
        EXPECT_FLOAT_EQ(d.scoreLabels[k].Top, c.scoreLabels[k].Top);
        EXPECT_FLOAT_EQ(d.scoreLabels[k].Width, c.scoreLabels[k].Width);
        EXPECT_FLOAT_EQ(d.scoreLabels[k].Height, c.scoreLabels[k].Height);
        EXPECT_FLOAT_EQ(1635.0f / 25, c.scoreLabels[k].FontSize);
        EXPECT_FLOAT_EQ(d.teamLogos[k].Left, c.teamLogos[k].Left);
    }
    EXPECT_FLOAT_EQ(d.guestsNameLabel.Left, c.guestsNameLabel.Left);
    EXPECT_FLOAT_EQ(1995.0f / 120, c.homeNameLabel.FontSize);
    EXPECT_FLOAT_EQ(d.headerLogo.Height, c.headerLogo.Height);
    EXPECT_FLOAT_EQ(d.headerLogo.Top, c.headerLogo.Top);
    EXPECT_LT(c.setsWonLabels[0].Left, c.scoreLabels[0].Left)
        << "the home counter ends outside the score";
}

TEST(ZoomTest, EachMarkerTakesItsOwnScoresWidth) {
    for (bool plus : {true, false}) {
        ZoomControls c = Drawing();
        // Widths read back from pixels differ by a rounding between the sides.
        c.scoreLabels[1].Width += 105;
        plus ? ZoomPlus(c, W, true) : ZoomMinus(c, W, true);
        for (int k = 0; k < 2; ++k) {
            EXPECT_FLOAT_EQ(c.scoreLabels[k].Width, c.scoreFrames[k].Width) << plus << k;
        }
    }
}

TEST(ZoomTest, WithoutTheBandTheScoresKeepHalfTheDisplayAndTheCountersRise) {
    ZoomControls c = Drawing();
    const double width = 28800;
    ZoomPlus(c, width, false);
    for (int k = 0; k < 2; ++k) {
        EXPECT_FLOAT_EQ(14400, c.scoreLabels[k].Width);
        EXPECT_FLOAT_EQ(1675, c.scoreLabels[k].Height);
        EXPECT_FLOAT_EQ(1100, c.scoreLabels[k].Top) << "grows upward: its bottom stays";
        EXPECT_FLOAT_EQ(1675.0f / 23, c.scoreLabels[k].FontSize);
        EXPECT_FLOAT_EQ(2240, c.setsWonLabels[k].Top);
        EXPECT_FLOAT_EQ(2300, c.timeoutLabels[k].Top);
    }
    EXPECT_FLOAT_EQ(14400 - 200, c.scoreFrames[0].Width);
    EXPECT_FLOAT_EQ(14400, c.scoreFrames[1].Width);
    EXPECT_FLOAT_EQ(1980, c.scoreLabels[0].Left) << "no sideways move without the band";
    EXPECT_EQ(Drawing().homeNameLabel.Width, c.homeNameLabel.Width)
        << "names stay in their bottom strip";
    ZoomMinus(c, width, false);
    EXPECT_FLOAT_EQ(2340, c.setsWonLabels[0].Top);
}

TEST(ZoomTest, StepsStopAtTheirLimits) {
    struct Case {
        const char* name;
        bool plus;
        int possibleSteps;
    };
    // Zoom +: the score top climbs 100 a step from 1200 until it reaches the clock's 375.
    // Zoom -: the header logo grows 90 a step from 1110 until it passes 2900.
    for (const Case& testCase : {Case{"zoom +", true, 9}, Case{"zoom -", false, 20}}) {
        ZoomControls c = Drawing();
        int steps = 0;
        while (!(testCase.plus ? ZoomPlusAtLimit(c) : ZoomMinusAtLimit(c)) && steps < 100) {
            testCase.plus ? ZoomPlus(c, W, true) : ZoomMinus(c, W, true);
            ++steps;
        }
        EXPECT_EQ(testCase.possibleSteps, steps) << testCase.name;
    }
}

TEST(ZoomTest, TheTwoScoresFillTheScreen) {
    const ControlGeometry window = G(0, 0, 7335, 3930);
    const double width = 28800, height = 16200;
    const ControlGeometry home = Enlarge(G(1980, 1200, 1635, 1575, 63.75f), window, width, height);
    const ControlGeometry guests =
        Enlarge(G(3600, 1200, 1635, 1575, 63.75f), window, width, height);
    EXPECT_NEAR(0, home.Left, width * 0.01);
    EXPECT_NEAR(width, guests.Left + guests.Width, width * 0.02);
    EXPECT_GT(home.Top, 0);
    EXPECT_LT(home.Top + home.Height, height);
    EXPECT_NEAR(63.75 * 2.23 * width / 7335, home.FontSize, 0.01);
    const ControlGeometry logo = Enlarge(G(120, 60, 1815, 1110), window, width, height);
    EXPECT_LT(logo.Left + logo.Width, 0) << "the header logo leaves the screen";
}

SwapControls SwapDrawing() {
    const ZoomControls z = Drawing();
    SwapControls c;
    c.scoreLabels = z.scoreLabels;
    c.scoreFrames = z.scoreFrames;
    c.homeNameLabel = z.homeNameLabel;
    c.guestsNameLabel = z.guestsNameLabel;
    c.setsWonLabels = z.setsWonLabels;
    c.timeoutLabels = z.timeoutLabels;
    c.teamLogos = z.teamLogos;
    c.statisticsTeamNames = {G(0, 480, 1815, 855, 12), G(5400, 480, 1815, 855, 12)};
    c.statisticsTotals = {G(2640, 480, 975, 855, 36), G(3600, 480, 975, 855, 36)};
    c.statisticsLogos = {G(1800, 480, 850, 850), G(4560, 480, 850, 850)};
    for (int i = 0; i < 4; ++i) {
        const float top = 1320.0f + 360 * i;
        c.statisticsHomeNames[i] = G(0, top, 2655, 375, 12);
        c.statisticsHomePoints[i] = G(2640, top, 975, 375, 14.25f);
        c.statisticsGuestsPoints[i] = G(3600, top, 975, 375, 14.25f);
        c.statisticsGuestsNames[i] = G(4560, top, 2655, 375, 12);
    }
    return c;
}

TEST(SwapTest, SwapPutsHomeOnTheRightAndNamesLeanToTheCentre) {
    SwapControls c = SwapDrawing();
    SwapDisplay(c, W, true);
    EXPECT_FLOAT_EQ(3600, c.scoreLabels[0].Left);
    EXPECT_FLOAT_EQ(1980, c.scoreLabels[1].Left);
    EXPECT_FLOAT_EQ(5220, c.homeNameLabel.Left);
    EXPECT_FLOAT_EQ(4930, c.setsWonLabels[0].Left);
    EXPECT_FLOAT_EQ(5400, c.statisticsTeamNames[0].Left);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(4560, c.statisticsHomeNames[i].Left);
        EXPECT_FLOAT_EQ(3600, c.statisticsHomePoints[i].Left);
        EXPECT_FLOAT_EQ(0, c.statisticsGuestsNames[i].Left);
    }
    EXPECT_FLOAT_EQ(1200, c.scoreLabels[0].Top) << "tops and sizes stay";
}

TEST(SwapTest, SwappingTwiceRestoresEveryPlace) {
    for (bool band : {true, false}) {
        SwapControls c = SwapDrawing();
        SwapDisplay(c, W, band);
        SwapDisplay(c, W, band);
        const SwapControls d = SwapDrawing();
        for (int k = 0; k < 2; ++k) {
            EXPECT_FLOAT_EQ(d.scoreLabels[k].Left, c.scoreLabels[k].Left) << band;
            EXPECT_FLOAT_EQ(d.statisticsLogos[k].Left, c.statisticsLogos[k].Left) << band;
            EXPECT_FLOAT_EQ(band ? 1635 : W / 2 - 180, c.scoreLabels[k].Width) << band;
        }
        EXPECT_FLOAT_EQ(d.guestsNameLabel.Left, c.guestsNameLabel.Left);
        EXPECT_FLOAT_EQ(d.statisticsGuestsNames[3].Left, c.statisticsGuestsNames[3].Left);
        EXPECT_FLOAT_EQ(d.statisticsHomeNames[3].Left, c.statisticsHomeNames[3].Left);
    }
}

} // namespace
