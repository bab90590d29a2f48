#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The seven panel colours, each 0x00BBGGRR, in the order the colour string holds them:
// background, home name, guests name, home score, guests score, home text, guests text.
using PanelColours = std::array<std::uint32_t, 7>;

enum Colour { Background, HomeName, GuestsName, HomePoints, GuestsPoints, HomeText, GuestsText };

// White board, yellow home, cyan guests, black text.
PanelColours DefaultColours();

// What the options window may change on the display: its colours, nothing else.
class DisplayColours {
  public:
    virtual ~DisplayColours() = default;
    virtual const PanelColours& Colours() const = 0;
    virtual void ApplyColours(const PanelColours& colours) = 0;
};

// Applies the groups of a stored string onto `colours`: only a string longer than 41
// characters applies, and a group that is not hexadecimal leaves its colour.
bool ReadPanelColours(const QString& serial, PanelColours& colours);

QString PanelColoursText(const PanelColours& colours);

// "rgb(r,g,b)" for a style sheet.
QString CssColour(std::uint32_t bgr);

// Text that stays readable on a background: the design's near-black on light colours,
// white on dark ones.
std::uint32_t ReadableText(std::uint32_t background);
