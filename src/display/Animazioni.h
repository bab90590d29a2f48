#pragma once

#include <QString>
#include <array>
#include <optional>

// The display's timed behaviours, as arithmetic.

// The clock cycle: three seconds of time of day, two of a finished set's score.
struct CicloOrologio {
    int TickOrologio = 0;
    int IndiceParziale = 0;
};

// What the clock label shows after this tick; nothing leaves it as it is.
std::optional<QString> TickOrologio(CicloOrologio& c, int setCorrente,
                                    const std::array<QString, 5>& parziali, const QString& ora);

// The slide of a lower panel, in twips: it rises 250 a tick to the top, stays, sinks from
// tick 300 and is parked below the display at tick 400.
struct PassoScorrimento {
    int Top;
    bool Fine;
};
PassoScorrimento Scorri(int& tickPannello, int top, int altezzaDisplay);

// The marker border runs through palette 1..7, 0.
int ProssimoColoreCornice(int colore);
