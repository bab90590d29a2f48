#include "shared/Geometry.h"

#include <cmath>

int TwipsInPixel(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

double PixelInTwips(int pixel) {
    return pixel * TwipsPerPixel;
}

Reports ScaleRatios(const ControlsGeometry& g, double width, double height) {
    if (g.empty() || g[0].Width <= 0 || g[0].Height <= 0) {
        return {};
    }
    return {width / g[0].Width, height / g[0].Height};
}

ControlGeometry Scale(const ControlGeometry& d, Reports r, bool fontScale) {
    ControlGeometry g;
    g.Left = static_cast<float>(r.rx * d.Left);
    g.Top = static_cast<float>(r.ry * d.Top);
    g.Width = static_cast<float>(r.rx * d.Width);
    g.Height = static_cast<float>(r.ry * d.Height);
    g.FontSize = fontScale ? static_cast<float>(r.rx * d.FontSize) : d.FontSize;
    return g;
}
