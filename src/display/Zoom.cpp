#include "display/Zoom.h"

#include <utility>

namespace {

float f(double v) {
    return static_cast<float>(v);
}

// Band on: the score grows by d on every side but the inner one.
void ScoreWithBand(ControlGeometry& s, int d, bool moveLeft) {
    s.Width += f(d);
    s.FontSize = s.Width / 25;
    s.Height += f(d);
    s.Top -= f(d);
    if (moveLeft) {
        s.Left -= f(d);
    }
}

// Band off: the score keeps half the display and grows upwards.
void ScoreWithoutBand(ControlGeometry& s, int d, double W) {
    s.Width = f(W / 2);
    s.Top -= f(d);
    s.Height += f(d);
    s.FontSize = s.Height / 23;
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

void CountersRise(ZoomControls& c, int side, int d) {
    for (ControlGeometry* g : {&c.sideIcons[side], &c.sideIcons[side + 2], &c.setsWonLabels[side],
                               &c.timeoutLabels[side]}) {
        g->Top -= f(d);
    }
}

// The header logo shrinks by 90 twips a step (s = 1) or grows back (s = -1).
void Header(ControlGeometry& logo, int s) {
    logo.Height -= f(90 * s);
    logo.Top -= f(7 * s);
    if (logo.Height > 0) {
        logo.Width -= f(s * logo.Width * 60.0 / logo.Height);
    }
}

// What Zoom + and Zoom - share; d is +100 or -100, the counters are placed by the caller.
void CommonStep(ZoomControls& c, double W, bool band, int d) {
    if (band) {
        ScoreWithBand(c.scoreLabels[0], d, true);
    } else {
        ScoreWithoutBand(c.scoreLabels[0], d, W);
    }
    Logo(c.teamLogos[0], d);
    if (band) {
        Name(c.homeNameLabel, d, false);
    }
    Frame(c.scoreFrames[0], c.scoreLabels[0], band ? c.scoreLabels[0].Width : f(W / 2 - 200));
}

void GuestsStep(ZoomControls& c, double W, bool band, int d) {
    if (band) {
        ScoreWithBand(c.scoreLabels[1], d, false);
    } else {
        ScoreWithoutBand(c.scoreLabels[1], d, W);
    }
    Logo(c.teamLogos[1], d);
    if (band) {
        Name(c.guestsNameLabel, d, true);
    }
    Frame(c.scoreFrames[1], c.scoreLabels[1], c.scoreLabels[1].Width);
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
    if (band) {
        c.sideIcons[0].Left = c.setsWonLabels[0].Left + 50 + c.setsWonLabels[0].Width;
        c.setsWonLabels[0].Left = c.scoreLabels[0].Left + 50;
    } else {
        CountersRise(c, 0, d);
    }
    GuestsStep(c, W, band, d);
    if (band) {
        c.sideIcons[1].Left = c.setsWonLabels[1].Left - c.sideIcons[1].Width - 50;
        c.setsWonLabels[1].Left = c.guestsNameLabel.Left - c.setsWonLabels[1].Width - 40;
    } else {
        CountersRise(c, 1, d);
    }
    Header(c.headerLogo, 1);
}

void ZoomMinus(ZoomControls& c, double W, bool band) {
    constexpr int d = -100;
    CommonStep(c, W, band, d);
    if (band) {
        c.setsWonLabels[0].Left = c.scoreLabels[0].Left - 50;
        c.sideIcons[0].Left = c.setsWonLabels[0].Left - 50 + c.setsWonLabels[0].Width;
    } else {
        CountersRise(c, 0, d);
    }
    GuestsStep(c, W, band, d);
    if (band) {
        c.setsWonLabels[1].Left = c.guestsNameLabel.Left - c.setsWonLabels[1].Width + 40;
        c.sideIcons[1].Left = c.setsWonLabels[1].Left - c.sideIcons[1].Width + 50;
    } else {
        CountersRise(c, 1, d);
    }
    Header(c.headerLogo, -1);
}

ControlGeometry Enlarge(const ControlGeometry& design, const ControlGeometry& window, double W,
                        double H) {
    const double zx = window.Width > 0 ? ZoomFactor * W / window.Width : 1;
    const double zy = window.Height > 0 ? ZoomFactor * H / window.Height : 1;
    // The shift keeps the two scores, about 27..72 % across and 30..74 % down, in view.
    ControlGeometry g;
    g.Left = f(zx * design.Left - W / 1.655);
    g.Top = f(zy * design.Top - H / 1.5152);
    g.Width = f(zx * design.Width);
    g.Height = f(zy * design.Height);
    g.FontSize = f(zx * design.FontSize);
    return g;
}

void SwapDisplay(SwapControls& c, double W, bool bandOn) {
    if (!bandOn) {
        for (ControlGeometry* g :
             {&c.scoreLabels[1], &c.guestsNameLabel, &c.scoreLabels[0], &c.homeNameLabel}) {
            g->Width = f(W / 2 - 180);
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
