// The post-match pack of a five-set match with 250 history lines: all three files in memory.
#include "doppi/Ambiente.h"
#include "match/Partita.h"
#include "match/Storico.h"
#include "report/Rapporto.h"
#include "report/ui/Pacchetto.h"
#include "shared/Lingua.h"

#include "Misure.h"

namespace {

void BM_PacchettoRapporto(benchmark::State& state) {
    Ambiente a;
    Partita p;
    RegolePredefinite(p);
    p.Tabellone.Nome = {QStringLiteral("Aquile Volley"), QStringLiteral("Lupi Neri")};
    p.SetVinti = {3, 2};
    p.SetCorrente = 5;
    for (int set = 1; set <= 5; ++set) {
        p.Storico << RigaInizioSet(set, QStringLiteral("20:00"));
        for (int i = 1; i <= 49; ++i) {
            const bool casa = i % 2 == 1;
            p.Storico << RigaPunto(set, (i + 1) / 2, i / 2, QStringLiteral("20:%1").arg(i, 2, 10, QLatin1Char('0')),
                                   casa ? QStringLiteral("H_7_1") : QStringLiteral("G_E_0"));
        }
    }
    const TabellaLingue lingue;
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        const Rapporto r = CostruisciRapporto(p, QDate(2026, 12, 7), lingue);
        benchmark::DoNotOptimize(PreparaPacchetto(p, r, lingue, ColoriPredefiniti(), a.programma));
        durate.Ferma();
    }
    durate.Riporta(state, false);
}
BENCHMARK(BM_PacchettoRapporto)->Iterations(30)->Unit(benchmark::kMillisecond);

} // namespace
