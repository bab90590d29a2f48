#pragma once

#include "shared/Lingua.h"

#include <QString>
#include <array>

// The settings and folders every window shares, read by the start-up sequence.
struct Modulo1 {
    QString CartellaDati;
    QString CartellaProgramma;
    int BarraSponsor = 1;
    int VersoTabellone = 0;
    int EsultanzaAttiva = 0;
    int DurataEsultanza = 0;
    std::array<QString, 5> SuoniEsultanza;
    QString Serial;
    TabellaLingue Lingue;

    QString Traduci(const QString& testo) const { return Lingue.Traduci(testo); }
};
