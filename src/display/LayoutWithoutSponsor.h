#pragma once

#include "shared/Geometry.h"

#include <array>

// The display's controls that move when the sponsor band is off, in twips.
struct ControlsWithoutSponsor {
    std::array<ControlGeometry, 2> scoreLabels;
    std::array<ControlGeometry, 2> teamLogos;
    std::array<ControlGeometry, 2> setsWonLabels;
    std::array<ControlGeometry, 2> timeoutLabels;
    std::array<ControlGeometry, 2> scoreFrames;
    ControlGeometry homeNameLabel;
    ControlGeometry guestsNameLabel;
};

// The board between the two scores, of the display's width: "24 20", never "2420".
constexpr double ScoreGapShare = 1.0 / 40;

// A score's font when its counters take the bottom of its panel: its line of digits (1.2 em,
// 20 twips a point) fills the rest.
float ScoreFontAboveCounters(double scoreHeight, double counterHeight);

// Scores fill the two halves below the logos but for the gap between them, their counters
// along their bottom (sets won outside, timeouts inside); team names take a bottom strip of
// H/7.
void LayoutWithoutSponsor(ControlsWithoutSponsor& c, double width, double height);
