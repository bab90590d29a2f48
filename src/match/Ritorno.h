#pragma once

#include <QString>
#include <optional>

struct Partita;
class TabellaLingue;

// Where a rollback takes the match: a score line of the history.
struct PuntoRitorno {
    int Riga = 0;
    int Set = 0;
    int Casa = 0;
    int Ospiti = 0;
};

// Nothing for a timeout line, or for the last line unless Undo asks.
std::optional<PuntoRitorno> DestinazioneRitorno(const Partita& p, int riga);

QString DomandaRitorno(const PuntoRitorno& d, const TabellaLingue& lingue);

// Rebuilds set, points, sets won, partials and timeouts from the history up to the line,
// then deletes every later line.
void EseguiRitorno(Partita& p, const PuntoRitorno& d, const TabellaLingue& lingue);

// The line Undo rolls back to, or nothing.
std::optional<int> RigaUndo(const Partita& p);
