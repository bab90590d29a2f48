// One score click as the operator feels it: the whole handler with both windows updated,
// then also painted, with a 250-line history on the console.
#include "console/ui/Form1.h"
#include "display/ui/Form2.h"
#include "doppi/Ambiente.h"
#include "match/Storico.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

double Percentile(std::vector<double> valori, double quota) {
    std::sort(valori.begin(), valori.end());
    const auto indice = static_cast<size_t>(quota * static_cast<double>(valori.size() - 1));
    return valori[indice];
}

void ClickPunto(benchmark::State& state, bool disegna) {
    Ambiente a;
    Form1 console(a.f.piattaforma);
    console.Form_Load();
    console.show();
    Partita& p = console.Match();
    for (int i = 0; i < 250; ++i) {
        p.Storico.append(RigaPunto(1, i % 23, i % 22, QStringLiteral("15:42"), "H_7_2"));
    }
    p.Punti = {23, 22};
    p.Bloccata = true;
    console.Command1_Click(0);
    console.Command1_Click(1);
    QApplication::processEvents();

    std::vector<double> durate;
    int index = 0;
    for (auto _ : state) {
        const auto inizio = std::chrono::steady_clock::now();
        console.Command1_Click(index);
        if (disegna) {
            QApplication::processEvents();
        }
        const auto fine = std::chrono::steady_clock::now();
        durate.push_back(std::chrono::duration<double, std::micro>(fine - inizio).count());
        if (!disegna) {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        index = index == 0 ? 1 : 0; // 24-22 with the set point banner, then back to 23-22
    }
    state.counters["p50_us"] = Percentile(durate, 0.50);
    state.counters["p99_us"] = Percentile(durate, 0.99);
}

void BM_ClickPunto(benchmark::State& state) {
    ClickPunto(state, false);
}
void BM_ClickPuntoDisegnato(benchmark::State& state) {
    ClickPunto(state, true);
}
BENCHMARK(BM_ClickPunto)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPuntoDisegnato)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
