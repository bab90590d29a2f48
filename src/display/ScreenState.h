#pragma once

#include "display/Colours.h"
#include "display/Sponsor.h"

#include <QString>
#include <array>

// The statistics panel's content: title, totals, names and four rows a side.
struct StatisticsPanel {
    QString Title;
    QString Totals[2];
    QString Names[2];
    QString HomeNames[4], HomePoints[4], GuestsPoints[4], GuestsNames[4];
};

// What the display's lower panel carries while it slides in view.
enum class InView { None, Scorer, Statistics, LastPoints, LeadingTeam };

struct LeadingTeam {
    int Side = 0;
    QString Title;
    QString Set;
    QString Score;
};

// What the display shows beyond the match record: kept by the display as it shows it, read
// by whoever tells the outside world.
struct ScreenState {
    InView Panel = InView::None;
    StatisticsPanel Statistics;
    LeadingTeam Leading;
    bool Presentation = false;
    // The picture in each band slot, and the slot that changed last.
    std::array<QString, BandSlot> Sponsor;
    int LastSlot = -1;
    PanelColours Colours = DefaultColours();
};
