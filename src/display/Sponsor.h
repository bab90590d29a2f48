#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The sponsor band: which pictures it shows and in which turn.

constexpr int MassimoSponsor = 100;
constexpr int SlotBanda = 5;

// .JPG, .GIF or .BMP in any letter case, and not the header logo.
bool FileSponsorAccettato(const QString& nome);

struct ElencoSponsor {
    bool Vuota = true;    // the folder lists no file at all: the band is off for the run
    QString Logo;         // the header logo's path, empty when there is none
    QStringList File;     // accepted pictures, in listing order, at most 100
};

ElencoSponsor ElencaSponsor(const QString& cartellaDati);

struct StatoBanda {
    QStringList FileSponsor;
    int NumeroSponsor = 0;
    int SlotSponsor = 0;
    int ProssimoSponsor = 0;
};

// A new listing: returns the last slot to fill, or -1 when there is no picture.
int AvviaBanda(StatoBanda& b, const QStringList& file);

struct PassoBanda {
    int Slot;
    int Indice;
};

// The slot and picture of the next rotation step, when the band rotates at all.
std::optional<PassoBanda> ProssimoPasso(const StatoBanda& b, int barraSponsor);

// After a step has shown its picture.
void AvanzaBanda(StatoBanda& b);
