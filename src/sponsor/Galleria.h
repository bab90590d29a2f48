#pragma once

#include <QString>
#include <QStringList>

// The sponsor pictures manager's gallery: names of the folder's JPEG pictures, shown five at
// a time.

constexpr int VociGalleria = 101;
constexpr int SlotGalleria = 5;

QString CartellaSponsor(const QString& cartellaDati);
// The header logo that exists, whatever its letter case; empty when there is none.
QString LogoTestataEsistente(const QString& cartellaDati);
// Where a new header logo goes: over the existing one, else HEADER_LOGO.jpg.
QString DestinazioneLogoTestata(const QString& cartellaDati);
// A picture added under a name the gallery already holds (any letter case) replaces it.
QString DestinazioneSponsor(const QString& cartellaDati, const QString& nomeScelto);

struct Galleria {
    QStringList Nomi;  // listing order, at most VociGalleria
    int Inizio = 0;    // the entry in the first slot

    int NumeroGalleria() const { return static_cast<int>(Nomi.size()); }
    int UltimaGalleria() const { return Inizio + SlotGalleria - 1; }
    // The scroll bar's maximum: 0 with five pictures or fewer.
    int Massimo() const;
    // Slot k's name, empty where the gallery has no entry.
    QString Voce(int k) const;
    void Imposta(int valore);
    void Sinistra();
    // True when the window moved.
    bool Destra();
};

// *.jpg in any letter case, the header logo apart.
Galleria ElencaGalleria(const QString& cartellaDati);
