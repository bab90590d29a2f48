#pragma once

#include "teams/Squadre.h"

#include <QString>
#include <QStringList>
#include <vector>

class TabellaLingue;

// A point the history credits to a side: removal lines are not points, and each one takes
// back the most recent point of its side in its set.
struct PuntoAccreditato {
    int Riga = 0;
    int Set = 0;
    int Lato = 0;      // 0 home, 1 guests
    QString Codice;    // athlete code: a number, "E" or "N"
    int Tipo = 0;      // point type 0..4
    int Casa = 0;      // score after the point
    int Ospiti = 0;
};

std::vector<PuntoAccreditato> PuntiAccreditati(const QStringList& storico);

// The statistics list of one set (1..5) or of the match (0): "Home  :   7 5" lines, best first.
QStringList RigheStatistiche(const std::vector<PuntoAccreditato>& punti, int set);

// The four best scorers of each side from those lines, "E" and "N" left out.
struct Migliori {
    QStringList Codici[2];
    QStringList Conteggi[2];
};
Migliori MiglioriMarcatori(const QStringList& righe);

// One row of a side's points summary.
struct RigaRiepilogo {
    QString Numero;
    QString Cognome;
    int Totale = 0;
    int PerTipo[5] = {0, 0, 0, 0, 0};
};

// Every roster row up to the first number that is not a positive number.
std::vector<RigaRiepilogo> Riepilogo(const Rosa& rosa, int lato,
                                     const std::vector<PuntoAccreditato>& punti);

// The export: the header line, then one line per row.
QStringList RigheEsportazione(const std::vector<RigaRiepilogo>& righe);
