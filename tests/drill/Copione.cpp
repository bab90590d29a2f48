#include "drill/Copione.h"

#include "console/ui/ConsoleWindow.h"

void PassoCasuale(ConsoleWindow& console, std::mt19937& caso) {
    if (console.Match().PartitaFinita != 0) {
        console.newMatch();
        return;
    }
    const int scelta = std::uniform_int_distribution<int>(0, 99)(caso);
    const int lato = std::uniform_int_distribution<int>(0, 1)(caso);
    if (scelta < 72) {
        console.changeScore(lato == 0 ? 0 : 3);
    } else if (scelta < 80) {
        console.changeScore(lato == 0 ? 1 : 2);
    } else if (scelta < 87) {
        console.undoLastLine();
    } else if (scelta < 94) {
        console.callTimeout(lato);
    } else {
        const int righe = console.historyList->count();
        if (righe > 0) {
            console.historyList->setCurrentRow(std::uniform_int_distribution<int>(0, righe - 1)(caso));
            console.rollBackToSelectedLine();
        }
    }
}
