#pragma once

#include "stats/Statistiche.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct Partita;
class TabellaLingue;

// One history line as the play-by-play lists it.
struct EventoStorico {
    enum class Genere { InizioSet, Punto, Annullamento, Tempo };
    Genere Tipo = Genere::Punto;
    int Set = 0;
    int Casa = 0;
    int Ospiti = 0;
    int Lato = -1;        // 0 home, 1 guests, -1 none
    QString Codice;       // athlete number, "E" (opponent error) or "N" (not given)
    int TipoPunto = 0;    // 0..4
    QString Ora;
};

std::vector<EventoStorico> EventiStorico(const QStringList& storico);

struct ChiamataTempo {
    int Scambio = 0; // rallies played when it was called
    int Lato = 0;
};

struct SetRapporto {
    int Numero = 0;
    std::vector<std::array<int, 2>> Progressione; // score after each rally
    std::vector<ChiamataTempo> Tempi;
    std::array<int, 2> Finale{0, 0};
    int Vincitore = -1;                   // -1 while the set is not won
    std::array<int, 2> SerieMassima{0, 0}; // longest scoring run of each side
    std::optional<int> Minuti;            // when the history's times allow
    std::array<QStringList, 2> Migliori;  // "7 Rossi (5)", best first
};

struct SquadraRapporto {
    QString Nome;
    // False when the team's roster was not at hand (a match file reported on another
    // machine): athletes are then named by their number.
    bool RosaDisponibile = true;
    // The roster's rows, then every other number that scored.
    std::vector<RigaRiepilogo> Atleti;
    int ErroriAvversari = 0;
    QStringList Migliori; // of the match, best first
};

// The numbers of a post-match report, from the match record alone.
struct Rapporto {
    QDate Data;
    std::array<int, 2> SetVinti{0, 0};
    bool Finita = false;
    std::vector<SetRapporto> Set;
    std::array<SquadraRapporto, 2> Squadre;
};

Rapporto CostruisciRapporto(const Partita& p, const QDate& data, const TabellaLingue& lingue);

// play-by-play.csv: a header, then one row per history line, ";" separated.
QStringList RighePlayByPlay(const Partita& p, const TabellaLingue& lingue);

// The date a match file was saved on, from its first comment line.
QDate DataDelFile(const QStringList& righe);
