#pragma once

#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <gtest/gtest.h>

// A started console on a temporary program folder, with every platform service a double.
class ConsoleDiProva : public ::testing::Test {
protected:
    ConsoleDiProva() { console.Form_Load(); }

    void Punti(int index, int quanti) {
        for (int i = 0; i < quanti; ++i) {
            console.changeScore(index);
        }
    }

    // The display's panels swapped (or not) through the console's button and its question.
    void Gira(Risposta risposta = Risposta::Si) {
        a.f.dialoghi.Attendi(
            QStringLiteral("Attenzione se procedi i punteggi del tabellone verranno invertiti "
                           "(destra vs sinistra e viceversa), nella console del computer però i "
                           "locali sono sempre a sinistra e gli ospiti sono sempre a destra. "
                           "Vuoi invertire il tabellone?"),
            risposta);
        console.swapDisplaySides();
    }

    Ambiente a;
    ConsoleWindow console{a.f.piattaforma};
    DisplayWindow& d = console.Tabellone();
};
