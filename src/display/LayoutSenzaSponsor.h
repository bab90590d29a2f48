#pragma once

#include "shared/Geometria.h"

#include <array>

// The display's controls that move when the sponsor band is off, in twips.
struct ControlliSenzaSponsor {
    std::array<GeometriaControllo, 2> LabScore;
    std::array<GeometriaControllo, 2> Image1;
    std::array<GeometriaControllo, 4> Image8;
    std::array<GeometriaControllo, 2> Label3;
    std::array<GeometriaControllo, 2> Label6;
    std::array<GeometriaControllo, 2> Shape1;
    GeometriaControllo Label1;
    GeometriaControllo Label2;
};

// Scores fill the two halves below the logos, team names take a bottom strip of H/7.
void LayoutSenzaSponsor(ControlliSenzaSponsor& c, double larghezza, double altezza);
