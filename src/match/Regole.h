#pragma once

#include <QString>

// The volleyball rules of the scoreboard, in one place.

// Points needed to win the set being played.
int PuntiPerVincere(int setTotali, int setCorrente, int puntiSet, int puntiTieBreak);

// Half the tie-break target, rounded half to even (15 gives 8, 13 gives 6).
int CalcolaPuntiCambioCampo(int puntiTieBreak);

// A side is at most one point from the target.
bool VicinoAlSet(int casa, int ospiti, int puntiPerVincere);

// A side has reached the target with two points of margin; there is no upper limit.
bool SetConcluso(int casa, int ospiti, int puntiPerVincere);

// Sets won as the two-character code the tables use: home then guests.
QString CodiceSet(int setCasa, int setOspiti);

// For the side leading the set (0 home, 1 guests).
bool MatchPoint(int setTotali, int latoInTesta, const QString& codice);

bool PartitaConclusa(int setTotali, const QString& codice);

bool SetTotaliValido(int setTotali);

// The deciding-set court change: the scorer has just reached 8, the other side has not.
bool CambioCampo(int setTotali, int setCorrente, int cambioCampoAttivo, int puntiLato,
                 int puntiAltroLato);

constexpr int PuntiMassimi = 200;
constexpr int PuntiCambio = 8;
