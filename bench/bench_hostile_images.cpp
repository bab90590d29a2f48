// Hostile picture files where the program shows pictures: the UI thread's time to find out
// that there is nothing worth showing (or only a first frame).
#include "Measures.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/HostileImages.h"
#include "shared/ui/Images.h"
#include "sponsor/ui/SponsorManager.h"

namespace {

// A decode that was not prepared ahead, at the widest size the display asks for.
void BM_DecodeHostile(benchmark::State& state) {
    const hostile::Case testCase = hostile::All()[static_cast<size_t>(state.range(0))];
    state.SetLabel(testCase.name);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ostile.jpg"));
    Environment::CreateFile(path, testCase.data);
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        benchmark::DoNotOptimize(DecodeImage(path, 1200));
        durations.Stop();
    }
    durations.BringBack(state);
}
BENCHMARK(BM_DecodeHostile)->DenseRange(0, 4)->Iterations(20)->Unit(benchmark::kMillisecond);

// The sponsor manager opening on a gallery and header logo of hostile files: it decodes
// its five slots and the logo on the UI thread.
void BM_HostileSponsorManager(benchmark::State& state) {
    const hostile::Case testCase = hostile::All()[static_cast<size_t>(state.range(0))];
    state.SetLabel(testCase.name);
    Environment a;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "HEADER_LOGO.jpg"}) {
        Environment::CreateFile(
            a.program + QStringLiteral("/Sponsors/") + QString::fromLatin1(name), testCase.data);
    }
    ConsoleProbe console(a.f.platform);
    console.load();
    CommonSettings common = console.common();
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        SponsorManager handling({common, a.f.platform, console.display().window(), [] {}});
        durations.Stop();
    }
    durations.BringBack(state);
}
BENCHMARK(BM_HostileSponsorManager)
    ->DenseRange(0, 4)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

} // namespace
