#include "shared/Geometria.h"

#include <cmath>

int TwipsInPixel(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

double PixelInTwips(int pixel) {
    return pixel * TwipsPerPixel;
}

Rapporti RapportiScala(const GeometriaControlli& g, double larghezza, double altezza) {
    if (g.empty() || g[0].Width <= 0 || g[0].Height <= 0) {
        return {};
    }
    return {larghezza / g[0].Width, altezza / g[0].Height};
}

GeometriaControllo Scala(const GeometriaControllo& d, Rapporti r, bool scalaFont) {
    GeometriaControllo g;
    g.Left = static_cast<float>(r.rx * d.Left);
    g.Top = static_cast<float>(r.ry * d.Top);
    g.Width = static_cast<float>(r.rx * d.Width);
    g.Height = static_cast<float>(r.ry * d.Height);
    g.FontSize = scalaFont ? static_cast<float>(r.rx * d.FontSize) : d.FontSize;
    return g;
}
