#pragma once

#include <QString>

// The history line formats. Points sit right-aligned in two characters so the
// set number, home and guest points stand at fixed positions.

QString OraStorico(const QString& oraCompleta);
QString CodiceEvento(int lato, const QString& codiceAtleta, int tipoPunto);
QString RigaPunto(int set, int casa, int ospiti, const QString& ora, const QString& codiceEvento);
QString RigaInizioSet(int set, const QString& ora);

QString RigaTimeout(int conteggio, int lato, const QString& parolaLato, const QString& ora);

// A history line read back by its fixed positions.
struct RigaStorico {
    bool Timeout = false;
    int Set = 0;
    int Casa = 0;
    int Ospiti = 0;
    int Conteggio = 0; // timeout lines: the side's count
    int Lato = 0;      // timeout lines: 0 home, 1 guests
};

RigaStorico LeggiRiga(const QString& riga);

// A line that scored or removed a point: neither a set start nor a timeout.
bool RigaDiPunto(const QString& riga);
