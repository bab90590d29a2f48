#pragma once

#include "display/Colori.h"
#include "display/Sponsor.h"

#include <QString>
#include <array>

// The statistics panel's content: title, totals, names and four rows a side.
struct PannelloStatistiche {
    QString Titolo;
    QString Totali[2];
    QString Nomi[2];
    QString NomiCasa[4], PuntiCasa[4], PuntiOspiti[4], NomiOspiti[4];
};

// What the display's lower panel carries while it slides in view.
enum class InVista { Nessuno, Marcatore, Statistiche, UltimiPunti, SquadraInTesta };

struct SquadraInTesta {
    int Lato = 0;
    QString Titolo;
    QString Set;
    QString Punteggio;
};

// What the display shows beyond the match record: kept by the display as it shows it, read
// by whoever tells the outside world.
struct StatoSchermo {
    InVista Pannello = InVista::Nessuno;
    PannelloStatistiche Statistiche;
    SquadraInTesta InTesta;
    bool Presentazione = false;
    // The picture in each band slot, and the slot that changed last.
    std::array<QString, SlotBanda> Sponsor;
    int UltimoSlot = -1;
    ColoriPannello Colori = ColoriPredefiniti();
};
