#include "display/Animations.h"
#include "display/ScoreBand.h"

namespace {
constexpr int RiseStep = 250;
constexpr int DescentStep = 200;
constexpr int DescentStart = 299;
constexpr int ScrollEnd = 399;
constexpr int Parking = 300;
} // namespace

std::optional<QString> TickClock(ClockLoop& c, int currentSet,
                                 const std::array<QString, 5>& partials, const QString& wallNow,
                                 const QString& partialPattern) {
    std::optional<QString> text;
    c.TickClock += 1;
    if (c.TickClock == 4 || c.TickClock == 5) {
        if (currentSet > 1) {
            if (c.PartialIndex >= 0 && c.PartialIndex < static_cast<int>(partials.size()) &&
                !partials[c.PartialIndex].isEmpty()) {
                text = PartialCaption(partialPattern, c.PartialIndex + 1, partials[c.PartialIndex]);
            }
            if (c.TickClock > 4) {
                c.PartialIndex += 1;
            }
            if (c.PartialIndex > currentSet - 1) {
                c.PartialIndex = 0;
            }
        }
    } else {
        text = wallNow.left(5);
    }
    if (c.TickClock > 4) {
        c.TickClock = 0;
    }
    return text;
}

ScrollStep Scroll(int& tickPanel, int top, int displayHeight) {
    tickPanel += 1;
    int step = RiseStep;
    if (tickPanel > DescentStart) {
        if (displayHeight + DescentStep > top) {
            top += DescentStep;
        }
    } else {
        if (top < RiseStep) {
            step = top;
        }
        if (top > 0) {
            top -= step;
        }
    }
    if (tickPanel > ScrollEnd) {
        tickPanel = 0;
        return {displayHeight + Parking, true};
    }
    return {top, false};
}

int NextFrameColour(int colour) {
    return colour + 1 > 7 ? 0 : colour + 1;
}
