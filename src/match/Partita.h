#pragma once

#include "teams/Squadre.h"

#include <QString>
#include <QStringList>
#include <array>

class TabellaLingue;

// The scorer panel of the display, as the last point filled it.
struct PannelloMarcatore {
    int Lato = 0;
    QString Titolo;   // team and point type
    QString Cognome;  // name line, padded for the panel
    QString Numero;   // shirt number
    bool Scorre = false; // a scorer was shown: the panel slides in
};

// What the display shows where it is not simply the console's value.
struct StatoTabellone {
    std::array<QString, 2> Nome{QStringLiteral("Locali"), QStringLiteral("Ospiti")};
    // Keeps a finished set's score until the next change, and the sets won once the match is over.
    std::array<QString, 2> Punti{QStringLiteral("0"), QStringLiteral("0")};
    std::array<bool, 2> Marcatore{false, false};
    bool Banner = false;
    QString TestoBanner;
    bool BannerMatchPoint = false;
    PannelloMarcatore Pannello;
};

// The one match the console owns.
struct Partita {
    // Rules: 0 until the start-up sequence gives their defaults.
    int SetTotali = 0;
    int PuntiSet = 0;
    int PuntiTieBreak = 0;
    int PuntiCambioCampo = 0;
    int CambioCampoAttivo = 0;

    int SetCorrente = 1;
    QString EtichettaSet;
    std::array<int, 2> Punti{0, 0};
    std::array<int, 2> SetVinti{0, 0};
    std::array<int, 2> TimeChiesti{0, 0};
    std::array<QString, 2> NomeSquadra{QStringLiteral("Home"), QStringLiteral("Guests")};
    // The chosen teams' rosters; a reset keeps them.
    std::array<Rosa, 2> Rose;
    std::array<QString, 5> Parziali;
    QStringList Storico;
    int RigaSelezionata = -1;

    std::array<int, 2> PunteggioCorrente{0, 0};
    std::array<int, 3> UltimoPunteggio{0, 0, 0};
    int StatoSetPoint = 0;
    int PartitaFinita = 0;
    QString VincitoreUltimoSet;
    QString CodiceAtleta;
    QString NumeroMarcatore;
    QString NomeMarcatore;
    QString FotoMarcatore;
    int PannelloAnimato = 0;
    int ModoConteggio = 0;
    int TickConteggio = 0;
    int DaUndo = 0;

    // Console controls whose enabled state is match state.
    bool Bloccata = false;
    bool PunteggioAttivo = true;   // the four score buttons and both rosters
    bool UndoAttivo = false;
    bool TimeoutAttivi = true;
    bool StatisticheFinaliAttive = false;
    bool PresentazioneAttiva = true;

    StatoTabellone Tabellone;
};

QString EtichettaDelSet(int set, const TabellaLingue& lingue);

// Start-up defaults of the rules; a rule already set is kept.
void RegolePredefinite(Partita& p);

void PulisciPartita(Partita& p, const TabellaLingue& lingue);

// The match is over: the record's part. The caller stops the timers that animate it.
void BloccaBot(Partita& p, const TabellaLingue& lingue);

void AppendiStorico(Partita& p, const QString& riga);

// Points were played: the console stays locked as after a first point.
bool PartitaInCorso(const Partita& p);
