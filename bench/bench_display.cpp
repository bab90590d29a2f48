// The display's costly moments at 1920 x 1080: the live preview, a point whose scorer has a
// large photo, a sponsor rotation step over large pictures.
#include "Photos.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"

#include "Measures.h"

#include <QApplication>

namespace {

// One sample folder for the whole run: big photos for athletes 7 and 8, seven big sponsors.
Environment& Data() {
    static Environment a;
    static bool ready = false;
    if (!ready) {
        WriteLargePhoto(a.program + QStringLiteral("/Teams/Home/7.jpg"), 1);
        WriteLargePhoto(a.program + QStringLiteral("/Teams/Home/8.jpg"), 2);
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Home/team.csv"),
                                "7;Rossi;Mario;2-Centrale;C\r\n8;Bianchi;Luca;1-Alzatore;C\r\n");
        for (unsigned i = 0; i < 7; ++i) {
            WriteLargePhoto(a.program + QStringLiteral("/Sponsors/s%1.jpg").arg(i), 3 + i);
        }
        ready = true;
    }
    return a;
}

struct Console {
    Console() : console(Data().f.platform) {
        console.load();
        console.show();
        console.teamList(0)->setCurrentRow(console.teamList(0)->row(
            console.teamList(0)->findItems(QStringLiteral("Home"), Qt::MatchExactly).first()));
        console.doubleClick(0);
        DisplayProbe d = console.display();
        d.resize(1920, 1080);
        d.layOutControls();
        d.preparedPhotos().Wait();
        d.preparedSponsors().Wait();
        QApplication::processEvents();
    }
    ConsoleProbe console;
};

void BM_DisplayPreview(benchmark::State& state) {
    Console c;
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        c.console.displayTick();
        durations.Stop();
    }
    durations.BringBack(state);
}
BENCHMARK(BM_DisplayPreview)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_PointWithLargePhoto(benchmark::State& state) {
    Console c;
    Match& match = c.console.match();
    Durations durations;
    int scorer = 7;
    for (auto _ : state) {
        match.PickedAthlete = QString::number(scorer);
        c.console.codeBox(0)->setText(match.PickedAthlete);
        durations.Begin();
        c.console.changeScore(0);
        durations.Stop();
        state.PauseTiming();
        c.console.changeScore(1);
        QApplication::processEvents();
        state.ResumeTiming();
        scorer = scorer == 7 ? 8 : 7; // a different photo at every point
    }
    durations.BringBack(state);
}
BENCHMARK(BM_PointWithLargePhoto)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_LargeSponsorRotation(benchmark::State& state) {
    Console c;
    DisplayProbe d = c.console.display();
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        d.sponsorTick();
        durations.Stop();
        state.PauseTiming();
        d.preparedSponsors().Wait(); // the 4 s between two steps
        state.ResumeTiming();
    }
    durations.BringBack(state);
}
BENCHMARK(BM_LargeSponsorRotation)->Iterations(50)->Unit(benchmark::kMillisecond);

// The presentation ticks, each painted: the panel crossing the display every 3 ms, and the
// tick that holds a person in the middle while a 4000 x 3000 photo grows in seven steps.
void Presentation(benchmark::State& state, bool hold) {
    Console c;
    DisplayProbe d = c.console.display();
    Durations durations;
    for (auto _ : state) {
        if (!d.presenting()) {
            d.startOrStopPresentation();
        }
        const bool before = d.presentationInterval() == 4000;
        durations.Begin();
        d.presentationTick();
        QApplication::processEvents();
        const bool still = d.presentationInterval() == 4000 && !before;
        if (still == hold) {
            durations.Stop();
        }
    }
    durations.BringBack(state);
}

void BM_TickPresentation(benchmark::State& state) {
    Presentation(state, false);
}
BENCHMARK(BM_TickPresentation)->Iterations(3000)->Unit(benchmark::kMillisecond);

void BM_PresentationEnlargedPhoto(benchmark::State& state) {
    Presentation(state, true);
}
BENCHMARK(BM_PresentationEnlargedPhoto)->Iterations(20000)->Unit(benchmark::kMillisecond);

} // namespace
