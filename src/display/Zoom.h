#pragma once

#include "shared/Geometria.h"

#include <array>

// The display's controls a zoom step moves, in twips.
struct ControlliZoom {
    std::array<GeometriaControllo, 2> LabScore;
    std::array<GeometriaControllo, 2> Image1;
    std::array<GeometriaControllo, 2> Shape1;
    std::array<GeometriaControllo, 2> Label3;
    std::array<GeometriaControllo, 2> Label6;
    std::array<GeometriaControllo, 4> Image8;
    GeometriaControllo Label1;
    GeometriaControllo Label2;
    GeometriaControllo Label4; // the clock: the scores may grow up to it
    GeometriaControllo Image4; // the header logo gives up the room
};

// Zoom + stops when the home score's top reaches the clock's bottom.
bool ZoomPiuAlLimite(const ControlliZoom& c);
// Zoom - stops when the header logo has grown taller than 2900 twips.
bool ZoomMenoAlLimite(const ControlliZoom& c);

// One step of 100 twips; the layouts with and without the band grow differently.
// W is the display's outer width.
void ZoomPiu(ControlliZoom& c, double W, bool bandaAccesa);
void ZoomMeno(ControlliZoom& c, double W, bool bandaAccesa);

// The whole centre magnified: control k of the recorded design, in a display of W x H.
constexpr double FattoreIngrandimento = 2.23;
GeometriaControllo Ingrandisci(const GeometriaControllo& design, const GeometriaControllo& finestra,
                               double W, double H);

// The display's controls that change sides when the panels swap, in twips.
struct ControlliGiro {
    std::array<GeometriaControllo, 2> LabScore;
    std::array<GeometriaControllo, 2> Shape1;
    GeometriaControllo Label1;
    GeometriaControllo Label2;
    std::array<GeometriaControllo, 2> Label3;
    std::array<GeometriaControllo, 2> Label6;
    std::array<GeometriaControllo, 2> Image1;
    std::array<GeometriaControllo, 2> Label10;
    std::array<GeometriaControllo, 2> Label9;
    std::array<GeometriaControllo, 2> Image5;
    // The last-points rows: home name, home count, guest count, guest name.
    std::array<GeometriaControllo, 4> Label12;
    std::array<GeometriaControllo, 4> Label11;
    std::array<GeometriaControllo, 4> Label13;
    std::array<GeometriaControllo, 4> Label14;
};

// Left and right change places; with the band off the scores and names take W/2 - 180.
void GiraTabellone(ControlliGiro& c, double W, bool bandaAccesa);
