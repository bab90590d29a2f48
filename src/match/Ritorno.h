#pragma once

#include <QString>
#include <optional>

struct Partita;
class TabellaLingue;

// The score line a rollback from this line takes the match to; nothing for a timeout line,
// or for the last line unless Undo asks.
std::optional<int> DestinazioneRitorno(const Partita& p, int riga);

QString DomandaRitorno(const Partita& p, int destinazione, const TabellaLingue& lingue);

// Rebuilds set, points, sets won, partials and timeouts from the history up to the line,
// then deletes every later line.
void EseguiRitorno(Partita& p, int destinazione, const TabellaLingue& lingue);

// The line Undo rolls back to, or nothing. Right after any set's end it is the score before
// the set-winning point.
std::optional<int> RigaUndo(const Partita& p);
