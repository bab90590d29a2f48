#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class Settings;
struct CommonSettings;

// What the stored settings give the start-up sequence; fields left empty keep their value.
struct StartupValues {
    int DisplayInterval = 200;
    std::optional<int> CheerInterval;
    // Display position in twips, only when both are stored and not 0 (0 is a real place
    // for a display made full screen: the first screen's corner).
    std::optional<double> Top;
    std::optional<double> Left;
    bool FullScreen = false;
    quint16 LivePort = 0;
    bool LanLive = false;
};

// Reads every key into the module (defaults where a value does not convert).
StartupValues ReadSettings(const Settings& settings, CommonSettings& m);

// Where the display opens maximised: the stored point when a screen still holds it,
// else the first screen's corner, so a removed screen never hides the scoreboard.
QPoint DisplayPosition(QPoint saved, const QList<QRect>& screens);
