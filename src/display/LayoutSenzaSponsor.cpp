#include "display/LayoutSenzaSponsor.h"

void LayoutSenzaSponsor(ControlliSenzaSponsor& c, double W, double H) {
    const auto f = [](double v) { return static_cast<float>(v); };
    const double v = H / 7;
    for (int k = 0; k < 2; ++k) {
        c.LabScore[k].Height = f(H - c.Image1[k].Height - v);
    }
    for (auto& icona : c.Image8) {
        icona.Top = f(c.LabScore[0].Top + 50);
    }
    for (int k = 0; k < 2; ++k) {
        c.Label3[k].Top = f(c.Image8[0].Top - 150);
        c.Label6[k].Top = c.Image8[0].Top;
    }
    c.Label1.Left = 0;
    c.Label1.Top = f(H - v);
    c.Label1.Height = f(v);
    c.Label2.Left = c.LabScore[1].Left;
    c.Label2.Top = f(H - v);
    c.Label2.Height = f(v);
    c.LabScore[0].Left = 0;
    c.LabScore[0].Width = f(W / 2);
    c.LabScore[1].Width = f(W / 2);
    c.Label1.Width = c.LabScore[0].Width;
    c.Label2.Width = c.LabScore[1].Width;
    for (auto& punti : c.LabScore) {
        punti.FontSize = f(punti.Height / 22);
    }
    c.Label3[0].Left = 150;
    c.Image8[0].Left = c.Label3[0].Width + 200;
    c.Label3[1].Left = f(W - 250 - 150 - c.Label3[1].Width);
    c.Image8[1].Left = c.Label3[1].Left - 200 - 200 - c.Label3[1].Width;
    for (int k = 0; k < 2; ++k) {
        c.Shape1[k].Left = c.LabScore[k].Left;
        c.Shape1[k].Top = c.LabScore[k].Top;
        c.Shape1[k].Height = c.LabScore[k].Height;
        c.Shape1[k].Width = f(W / 2 - 200);
    }
}
