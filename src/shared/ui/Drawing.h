#pragma once

#include "shared/Geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QObject>
#include <QWidget>
#include <vector>

class QAbstractButton;

// One control of a window's fixed enumeration. Timers and menus have no geometry;
// pictures and shapes have no font.
struct Control {
    QObject* object = nullptr;
    bool hasFont = false;
};
using Controls = std::vector<Control>;

// Places a widget at its design position, given in twips.
void Place(QWidget* w, int left, int top, int width, int height);

QFont Character(const QString& family, double points, bool bold = false);
// Where a family's bold is no real bold on this system, its bold text is drawn with `substitute`.
void ReplaceBold(const QString& family, const QString& substitute);

// A control's position, size and (when it has one) font, in twips and points.
ControlGeometry ReadControl(const QWidget* w, bool hasFont);
void ApplyControl(QWidget* w, const ControlGeometry& g, bool hasFont);

// Entry 0 the window's size (twips) as the caller measures it, then one entry per control.
ControlsGeometry RecordGeometry(QSizeF window, const Controls& controls);

// Re-applies the recorded design at the window's current size, measured the same way.
void GeometryScale(const ControlsGeometry& g, QSizeF window, const Controls& controls,
                   bool fontScale);

// A widget's size in twips.
QSizeF InTwips(QSize pixel);

// A caption too wide for `room` on one line, broken at the space that leaves the narrowest
// lines (a button two lines tall keeps a long translation whole).
QString WrapCaption(const QString& text, const QFontMetrics& metrics, int room);

// A button's caption made whole: wrapped where the button has room for two lines, else drawn
// in a smaller font (never below 6 points).
void FitCaption(QAbstractButton* button);
