#include "display/Zoom.h"
#include "display/LayoutWithoutSponsor.h"

#include <gtest/gtest.h>

namespace {

ControlGeometry G(float l, float t, float w, float h, float font = 0) {
    return {l, t, w, h, font};
}

// The design layout with the band on, in twips.
ZoomControls Drawing() {
    ZoomControls c;
    c.scoreLabels = {G(2040, 1200, 1560, 1845, 54), G(3735, 1200, 1560, 1845, 54)};
    c.teamLogos = {G(2280, 0, 1185, 1185), G(3720, 0, 1185, 1185)};
    c.scoreFrames = {c.scoreLabels[0], c.scoreLabels[1]};
    c.setsWonLabels = {G(2100, 2580, 720, 420, 21.75f), G(4515, 2580, 720, 420, 21.75f)};
    c.timeoutLabels = {G(2880, 2580, 660, 420, 21.75f), G(3795, 2580, 660, 420, 21.75f)};
    c.homeNameLabel = G(0, 1200, 2040, 1845, 15.75f);
    c.guestsNameLabel = G(5295, 1200, 2040, 1845, 15.75f);
    c.clockLabel = G(6180, 0, 1095, 375, 12);
    c.headerLogo = G(120, 60, 1815, 1110);
    return c;
}

constexpr double W = 7335;

TEST(ZoomTest, ZoomPlusWithTheBandGrowsTheScoresAtTheHeaderLogosExpense) {
    ZoomControls c = Drawing();
    ZoomPlus(c, W, true);
    EXPECT_FLOAT_EQ(1660, c.scoreLabels[0].Width);
    EXPECT_FLOAT_EQ(1660.0f / 29, c.scoreLabels[0].FontSize);
    EXPECT_FLOAT_EQ(1100, c.scoreLabels[0].Top);
    EXPECT_FLOAT_EQ(1940, c.scoreLabels[0].Left) << "home grows to the left";
    EXPECT_FLOAT_EQ(3735, c.scoreLabels[1].Left) << "guests grow to the right: the gap stays";
    EXPECT_FLOAT_EQ(1085, c.teamLogos[0].Width);
    EXPECT_FLOAT_EQ(c.teamLogos[0].Height, c.teamLogos[0].Width);
    EXPECT_FLOAT_EQ(2330, c.teamLogos[0].Left);
    EXPECT_FLOAT_EQ(1940, c.homeNameLabel.Width);
    EXPECT_FLOAT_EQ(5395, c.guestsNameLabel.Left);
    EXPECT_FLOAT_EQ(1660, c.scoreFrames[0].Width) << "the home marker frames the home score";
    EXPECT_FLOAT_EQ(c.scoreLabels[1].Width, c.scoreFrames[1].Width);
    EXPECT_FLOAT_EQ(1940 + 60, c.setsWonLabels[0].Left) << "in the score's outer corner";
    EXPECT_FLOAT_EQ(3735 + 1660 - 720 - 60, c.setsWonLabels[1].Left);
    EXPECT_FLOAT_EQ(2880, c.timeoutLabels[0].Left) << "the inner edges do not move";
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
        EXPECT_FLOAT_EQ(1560.0f / 29, c.scoreLabels[k].FontSize);
        EXPECT_FLOAT_EQ(d.setsWonLabels[k].Left, c.setsWonLabels[k].Left);
        EXPECT_FLOAT_EQ(d.teamLogos[k].Left, c.teamLogos[k].Left);
    }
    EXPECT_FLOAT_EQ(d.guestsNameLabel.Left, c.guestsNameLabel.Left);
    EXPECT_FLOAT_EQ(2040.0f / 120, c.homeNameLabel.FontSize);
    EXPECT_FLOAT_EQ(d.headerLogo.Height, c.headerLogo.Height);
    EXPECT_FLOAT_EQ(d.headerLogo.Top, c.headerLogo.Top);
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

TEST(ZoomTest, WithoutTheBandTheScoresKeepHalfTheDisplayAboveTheirCounters) {
    ZoomControls c = Drawing();
    const double width = 28800;
    ZoomPlus(c, width, false);
    for (int k = 0; k < 2; ++k) {
        EXPECT_FLOAT_EQ(14400 - 28800 * ScoreGapShare / 2, c.scoreLabels[k].Width);
        EXPECT_FLOAT_EQ(1945, c.scoreLabels[k].Height);
        EXPECT_FLOAT_EQ(1100, c.scoreLabels[k].Top) << "grows upward: its bottom stays";
        EXPECT_FLOAT_EQ(ScoreFontAboveCounters(1945, 420), c.scoreLabels[k].FontSize);
        EXPECT_FLOAT_EQ(2580, c.setsWonLabels[k].Top) << "along the bottom, which stays";
        EXPECT_FLOAT_EQ(2580, c.timeoutLabels[k].Top);
        EXPECT_FLOAT_EQ(c.scoreLabels[k].Width, c.scoreFrames[k].Width);
    }
    EXPECT_FLOAT_EQ(2040, c.scoreLabels[0].Left) << "no sideways move without the band";
    EXPECT_EQ(Drawing().homeNameLabel.Width, c.homeNameLabel.Width)
        << "names stay in their bottom strip";
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
    const ControlGeometry home = Enlarge(Drawing().scoreLabels[0], window, width, height);
    const ControlGeometry guests = Enlarge(Drawing().scoreLabels[1], window, width, height);
    EXPECT_GT(home.Left, 0);
    EXPECT_LT(guests.Left + guests.Width, width);
    EXPECT_NEAR(home.Left, width - guests.Left - guests.Width, width * 0.01) << "centred";
    EXPECT_GT(guests.Left + guests.Width - home.Left, width * 0.9);
    EXPECT_GT(home.Top, 0) << "digits and counters whole";
    EXPECT_LT(home.Top + home.Height, height);
    EXPECT_NEAR(54 * ZoomFactor * width / 7335, home.FontSize, 0.01);
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
    c.statisticsTotals = {G(2650, 480, 855, 855, 36), G(3705, 480, 855, 855, 36)};
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
    EXPECT_FLOAT_EQ(3735, c.scoreLabels[0].Left);
    EXPECT_FLOAT_EQ(2040, c.scoreLabels[1].Left);
    EXPECT_FLOAT_EQ(5295, c.homeNameLabel.Left);
    EXPECT_FLOAT_EQ(4515, c.setsWonLabels[0].Left) << "sets won stay on the outer side";
    EXPECT_FLOAT_EQ(2880, c.timeoutLabels[1].Left);
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
            EXPECT_FLOAT_EQ(band ? 1560 : W / 2 - W * ScoreGapShare / 2, c.scoreLabels[k].Width)
                << band;
        }
        EXPECT_FLOAT_EQ(d.guestsNameLabel.Left, c.guestsNameLabel.Left);
        EXPECT_FLOAT_EQ(d.statisticsGuestsNames[3].Left, c.statisticsGuestsNames[3].Left);
        EXPECT_FLOAT_EQ(d.statisticsHomeNames[3].Left, c.statisticsHomeNames[3].Left);
    }
}

} // namespace
