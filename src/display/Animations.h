#pragma once

#include <QString>
#include <array>
#include <optional>

// The display's timed behaviours, as arithmetic.

// The clock cycle: three seconds of time of day, two of a finished set's score.
struct ClockLoop {
    int TickClock = 0;
    int PartialIndex = 0;
};

// What the clock label shows after this tick; nothing leaves it as it is. A partial is
// written with `partialPattern` (translated "Set %1: %2"), so it never reads as one number
// with the set label beside it.
std::optional<QString> TickClock(ClockLoop& c, int currentSet,
                                 const std::array<QString, 5>& partials, const QString& wallNow,
                                 const QString& partialPattern);

// The slide of a lower panel, in twips: it rises 250 a tick to the top, stays, sinks from
// tick 300 and is parked below the display at tick 400.
struct ScrollStep {
    int Top;
    bool Finished;
};
ScrollStep Scroll(int& tickPanel, int top, int displayHeight);

// The marker border runs through palette 1..7, 0.
int NextFrameColour(int colour);
