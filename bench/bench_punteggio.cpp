// One score click as the operator feels it: the whole handler with both windows updated,
// then also painted, with a 250-line history on the console; and on a slow disk.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "match/Storico.h"

#include "Misure.h"

#include <QApplication>

namespace {

void ClickPunto(benchmark::State& state, bool disegna, int ritardoDisco = 0) {
    Ambiente a;
    a.f.disco.ritardoMs = ritardoDisco;
    ConsoleWindow console(a.f.piattaforma);
    console.Form_Load();
    console.show();
    Partita& p = console.Match();
    for (int i = 0; i < 250; ++i) {
        p.Storico.append(RigaPunto(1, i % 23, i % 22, QStringLiteral("15:42"), "H_7_2"));
    }
    p.Punti = {23, 22};
    p.Bloccata = true;
    console.changeScore(0);
    console.changeScore(1);
    QApplication::processEvents();

    Durate durate;
    int index = 0;
    for (auto _ : state) {
        durate.Inizia();
        console.changeScore(index);
        if (disegna) {
            QApplication::processEvents();
        }
        durate.Ferma();
        // The history stays at 250 lines: the line this click added goes again.
        state.PauseTiming();
        p.Storico.removeLast();
        p.RigaSelezionata = static_cast<int>(p.Storico.size()) - 1;
        delete console.historyList->takeItem(console.historyList->count() - 1);
        state.ResumeTiming();
        if (!disegna) {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        index = index == 0 ? 1 : 0; // 24-22 with the set point banner, then back to 23-22
    }
    durate.Riporta(state, true);
}

void BM_ClickPunto(benchmark::State& state) {
    ClickPunto(state, false);
}
void BM_ClickPuntoDisegnato(benchmark::State& state) {
    ClickPunto(state, true);
}
// A USB stick or a network folder: every write of the emergency copy takes 50 ms to sync.
void BM_ClickPuntoDiscoLento(benchmark::State& state) {
    ClickPunto(state, false, 50);
}
BENCHMARK(BM_ClickPunto)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPuntoDiscoLento)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPuntoDisegnato)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
