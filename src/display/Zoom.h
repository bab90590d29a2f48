#pragma once

#include "shared/Geometry.h"

#include <array>

// The display's controls a zoom step moves, in twips.
struct ZoomControls {
    std::array<ControlGeometry, 2> scoreLabels;
    std::array<ControlGeometry, 2> teamLogos;
    std::array<ControlGeometry, 2> scoreFrames;
    std::array<ControlGeometry, 2> setsWonLabels;
    std::array<ControlGeometry, 2> timeoutLabels;
    ControlGeometry homeNameLabel;
    ControlGeometry guestsNameLabel;
    ControlGeometry clockLabel; // the clock: the scores may grow up to it
    ControlGeometry headerLogo; // the header logo gives up the room
};

// Zoom + stops when the home score's top reaches the clock's bottom.
bool ZoomPlusAtLimit(const ZoomControls& c);
// Zoom - stops when the header logo has grown taller than 2900 twips.
bool ZoomMinusAtLimit(const ZoomControls& c);

// One step of 100 twips; the layouts with and without the band grow differently.
// W is the display's outer width.
void ZoomPlus(ZoomControls& c, double W, bool bandOn);
void ZoomMinus(ZoomControls& c, double W, bool bandOn);

// The whole centre magnified: control k of the recorded design, in a display of W x H.
constexpr double ZoomFactor = 2.12;
ControlGeometry Enlarge(const ControlGeometry& design, const ControlGeometry& window, double W,
                        double H);

// The display's controls that change sides when the panels swap, in twips.
struct SwapControls {
    std::array<ControlGeometry, 2> scoreLabels;
    std::array<ControlGeometry, 2> scoreFrames;
    ControlGeometry homeNameLabel;
    ControlGeometry guestsNameLabel;
    std::array<ControlGeometry, 2> setsWonLabels;
    std::array<ControlGeometry, 2> timeoutLabels;
    std::array<ControlGeometry, 2> teamLogos;
    std::array<ControlGeometry, 2> statisticsTeamNames;
    std::array<ControlGeometry, 2> statisticsTotals;
    std::array<ControlGeometry, 2> statisticsLogos;
    // The last-points rows: home name, home count, guest count, guest name.
    std::array<ControlGeometry, 4> statisticsHomeNames;
    std::array<ControlGeometry, 4> statisticsHomePoints;
    std::array<ControlGeometry, 4> statisticsGuestsPoints;
    std::array<ControlGeometry, 4> statisticsGuestsNames;
};

// Left and right change places; with the band off the scores and names take half the width
// but for the gap between the scores.
void SwapDisplay(SwapControls& c, double W, bool bandOn);
