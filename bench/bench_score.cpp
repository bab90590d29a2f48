// One score click as the operator feels it: the whole handler with both windows updated,
// then also painted, with a 250-line history on the console; and on a slow disk.
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "match/History.h"
#include "match/Match.h"

#include "Measures.h"

#include <QApplication>

namespace {

void ClickPoint(benchmark::State& state, bool draw, int diskDelay = 0) {
    Environment a;
    a.f.disk.delayMs = diskDelay;
    ConsoleProbe console(a.f.platform);
    console.load();
    console.show();
    Match& match = console.match();
    for (int i = 0; i < 250; ++i) {
        AppendHistory(match, PointLine(1, i % 23, i % 22, QStringLiteral("15:42"), "H_7_2"));
    }
    match.Points = {23, 22};
    match.Locked = true;
    console.changeScore(0);
    console.changeScore(1);
    QApplication::processEvents();

    Durations durations;
    int index = 0;
    for (auto _ : state) {
        durations.Begin();
        console.changeScore(index);
        if (draw) {
            QApplication::processEvents();
        }
        durations.Stop();
        // The history stays at 250 lines: the line this click added goes again.
        state.PauseTiming();
        match.History.removeLast();
        match.SelectedLine = static_cast<int>(match.History.size()) - 1;
        console.forgetLastShownHistoryLine();
        state.ResumeTiming();
        if (!draw) {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        index = index == 0 ? 1 : 0; // 24-22 with the set point banner, then back to 23-22
    }
    durations.BringBack(state, true);
}

void BM_ClickPoint(benchmark::State& state) {
    ClickPoint(state, false);
}
void BM_ClickPointDrawn(benchmark::State& state) {
    ClickPoint(state, true);
}
// A USB stick or a network folder: every write of the emergency copy takes 50 ms to sync.
void BM_ClickPointOnSlowDisk(benchmark::State& state) {
    ClickPoint(state, false, 50);
}
BENCHMARK(BM_ClickPoint)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPointOnSlowDisk)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPointDrawn)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
