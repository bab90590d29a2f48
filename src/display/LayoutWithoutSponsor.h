#pragma once

#include "shared/Geometry.h"

#include <array>

// The display's controls that move when the sponsor band is off, in twips.
struct ControlsWithoutSponsor {
    std::array<ControlGeometry, 2> scoreLabels;
    std::array<ControlGeometry, 2> teamLogos;
    std::array<ControlGeometry, 4> sideIcons;
    std::array<ControlGeometry, 2> setsWonLabels;
    std::array<ControlGeometry, 2> timeoutLabels;
    std::array<ControlGeometry, 2> scoreFrames;
    ControlGeometry homeNameLabel;
    ControlGeometry guestsNameLabel;
};

// Scores fill the two halves below the logos, team names take a bottom strip of H/7.
void LayoutWithoutSponsor(ControlsWithoutSponsor& c, double width, double height);
