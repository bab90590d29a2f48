#pragma once

#include "teams/Squadre.h"

#include <QStringList>

// The presentation of the line-ups: where it is, person by person.
struct StatoPresentazione {
    int RichiestaStop = 0;
    int SquadraPresentata = 0;
    int PassoPresentazione = 0; // twips the panel moves a tick
    int RigaPresentata = 0;
    int FasePresentazione = 0;  // 0 coming in, 1 held or leaving
    int FotoMancante = 0;
};

// The called-up numbers of a side in roster order, as its roster list lists them.
QStringList NumeriConvocati(const Rosa& rosa);

struct MossaPresentazione {
    int Left;       // twips
    int Intervallo; // ms until the next tick
    bool Tieni;     // the panel has just passed the middle: hold it and enlarge the photo
};

// One move of the panel, given its left edge and the centred position (twips).
MossaPresentazione MuoviPresentazione(StatoPresentazione& s, int left, int centro);

// One of the seven enlargement steps of a held photo (positions and sizes in any unit).
struct RettangoloFoto {
    double Left, Top, Width, Height;
};
RettangoloFoto IngrandisciFoto(const RettangoloFoto& r);
