#pragma once

#include "shared/Geometria.h"

#include <QFont>
#include <QObject>
#include <QWidget>
#include <vector>

// One control of a window's fixed enumeration. Timers and menus have no geometry;
// pictures and shapes have no font.
struct Controllo {
    QObject* oggetto = nullptr;
    bool haFont = false;
};
using Controlli = std::vector<Controllo>;

// Places a widget at its design position, given in twips.
void Posiziona(QWidget* w, int left, int top, int width, int height);

QFont Carattere(const QString& famiglia, double punti, bool grassetto = false);
// Where a family's bold is no real bold on this system, its bold text is drawn with `sostituta`.
void SostituisciGrassetto(const QString& famiglia, const QString& sostituta);

// A control's position, size and (when it has one) font, in twips and points.
GeometriaControllo LeggiControllo(const QWidget* w, bool haFont);
void ApplicaControllo(QWidget* w, const GeometriaControllo& g, bool haFont);

// Entry 0 the window's size (twips) as the caller measures it, then one entry per control.
GeometriaControlli RegistraGeometria(QSizeF finestra, const Controlli& controlli);

// Re-applies the recorded design at the window's current size, measured the same way.
void ScalaGeometria(const GeometriaControlli& g, QSizeF finestra, const Controlli& controlli,
                    bool scalaFont);

// A widget's size in twips.
QSizeF InTwips(QSize pixel);
