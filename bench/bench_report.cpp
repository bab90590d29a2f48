// The post-match pack of a five-set match with 250 history lines: all three files in memory.
// A damaged match file of 100,000 history lines, half of them lines no version wrote, loaded.
#include "doubles/Environment.h"
#include "match/History.h"
#include "match/Match.h"
#include "match/MatchFile.h"
#include "report/Report.h"
#include "report/ui/ReportPackage.h"
#include "shared/Language.h"

#include "Measures.h"

namespace {

void BM_ReportPackage(benchmark::State& state) {
    Environment a;
    Match p;
    DefaultRules(p);
    p.Display.Name = {QStringLiteral("Aquile Volley"), QStringLiteral("Lupi Neri")};
    p.SetsWon = {3, 2};
    p.CurrentSet = 5;
    for (int set = 1; set <= 5; ++set) {
        AppendHistory(p, SetStartLine(set, QStringLiteral("20:00")));
        for (int i = 1; i <= 49; ++i) {
            const bool home = i % 2 == 1;
            AppendHistory(p, PointLine(set, (i + 1) / 2, i / 2,
                                       QStringLiteral("20:%1").arg(i, 2, 10, QLatin1Char('0')),
                                       home ? QStringLiteral("H_7_1") : QStringLiteral("G_E_0")));
        }
    }
    const LanguageTable languages;
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        const Report r = BuildReport(p, QDate(2026, 12, 7), languages);
        benchmark::DoNotOptimize(PreparePackage(p, r, languages, DefaultColours(), a.program));
        durations.Stop();
    }
    durations.BringBack(state, false);
}
BENCHMARK(BM_ReportPackage)->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_LoadDamagedMatchFile(benchmark::State& state) {
    QStringList lines{QStringLiteral("#CURSET:1")};
    for (int i = 0; i < 50000; ++i) {
        lines << PointLine(1, i % 24, 0, QStringLiteral("20:00"), QStringLiteral("H_7_1"))
              << QStringLiteral("damaged %1").arg(i);
    }
    const LanguageTable languages;
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        Match p;
        DefaultRules(p);
        ApplyMatchFile(p, *ReadMatchFile(lines), languages);
        benchmark::DoNotOptimize(p.History.size());
        durations.Stop();
    }
    durations.BringBack(state, false);
}
BENCHMARK(BM_LoadDamagedMatchFile)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
