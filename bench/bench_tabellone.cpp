// The display's costly moments at 1920 x 1080: the live preview, a point whose scorer has a
// large photo, a sponsor rotation step over large pictures.
#include "Foto.h"
#include "console/ui/Form1.h"
#include "display/ui/Form2.h"
#include "doppi/Ambiente.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

double Percentile(std::vector<double> valori, double quota) {
    std::sort(valori.begin(), valori.end());
    return valori[static_cast<size_t>(quota * static_cast<double>(valori.size() - 1))];
}

void Percentili(benchmark::State& state, const std::vector<double>& durate) {
    state.counters["p50_ms"] = Percentile(durate, 0.50);
    state.counters["p99_ms"] = Percentile(durate, 0.99);
}

double Millisecondi(std::chrono::steady_clock::time_point inizio) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
        .count();
}

// One sample folder for the whole run: big photos for athletes 7 and 8, seven big sponsors.
Ambiente& Dati() {
    static Ambiente a;
    static bool pronto = false;
    if (!pronto) {
        ScriviFotoGrande(a.programma + QStringLiteral("/Teams/Home/7.jpg"), 1);
        ScriviFotoGrande(a.programma + QStringLiteral("/Teams/Home/8.jpg"), 2);
        for (unsigned i = 0; i < 7; ++i) {
            ScriviFotoGrande(a.programma + QStringLiteral("/Sponsors/s%1.jpg").arg(i), 3 + i);
        }
        pronto = true;
    }
    return a;
}

struct Console {
    Console() : console(Dati().f.piattaforma) {
        console.Form_Load();
        console.show();
        Form2& d = console.Tabellone();
        d.resize(1920, 1080);
        d.Form_Resize();
        d.FotoPreparate().Attendi();
        d.SponsorPreparati().Attendi();
        QApplication::processEvents();
    }
    Form1 console;
};

void BM_AnteprimaTabellone(benchmark::State& state) {
    Console c;
    std::vector<double> durate;
    for (auto _ : state) {
        const auto inizio = std::chrono::steady_clock::now();
        c.console.TimerTabellone_Timer();
        durate.push_back(Millisecondi(inizio));
    }
    Percentili(state, durate);
}
BENCHMARK(BM_AnteprimaTabellone)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_PuntoConFotoGrande(benchmark::State& state) {
    Console c;
    Partita& p = c.console.Match();
    std::vector<double> durate;
    int marcatore = 7;
    for (auto _ : state) {
        p.NumeroMarcatore = QString::number(marcatore);
        c.console.Text1[0]->setText(p.NumeroMarcatore);
        const auto inizio = std::chrono::steady_clock::now();
        c.console.Command1_Click(0);
        durate.push_back(Millisecondi(inizio));
        state.PauseTiming();
        c.console.Command1_Click(1);
        QApplication::processEvents();
        state.ResumeTiming();
        marcatore = marcatore == 7 ? 8 : 7; // a different photo at every point
    }
    Percentili(state, durate);
}
BENCHMARK(BM_PuntoConFotoGrande)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_RotazioneSponsorGrandi(benchmark::State& state) {
    Console c;
    Form2& d = c.console.Tabellone();
    std::vector<double> durate;
    for (auto _ : state) {
        const auto inizio = std::chrono::steady_clock::now();
        d.Timer4_Timer();
        durate.push_back(Millisecondi(inizio));
        state.PauseTiming();
        d.SponsorPreparati().Attendi(); // the 4 s between two steps
        state.ResumeTiming();
    }
    Percentili(state, durate);
}
BENCHMARK(BM_RotazioneSponsorGrandi)->Iterations(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
