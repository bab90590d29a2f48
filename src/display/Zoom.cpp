#include "display/Zoom.h"

#include <utility>

namespace {

float f(double v) {
    return static_cast<float>(v);
}

// Band on: the score grows by d on every side but the inner one.
void PunteggioConBanda(GeometriaControllo& s, int d, bool spostaSinistra) {
    s.Width += f(d);
    s.FontSize = s.Width / 25;
    s.Height += f(d);
    s.Top -= f(d);
    if (spostaSinistra) {
        s.Left -= f(d);
    }
}

// Band off: the score keeps half the display and grows upwards.
void PunteggioSenzaBanda(GeometriaControllo& s, int d, double W) {
    s.Width = f(W / 2);
    s.Top -= f(d);
    s.Height += f(d);
    s.FontSize = s.Height / 23;
}

void Logo(GeometriaControllo& logo, int d) {
    logo.Height -= f(d);
    logo.Width = logo.Height;
    logo.Left += f(d / 2);
}

void Nome(GeometriaControllo& nome, int d, bool spostaSinistra) {
    nome.Width -= f(d);
    nome.Top -= f(d);
    if (spostaSinistra) {
        nome.Left += f(d);
    }
    nome.Height += f(d);
    nome.FontSize = nome.Width / 120;
}

void Cornice(GeometriaControllo& cornice, const GeometriaControllo& punti, float larghezza) {
    cornice.Width = larghezza;
    cornice.Height = punti.Height;
    cornice.Left = punti.Left;
    cornice.Top = punti.Top;
}

void SaleContatori(ControlliZoom& c, int lato, int d) {
    for (GeometriaControllo* g : {&c.sideIcons[lato], &c.sideIcons[lato + 2], &c.setsWonLabels[lato], &c.timeoutLabels[lato]}) {
        g->Top -= f(d);
    }
}

// The header logo shrinks by 90 twips a step (s = 1) or grows back (s = -1).
void Testata(GeometriaControllo& logo, int s) {
    logo.Height -= f(90 * s);
    logo.Top -= f(7 * s);
    if (logo.Height > 0) {
        logo.Width -= f(s * logo.Width * 60.0 / logo.Height);
    }
}

// What Zoom + and Zoom - share; d is +100 or -100, the counters are placed by the caller.
void PassoComune(ControlliZoom& c, double W, bool banda, int d) {
    if (banda) {
        PunteggioConBanda(c.LabScore[0], d, true);
    } else {
        PunteggioSenzaBanda(c.LabScore[0], d, W);
    }
    Logo(c.teamLogos[0], d);
    if (banda) {
        Nome(c.homeNameLabel, d, false);
    }
    Cornice(c.scoreFrames[0], c.LabScore[0], banda ? c.LabScore[0].Width : f(W / 2 - 200));
}

void PassoOspiti(ControlliZoom& c, double W, bool banda, int d) {
    if (banda) {
        PunteggioConBanda(c.LabScore[1], d, false);
    } else {
        PunteggioSenzaBanda(c.LabScore[1], d, W);
    }
    Logo(c.teamLogos[1], d);
    if (banda) {
        Nome(c.guestsNameLabel, d, true);
    }
    Cornice(c.scoreFrames[1], c.LabScore[1], c.LabScore[1].Width);
}

} // namespace

bool ZoomPiuAlLimite(const ControlliZoom& c) {
    return c.LabScore[0].Top <= c.clockLabel.Top + c.clockLabel.Height;
}

bool ZoomMenoAlLimite(const ControlliZoom& c) {
    return c.headerLogo.Height > 2900;
}

void ZoomPiu(ControlliZoom& c, double W, bool banda) {
    constexpr int d = 100;
    PassoComune(c, W, banda, d);
    if (banda) {
        c.sideIcons[0].Left = c.setsWonLabels[0].Left + 50 + c.setsWonLabels[0].Width;
        c.setsWonLabels[0].Left = c.LabScore[0].Left + 50;
    } else {
        SaleContatori(c, 0, d);
    }
    PassoOspiti(c, W, banda, d);
    if (banda) {
        c.sideIcons[1].Left = c.setsWonLabels[1].Left - c.sideIcons[1].Width - 50;
        c.setsWonLabels[1].Left = c.guestsNameLabel.Left - c.setsWonLabels[1].Width - 40;
    } else {
        SaleContatori(c, 1, d);
    }
    Testata(c.headerLogo, 1);
}

void ZoomMeno(ControlliZoom& c, double W, bool banda) {
    constexpr int d = -100;
    PassoComune(c, W, banda, d);
    if (banda) {
        c.setsWonLabels[0].Left = c.LabScore[0].Left - 50;
        c.sideIcons[0].Left = c.setsWonLabels[0].Left - 50 + c.setsWonLabels[0].Width;
    } else {
        SaleContatori(c, 0, d);
    }
    PassoOspiti(c, W, banda, d);
    if (banda) {
        c.setsWonLabels[1].Left = c.guestsNameLabel.Left - c.setsWonLabels[1].Width + 40;
        c.sideIcons[1].Left = c.setsWonLabels[1].Left - c.sideIcons[1].Width + 50;
    } else {
        SaleContatori(c, 1, d);
    }
    Testata(c.headerLogo, -1);
}

GeometriaControllo Ingrandisci(const GeometriaControllo& design, const GeometriaControllo& finestra,
                               double W, double H) {
    const double zx = finestra.Width > 0 ? FattoreIngrandimento * W / finestra.Width : 1;
    const double zy = finestra.Height > 0 ? FattoreIngrandimento * H / finestra.Height : 1;
    // The shift keeps the two scores, about 27..72 % across and 30..74 % down, in view.
    GeometriaControllo g;
    g.Left = f(zx * design.Left - W / 1.655);
    g.Top = f(zy * design.Top - H / 1.5152);
    g.Width = f(zx * design.Width);
    g.Height = f(zy * design.Height);
    g.FontSize = f(zx * design.FontSize);
    return g;
}

void GiraTabellone(ControlliGiro& c, double W, bool bandaAccesa) {
    if (!bandaAccesa) {
        for (GeometriaControllo* g : {&c.LabScore[1], &c.guestsNameLabel, &c.LabScore[0], &c.homeNameLabel}) {
            g->Width = f(W / 2 - 180);
        }
    }
    const auto scambia = [](GeometriaControllo& a, GeometriaControllo& b) {
        std::swap(a.Left, b.Left);
    };
    scambia(c.LabScore[0], c.LabScore[1]);
    scambia(c.scoreFrames[0], c.scoreFrames[1]);
    scambia(c.homeNameLabel, c.guestsNameLabel);
    for (auto* coppia : {&c.setsWonLabels, &c.timeoutLabels, &c.teamLogos, &c.statisticsTeamNames, &c.statisticsTotals, &c.statisticsLogos}) {
        scambia((*coppia)[0], (*coppia)[1]);
    }
    for (int i = 0; i < 4; ++i) {
        scambia(c.statisticsGuestsNames[i], c.statisticsHomeNames[i]);
        scambia(c.statisticsGuestsPoints[i], c.statisticsHomePoints[i]);
    }
}
