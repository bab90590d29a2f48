#pragma once

#include <QString>

struct Partita;
class TabellaLingue;

constexpr int TimeoutPerSet = 2;
constexpr int TickCountdown = 30;

QString ParolaLato(int lato, const TabellaLingue& lingue);

// Counts a confirmed timeout and logs it; false when the side has none left in this set.
bool ConcediTimeout(Partita& p, int lato, const QString& ora, const TabellaLingue& lingue);

// The countdown window's request text, e.g. "Tempo Locali\n1° Richiesta".
QString TestoTimeout(int lato, int conteggio, const TabellaLingue& lingue);

// One countdown tick; true while the window stays open.
bool TickTimeout(Partita& p);
