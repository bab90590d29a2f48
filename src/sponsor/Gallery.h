#pragma once

#include <QString>
#include <QStringList>

// The sponsor pictures manager's gallery: names of the folder's JPEG pictures, shown five at
// a time.

constexpr int GalleryItems = 101;
constexpr int GallerySlot = 5;

QString SponsorFolder(const QString& dataFolder);
// The header logo that exists, whatever its letter case; empty when there is none.
QString ExistingHeaderLogo(const QString& dataFolder);
// Where a new header logo goes: over the existing one, else HEADER_LOGO.jpg.
QString HeaderLogoDestination(const QString& dataFolder);
// A picture added under a name the gallery already holds (any letter case) replaces it.
QString SponsorDestination(const QString& dataFolder, const QString& chosenName);

struct Gallery {
    QStringList Names; // listing order, at most GalleryItems
    int Start = 0;     // the entry in the first slot

    int GalleryNumber() const { return static_cast<int>(Names.size()); }
    int LastGallery() const { return Start + GallerySlot - 1; }
    // The scroll bar's maximum: 0 with five pictures or fewer.
    int Max() const;
    // Slot k's name, empty where the gallery has no entry.
    QString Item(int k) const;
    void Set(int value);
    void Left();
    // True when the window moved.
    bool Right();
};

// *.jpg in any letter case, the header logo apart.
Gallery ListGallery(const QString& dataFolder);
