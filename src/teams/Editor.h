#pragma once

#include "teams/Squadre.h"

#include <array>
#include <optional>

// The team editor's rows and the rules it applies to them, apart from its window.

// The role box lists the five roles, then an empty entry.
constexpr int VoceRuoloVuota = 5;

struct RigaEditor {
    QString Numero;
    QString Cognome;
    QString Nome;
    int Ruolo = -1; // entry of the role box; -1 none selected
    bool Convocato = false;
    bool operator==(const RigaEditor&) const = default;
};
using RigheEditor = std::array<RigaEditor, CapacitaEditor>;

// The role box entry for a file's role field: its leading number picks the role, 0 the empty
// entry, any other number nothing.
int IndiceRuolo(const QString& campo);

struct RosaEditor {
    RigheEditor Righe;
    // Rows past the editor's 27, kept as read so saving never loses them.
    std::vector<Atleta> Oltre;
};

RosaEditor LeggiRosaEditor(const QString& percorso);

// Players by ascending number, then staff codes and zeros, then empty rows.
void OrdinaRighe(RigheEditor& righe);

// The first row with a ";" in a text field: the file format cannot carry it.
std::optional<int> RigaConPuntoEVirgola(const RigheEditor& righe);

// What the file gets: the numbered rows in screen order, then the rows the editor did not show.
std::vector<Atleta> RigheDaSalvare(const RosaEditor& rosa, const TabellaLingue& lingue);

// The announcement copied as <number> + the chosen file's last four characters, lower case,
// after both old announcements of that number are removed.
QString DestinazioneAudio(const QString& cartellaSquadra, const QString& numero,
                          const QString& scelto);
bool ImportaAudio(const QString& cartellaSquadra, const QString& numero, const QString& scelto);
