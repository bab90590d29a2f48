#pragma once

#include <vector>

// Design positions are kept in twips, 15 to a pixel at 96 dpi.
constexpr double TwipsPerPixel = 15.0;

int TwipsInPixel(double twips);
double PixelInTwips(int pixel);

struct ControlGeometry {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    float FontSize = 0;
};

// Entry 0 is the window itself (Width, Height); entry k the k-th control.
using ControlsGeometry = std::vector<ControlGeometry>;

struct Reports {
    double rx = 1.0;
    double ry = 1.0;
};

// Ratio of the current window size to the recorded one; 1 where nothing was recorded.
Reports ScaleRatios(const ControlsGeometry& g, double width, double height);

// The design entry scaled by the ratios; fonts follow the width ratio only when asked.
ControlGeometry Scale(const ControlGeometry& design, Reports r, bool fontScale);
