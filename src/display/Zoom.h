#pragma once

#include "shared/Geometria.h"

#include <array>

// The display's controls a zoom step moves, in twips.
struct ControlliZoom {
    std::array<GeometriaControllo, 2> LabScore;
    std::array<GeometriaControllo, 2> teamLogos;
    std::array<GeometriaControllo, 2> scoreFrames;
    std::array<GeometriaControllo, 2> setsWonLabels;
    std::array<GeometriaControllo, 2> timeoutLabels;
    std::array<GeometriaControllo, 4> sideIcons;
    GeometriaControllo homeNameLabel;
    GeometriaControllo guestsNameLabel;
    GeometriaControllo clockLabel; // the clock: the scores may grow up to it
    GeometriaControllo headerLogo; // the header logo gives up the room
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
    std::array<GeometriaControllo, 2> scoreFrames;
    GeometriaControllo homeNameLabel;
    GeometriaControllo guestsNameLabel;
    std::array<GeometriaControllo, 2> setsWonLabels;
    std::array<GeometriaControllo, 2> timeoutLabels;
    std::array<GeometriaControllo, 2> teamLogos;
    std::array<GeometriaControllo, 2> statisticsTeamNames;
    std::array<GeometriaControllo, 2> statisticsTotals;
    std::array<GeometriaControllo, 2> statisticsLogos;
    // The last-points rows: home name, home count, guest count, guest name.
    std::array<GeometriaControllo, 4> statisticsHomeNames;
    std::array<GeometriaControllo, 4> statisticsHomePoints;
    std::array<GeometriaControllo, 4> statisticsGuestsPoints;
    std::array<GeometriaControllo, 4> statisticsGuestsNames;
};

// Left and right change places; with the band off the scores and names take W/2 - 180.
void GiraTabellone(ControlliGiro& c, double W, bool bandaAccesa);
