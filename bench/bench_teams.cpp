// Choosing a team of 100 rows whose folder holds 100 photos of 4000 x 3000 (and a logo as
// big): the UI thread's share; the photos are decoded on the side.
#include "Measures.h"
#include "Photos.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"

#include <QApplication>
#include <QFile>

namespace {

void BM_ChooseLargeTeam(benchmark::State& state) {
    Environment a;
    const QString folder = a.program + QStringLiteral("/Teams/Grande");
    const QString sample = folder + QStringLiteral("/1.jpg");
    WriteLargePhoto(sample, 7);
    QByteArray roster;
    for (int n = 1; n <= 100; ++n) {
        roster +=
            QByteArray::number(n) + ";Cognome" + QByteArray::number(n) + ";Nome;2-Centrale;C\r\n";
        if (n > 1) {
            QFile::copy(sample, folder + QStringLiteral("/%1.jpg").arg(n));
        }
    }
    QFile::copy(sample, folder + QStringLiteral("/logo.jpg"));
    Environment::CreateFile(folder + QStringLiteral("/team.csv"), roster);

    ConsoleProbe console(a.f.platform);
    console.load();
    console.show();
    DisplayProbe d = console.display();
    d.resize(1920, 1080);
    d.layOutControls();
    console.teamList(0)->setCurrentItem(
        console.teamList(0)->findItems(QStringLiteral("Grande"), Qt::MatchExactly).first());
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        console.doubleClick(0);
        durations.Stop();
        state.PauseTiming();
        d.preparedPhotos().Wait();
        d.preparedPhotos().Empty();
        console.logos().Wait();
        console.logos().Empty();
        state.ResumeTiming();
    }
    durations.BringBack(state);
}
BENCHMARK(BM_ChooseLargeTeam)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
