#include "display/LayoutWithoutSponsor.h"

void LayoutWithoutSponsor(ControlsWithoutSponsor& c, double W, double H) {
    const auto f = [](double v) { return static_cast<float>(v); };
    const double v = H / 7;
    for (int k = 0; k < 2; ++k) {
        c.scoreLabels[k].Height = f(H - c.teamLogos[k].Height - v);
    }
    for (auto& icon : c.sideIcons) {
        icon.Top = f(c.scoreLabels[0].Top + 50);
    }
    for (int k = 0; k < 2; ++k) {
        c.setsWonLabels[k].Top = f(c.sideIcons[0].Top - 150);
        c.timeoutLabels[k].Top = c.sideIcons[0].Top;
    }
    c.homeNameLabel.Left = 0;
    c.homeNameLabel.Top = f(H - v);
    c.homeNameLabel.Height = f(v);
    c.guestsNameLabel.Left = c.scoreLabels[1].Left;
    c.guestsNameLabel.Top = f(H - v);
    c.guestsNameLabel.Height = f(v);
    c.scoreLabels[0].Left = 0;
    c.scoreLabels[0].Width = f(W / 2);
    c.scoreLabels[1].Width = f(W / 2);
    c.homeNameLabel.Width = c.scoreLabels[0].Width;
    c.guestsNameLabel.Width = c.scoreLabels[1].Width;
    for (auto& points : c.scoreLabels) {
        points.FontSize = f(points.Height / 22);
    }
    c.setsWonLabels[0].Left = 150;
    c.sideIcons[0].Left = c.setsWonLabels[0].Width + 200;
    c.setsWonLabels[1].Left = f(W - 250 - 150 - c.setsWonLabels[1].Width);
    c.sideIcons[1].Left = c.setsWonLabels[1].Left - 200 - 200 - c.setsWonLabels[1].Width;
    for (int k = 0; k < 2; ++k) {
        c.scoreFrames[k].Left = c.scoreLabels[k].Left;
        c.scoreFrames[k].Top = c.scoreLabels[k].Top;
        c.scoreFrames[k].Height = c.scoreLabels[k].Height;
        c.scoreFrames[k].Width = f(W / 2 - 200);
    }
}
