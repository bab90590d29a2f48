#include "drill/Script.h"

#include "doubles/ConsoleProbe.h"

void RandomStep(ConsoleProbe& console, std::mt19937& testCase) {
    if (console.match().MatchOver) {
        console.newMatch();
        return;
    }
    const int choice = std::uniform_int_distribution<int>(0, 99)(testCase);
    const int side = std::uniform_int_distribution<int>(0, 1)(testCase);
    if (choice < 72) {
        console.changeScore(side == 0 ? 0 : 3);
    } else if (choice < 80) {
        console.changeScore(side == 0 ? 1 : 2);
    } else if (choice < 87) {
        console.undoLastLine();
    } else if (choice < 94) {
        console.callTimeout(side);
    } else {
        const int lines = console.historyCount();
        if (lines > 0) {
            console.selectHistoryLine(std::uniform_int_distribution<int>(0, lines - 1)(testCase));
            console.rollBackToSelectedLine();
        }
    }
}
