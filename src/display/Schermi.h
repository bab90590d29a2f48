#pragma once

#include <QList>
#include <QRect>
#include <QString>

struct Schermo {
    QString Nome;
    QRect Area;
};

// Where the display belongs: the screen the operator chose when it is connected, else the
// first screen that does not hold the console (a TV beside a laptop), else the console's own.
// -1 with no screen at all.
int SchermoDelDisplay(const QList<Schermo>& schermi, const QPoint& centroConsole,
                      const QString& scelto);

// "HDMI-1 (1920 × 1080)": how the options list a screen.
QString DescriviSchermo(const Schermo& s);
