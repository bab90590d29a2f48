#pragma once

#include "teams/Teams.h"

#include <QStringList>

// The presentation of the line-ups: where it is, person by person.
struct PresentationState {
    int StopRequest = 0;
    int PresentedTeam = 0;
    int PresentationStep = 0; // twips the panel moves a tick
    int PresentedLine = 0;
    int PresentationPhase = 0; // 0 coming in, 1 held or leaving
    int MissingPhoto = 0;
};

// The called-up numbers of a side in roster order, as its roster list lists them.
QStringList CalledUpNumbers(const Roster& roster);

struct PresentationMove {
    int Left;     // twips
    int Interval; // ms until the next tick
    bool Hold;    // the panel has just passed the middle: hold it and enlarge the photo
};

// One move of the panel, given its left edge and the centred position (twips).
PresentationMove MovePresentation(PresentationState& s, int left, int centre);

// One of the seven enlargement steps of a held photo (positions and sizes in any unit).
struct PhotoRectangle {
    double Left, Top, Width, Height;
};
PhotoRectangle EnlargePhoto(const PhotoRectangle& r);
