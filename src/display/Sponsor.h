#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The sponsor band: which pictures it shows and in which turn.

constexpr int MaxSponsors = 100;
constexpr int BandSlot = 5;

// .JPG, .GIF or .BMP in any letter case, and not the header logo.
bool AcceptedSponsorFile(const QString& name);

struct SponsorList {
    bool Empty = true; // the folder lists no file at all: the band is off for the run
    QString Logo;      // the header logo's path, empty when there is none
    QStringList File;  // accepted pictures, in listing order, at most 100
};

SponsorList ListSponsors(const QString& dataFolder);

struct BandState {
    QStringList FileSponsor;
    int SponsorNumber = 0;
    int SlotSponsor = 0;
    int NextSponsor = 0;
};

// A new listing: returns the last slot to fill, or -1 when there is no picture.
int StartBand(BandState& b, const QStringList& file);

struct BandStep {
    int Slot;
    int Index;
};

// The slot and picture of the next rotation step, when the band rotates at all.
std::optional<BandStep> NextStep(const BandState& b, int sponsorBar);

// After a step has shown its picture.
void AdvanceBand(BandState& b);
