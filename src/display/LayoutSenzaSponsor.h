#pragma once

#include "shared/Geometria.h"

#include <array>

// The display's controls that move when the sponsor band is off, in twips.
struct ControlliSenzaSponsor {
    std::array<GeometriaControllo, 2> LabScore;
    std::array<GeometriaControllo, 2> teamLogos;
    std::array<GeometriaControllo, 4> sideIcons;
    std::array<GeometriaControllo, 2> setsWonLabels;
    std::array<GeometriaControllo, 2> timeoutLabels;
    std::array<GeometriaControllo, 2> scoreFrames;
    GeometriaControllo homeNameLabel;
    GeometriaControllo guestsNameLabel;
};

// Scores fill the two halves below the logos, team names take a bottom strip of H/7.
void LayoutSenzaSponsor(ControlliSenzaSponsor& c, double larghezza, double altezza);
