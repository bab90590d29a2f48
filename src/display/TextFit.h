#pragma once

#include <QSizeF>
#include <functional>

// How large a text may be drawn so that it fits its box: the size itself is arithmetic, the
// measuring is left to the caller (the font's metrics on a window, a rule in tests).

// `measure(size)` is the text's extent at a font size. The largest size from `largest` down to
// `smallest` at which it fits `box`; `smallest` when even that is too large (the caller elides).
double FittingSize(const std::function<QSizeF(double)>& measure, const QSizeF& box, double largest,
                   double smallest);

// The smallest size a fitted text may shrink to before it is elided instead: smaller than
// this share of its designed size, a TV's text is no longer read across a hall.
constexpr double SmallestFittedShare = 0.4;
