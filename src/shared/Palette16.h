#pragma once

#include <array>
#include <cstdint>

struct Rgb {
    std::uint8_t r, g, b;
};

// The classic PC text-mode palette: event light, marker border, colour chooser.
constexpr std::array<Rgb, 16> Palette16{{{0, 0, 0},
                                         {0, 0, 128},
                                         {0, 128, 0},
                                         {0, 128, 128},
                                         {128, 0, 0},
                                         {128, 0, 128},
                                         {128, 128, 0},
                                         {192, 192, 192},
                                         {128, 128, 128},
                                         {0, 0, 255},
                                         {0, 255, 0},
                                         {0, 255, 255},
                                         {255, 0, 0},
                                         {255, 0, 255},
                                         {255, 255, 0},
                                         {255, 255, 255}}};

// A palette entry as a colour value, 0x00BBGGRR.
constexpr std::uint32_t ColourValue(Rgb c) {
    return static_cast<std::uint32_t>(c.r) | (static_cast<std::uint32_t>(c.g) << 8) |
           (static_cast<std::uint32_t>(c.b) << 16);
}
