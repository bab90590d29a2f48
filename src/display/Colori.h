#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The seven panel colours, each 0x00BBGGRR, in the order the colour string holds them:
// background, home name, guests name, home score, guests score, home text, guests text.
using ColoriPannello = std::array<std::uint32_t, 7>;

enum Colore { Sfondo, NomeCasa, NomeOspiti, PuntiCasa, PuntiOspiti, TestoCasa, TestoOspiti };

// White board, yellow home, cyan guests, black text.
ColoriPannello ColoriPredefiniti();

// What the options window may change on the display: its colours, nothing else.
class ColoriDelTabellone {
public:
    virtual ~ColoriDelTabellone() = default;
    virtual const ColoriPannello& Colori() const = 0;
    virtual void ApplicaColori(const ColoriPannello& colori) = 0;
};

// Applies the groups of a stored string onto `colori`: only a string longer than 41
// characters applies, and a group that is not hexadecimal leaves its colour.
bool ApplicaSerial(const QString& serial, ColoriPannello& colori);

QString CostruisciSerial(const ColoriPannello& colori);

// "rgb(r,g,b)" for a style sheet.
QString ColoreCss(std::uint32_t bgr);

// Text that stays readable on a background: the design's near-black on light colours,
// white on dark ones.
std::uint32_t TestoLeggibile(std::uint32_t sfondo);
