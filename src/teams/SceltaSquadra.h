#pragma once

#include "teams/Squadre.h"

// What choosing a team folder gives a side: its roster, the lines of its roster list and
// its logo.
struct SquadraScelta {
    QString Nome;
    QString Cartella;
    QString Logo;       // logo.jpg when the team has one
    Rosa Atleti;
    QStringList Righe;  // the roster list: the opponent's-error entry, then the called-up rows
};

SquadraScelta ScegliSquadra(const QString& cartellaDati, const QString& nome,
                            const TabellaLingue& lingue);

// " 7 Rossi Mario Centrale": number in two characters, names, role without its number.
QString RigaRosa(const Atleta& a);

// The code a roster line gives the code box: its first two characters without blanks.
QString CodiceDaRiga(const QString& riga);

// The first word after the number, as the overlays name the scorer.
QString NomeDaRiga(const QString& riga);
