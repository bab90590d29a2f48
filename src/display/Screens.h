#pragma once

#include <QList>
#include <QRect>
#include <QString>

struct Screen {
    QString Name;
    QRect Area;
};

// Where the display belongs: the screen the operator chose when it is connected, else the
// first screen that does not hold the console (a TV beside a laptop), else the console's own.
// -1 with no screen at all.
int DisplayScreen(const QList<Screen>& screens, const QPoint& consoleCentre, const QString& chosen);

// "HDMI-1 (1920 × 1080)": how the options list a screen.
QString DescribeScreen(const Screen& s);
