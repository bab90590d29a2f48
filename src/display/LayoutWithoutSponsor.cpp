#include "display/LayoutWithoutSponsor.h"

void LayoutWithoutSponsor(ControlsWithoutSponsor& c, double W, double H) {
    const auto f = [](double v) { return static_cast<float>(v); };
    const double v = H / 7;
    for (int k = 0; k < 2; ++k) {
        c.LabScore[k].Height = f(H - c.teamLogos[k].Height - v);
    }
    for (auto& icon : c.sideIcons) {
        icon.Top = f(c.LabScore[0].Top + 50);
    }
    for (int k = 0; k < 2; ++k) {
        c.setsWonLabels[k].Top = f(c.sideIcons[0].Top - 150);
        c.timeoutLabels[k].Top = c.sideIcons[0].Top;
    }
    c.homeNameLabel.Left = 0;
    c.homeNameLabel.Top = f(H - v);
    c.homeNameLabel.Height = f(v);
    c.guestsNameLabel.Left = c.LabScore[1].Left;
    c.guestsNameLabel.Top = f(H - v);
    c.guestsNameLabel.Height = f(v);
    c.LabScore[0].Left = 0;
    c.LabScore[0].Width = f(W / 2);
    c.LabScore[1].Width = f(W / 2);
    c.homeNameLabel.Width = c.LabScore[0].Width;
    c.guestsNameLabel.Width = c.LabScore[1].Width;
    for (auto& points : c.LabScore) {
        points.FontSize = f(points.Height / 22);
    }
    c.setsWonLabels[0].Left = 150;
    c.sideIcons[0].Left = c.setsWonLabels[0].Width + 200;
    c.setsWonLabels[1].Left = f(W - 250 - 150 - c.setsWonLabels[1].Width);
    c.sideIcons[1].Left = c.setsWonLabels[1].Left - 200 - 200 - c.setsWonLabels[1].Width;
    for (int k = 0; k < 2; ++k) {
        c.scoreFrames[k].Left = c.LabScore[k].Left;
        c.scoreFrames[k].Top = c.LabScore[k].Top;
        c.scoreFrames[k].Height = c.LabScore[k].Height;
        c.scoreFrames[k].Width = f(W / 2 - 200);
    }
}
