#include "display/Zoom.h"
#include "display/LayoutWithoutSponsor.h"

#include <utility>

namespace {

float f(double v) {
    return static_cast<float>(v);
}

// Band on: the score grows by d on every side but the inner one.
void ScoreWithBand(ControlGeometry& s, int d, bool moveLeft) {
    s.Width += f(d);
    s.FontSize = s.Width / 29;
    s.Height += f(d);
    s.Top -= f(d);
    if (moveLeft) {
        s.Left -= f(d);
    }
}

// Band off: the score keeps half the display, but for the gap, and grows upwards above its
// counters.
void ScoreWithoutBand(ControlGeometry& s, int d, double W, float counterHeight) {
    s.Width = f(W / 2 - W * ScoreGapShare / 2);
    s.Top -= f(d);
    s.Height += f(d);
    s.FontSize = ScoreFontAboveCounters(s.Height, counterHeight);
}

void Logo(ControlGeometry& logo, int d) {
    logo.Height -= f(d);
    logo.Width = logo.Height;
    logo.Left += f(d / 2);
}

void Name(ControlGeometry& name, int d, bool moveLeft) {
    name.Width -= f(d);
    name.Top -= f(d);
    if (moveLeft) {
        name.Left += f(d);
    }
    name.Height += f(d);
    name.FontSize = name.Width / 120;
}

void Frame(ControlGeometry& frame, const ControlGeometry& points, float width) {
    frame.Width = width;
    frame.Height = points.Height;
    frame.Left = points.Left;
    frame.Top = points.Top;
}

// The header logo shrinks by 90 twips a step (s = 1) or grows back (s = -1).
void Header(ControlGeometry& logo, int s) {
    logo.Height -= f(90 * s);
    logo.Top -= f(7 * s);
    if (logo.Height > 0) {
        logo.Width -= f(s * logo.Width * 60.0 / logo.Height);
    }
}

// What Zoom + and Zoom - share; d is +100 or -100, the counters are placed by the caller
// (without the band they stay along the scores' bottom, which does not move).
void CommonStep(ZoomControls& c, double W, bool band, int d) {
    if (band) {
        ScoreWithBand(c.scoreLabels[0], d, true);
    } else {
        ScoreWithoutBand(c.scoreLabels[0], d, W, c.setsWonLabels[0].Height);
    }
    Logo(c.teamLogos[0], d);
    if (band) {
        Name(c.homeNameLabel, d, false);
    }
    Frame(c.scoreFrames[0], c.scoreLabels[0], c.scoreLabels[0].Width);
}

void GuestsStep(ZoomControls& c, double W, bool band, int d) {
    if (band) {
        ScoreWithBand(c.scoreLabels[1], d, false);
    } else {
        ScoreWithoutBand(c.scoreLabels[1], d, W, c.setsWonLabels[1].Height);
    }
    Logo(c.teamLogos[1], d);
    if (band) {
        Name(c.guestsNameLabel, d, true);
    }
    Frame(c.scoreFrames[1], c.scoreLabels[1], c.scoreLabels[1].Width);
}

// With the band the scores grow outwards: the sets won follow their outer edges.
void SetsWonOutside(ZoomControls& c) {
    constexpr float margin = 60;
    c.setsWonLabels[0].Left = c.scoreLabels[0].Left + margin;
    c.setsWonLabels[1].Left =
        c.scoreLabels[1].Left + c.scoreLabels[1].Width - c.setsWonLabels[1].Width - margin;
}

} // namespace

bool ZoomPlusAtLimit(const ZoomControls& c) {
    return c.scoreLabels[0].Top <= c.clockLabel.Top + c.clockLabel.Height;
}

bool ZoomMinusAtLimit(const ZoomControls& c) {
    return c.headerLogo.Height > 2900;
}

void ZoomPlus(ZoomControls& c, double W, bool band) {
    constexpr int d = 100;
    CommonStep(c, W, band, d);
    GuestsStep(c, W, band, d);
    if (band) {
        SetsWonOutside(c);
    }
    Header(c.headerLogo, 1);
}

void ZoomMinus(ZoomControls& c, double W, bool band) {
    constexpr int d = -100;
    CommonStep(c, W, band, d);
    GuestsStep(c, W, band, d);
    if (band) {
        SetsWonOutside(c);
    }
    Header(c.headerLogo, -1);
}

ControlGeometry Enlarge(const ControlGeometry& design, const ControlGeometry& window, double W,
                        double H) {
    const double zx = window.Width > 0 ? ZoomFactor * W / window.Width : 1;
    const double zy = window.Height > 0 ? ZoomFactor * H / window.Height : 1;
    // The shift centres the two scores, digits to counters (the design's middle across, 54 %
    // down), on the screen.
    constexpr double bandCentreX = 0.5;
    constexpr double bandCentreY = 2122.5 / 3930;
    ControlGeometry g;
    g.Left = f(zx * design.Left - W * (ZoomFactor * bandCentreX - 0.5));
    g.Top = f(zy * design.Top - H * (ZoomFactor * bandCentreY - 0.5));
    g.Width = f(zx * design.Width);
    g.Height = f(zy * design.Height);
    g.FontSize = f(zx * design.FontSize);
    return g;
}

void SwapDisplay(SwapControls& c, double W, bool bandOn) {
    if (!bandOn) {
        for (ControlGeometry* g :
             {&c.scoreLabels[1], &c.guestsNameLabel, &c.scoreLabels[0], &c.homeNameLabel}) {
            g->Width = f(W / 2 - W * ScoreGapShare / 2);
        }
    }
    const auto swap = [](ControlGeometry& a, ControlGeometry& b) { std::swap(a.Left, b.Left); };
    swap(c.scoreLabels[0], c.scoreLabels[1]);
    swap(c.scoreFrames[0], c.scoreFrames[1]);
    swap(c.homeNameLabel, c.guestsNameLabel);
    for (auto* pair : {&c.setsWonLabels, &c.timeoutLabels, &c.teamLogos, &c.statisticsTeamNames,
                       &c.statisticsTotals, &c.statisticsLogos}) {
        swap((*pair)[0], (*pair)[1]);
    }
    for (int i = 0; i < 4; ++i) {
        swap(c.statisticsGuestsNames[i], c.statisticsHomeNames[i]);
        swap(c.statisticsGuestsPoints[i], c.statisticsHomePoints[i]);
    }
}
