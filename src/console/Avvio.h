#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class Impostazioni;
class Cartelle;
struct Modulo1;

// Documents/Brivanta when its Teams/Home holds a file, else the program folder (for an
// installed program, the user's data folder).
QString DecidiCartellaDati(const Cartelle& cartelle, const QString& cartellaProgramma);

// What the stored settings give the start-up sequence; fields left empty keep their value.
struct ValoriAvvio {
    int IntervalloTabellone = 200;
    std::optional<int> IntervalloEsultanza;
    // Display position in twips, only when both are stored and not 0 (0 is a real place
    // for a display made full screen: the first screen's corner).
    std::optional<double> Top;
    std::optional<double> Left;
    bool SchermoIntero = false;
    quint16 PortaLive = 0; // from LeggiLive
    bool LanLive = false;
};

// The live output's port when none is stored; 0 stored means off.
constexpr quint16 PortaLivePredefinita = 8765;

// The live output's settings: its port and whether the LAN may reach it.
struct ImpostazioniLive {
    quint16 Porta = PortaLivePredefinita;
    bool Lan = false;
};
ImpostazioniLive LeggiLive(const Impostazioni& impostazioni);

// Reads every key into the module (defaults where a value does not convert).
ValoriAvvio LeggiImpostazioni(const Impostazioni& impostazioni, Modulo1& m);

// Where the display opens maximised: the stored point when a screen still holds it,
// else the first screen's corner, so a removed screen never hides the scoreboard.
QPoint PosizioneDisplay(QPoint salvata, const QList<QRect>& schermi);
