// The display's costly moments at 1920 x 1080: the live preview, a point whose scorer has a
// large photo, a sponsor rotation step over large pictures.
#include "Foto.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"

#include "Misure.h"

#include <QApplication>

namespace {

// One sample folder for the whole run: big photos for athletes 7 and 8, seven big sponsors.
Ambiente& Dati() {
    static Ambiente a;
    static bool pronto = false;
    if (!pronto) {
        ScriviFotoGrande(a.programma + QStringLiteral("/Teams/Home/7.jpg"), 1);
        ScriviFotoGrande(a.programma + QStringLiteral("/Teams/Home/8.jpg"), 2);
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Home/team.csv"),
                           "7;Rossi;Mario;2-Centrale;C\r\n8;Bianchi;Luca;1-Alzatore;C\r\n");
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
        console.teamLists[0]->setCurrentRow(console.teamLists[0]->row(
            console.teamLists[0]->findItems(QStringLiteral("Home"), Qt::MatchExactly).first()));
        console.dbclicca(0);
        DisplayWindow& d = console.Tabellone();
        d.resize(1920, 1080);
        d.Form_Resize();
        d.FotoPreparate().Attendi();
        d.SponsorPreparati().Attendi();
        QApplication::processEvents();
    }
    ConsoleWindow console;
};

void BM_AnteprimaTabellone(benchmark::State& state) {
    Console c;
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        c.console.TimerTabellone_Timer();
        durate.Ferma();
    }
    durate.Riporta(state);
}
BENCHMARK(BM_AnteprimaTabellone)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_PuntoConFotoGrande(benchmark::State& state) {
    Console c;
    Partita& p = c.console.Match();
    Durate durate;
    int marcatore = 7;
    for (auto _ : state) {
        p.NumeroMarcatore = QString::number(marcatore);
        c.console.codeBoxes[0]->setText(p.NumeroMarcatore);
        durate.Inizia();
        c.console.changeScore(0);
        durate.Ferma();
        state.PauseTiming();
        c.console.changeScore(1);
        QApplication::processEvents();
        state.ResumeTiming();
        marcatore = marcatore == 7 ? 8 : 7; // a different photo at every point
    }
    durate.Riporta(state);
}
BENCHMARK(BM_PuntoConFotoGrande)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_RotazioneSponsorGrandi(benchmark::State& state) {
    Console c;
    DisplayWindow& d = c.console.Tabellone();
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        d.sponsorTick();
        durate.Ferma();
        state.PauseTiming();
        d.SponsorPreparati().Attendi(); // the 4 s between two steps
        state.ResumeTiming();
    }
    durate.Riporta(state);
}
BENCHMARK(BM_RotazioneSponsorGrandi)->Iterations(50)->Unit(benchmark::kMillisecond);

// The presentation ticks, each painted: the panel crossing the display every 3 ms, and the
// tick that holds a person in the middle while a 4000 x 3000 photo grows in seven steps.
void Presentazione(benchmark::State& state, bool tieni) {
    Console c;
    DisplayWindow& d = c.console.Tabellone();
    Durate durate;
    for (auto _ : state) {
        if (!d.presentationTimer.isActive()) {
            d.AvviaOFermaPresentazione();
        }
        const bool prima = d.presentationTimer.interval() == 4000;
        durate.Inizia();
        d.presentationTick();
        QApplication::processEvents();
        const bool fermo = d.presentationTimer.interval() == 4000 && !prima;
        if (fermo == tieni) {
            durate.Ferma();
        }
    }
    durate.Riporta(state);
}

void BM_TickPresentazione(benchmark::State& state) {
    Presentazione(state, false);
}
BENCHMARK(BM_TickPresentazione)->Iterations(3000)->Unit(benchmark::kMillisecond);

void BM_PresentazioneFotoIngrandita(benchmark::State& state) {
    Presentazione(state, true);
}
BENCHMARK(BM_PresentazioneFotoIngrandita)->Iterations(20000)->Unit(benchmark::kMillisecond);

} // namespace
