#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where windows open on a screen's free area (the screen less its taskbars), frames included.

// The console: its whole frame against the right edge, so the display has the left; a frame
// wider than the screen keeps its left edge on the screen.
QPoint ConsolePosition(QSize frame, const QRect& available);

// The display as a window on the console's screen: two thirds of the free area, centred, so
// it is seen whole on its own and beside the console's edge.
QRect DisplayOnSharedScreen(const QRect& available);

// A window as tall as the free area allows: the client rectangle whose frame (title bar and
// borders) runs from the top of the free area to its bottom, keeping its left and width.
QRect FullHeight(const QRect& available, const QMargins& frame, int left, int width);
