// Hostile picture files where the program shows pictures: the UI thread's time to find out
// that there is nothing worth showing (or only a first frame).
#include "Misure.h"
#include "doppi/Ambiente.h"
#include "doppi/ImmaginiOstili.h"
#include "shared/ui/Immagini.h"
#include "sponsor/ui/SponsorManager.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"

namespace {

// A decode that was not prepared ahead, at the widest size the display asks for.
void BM_DecodificaOstile(benchmark::State& state) {
    const ostili::Caso caso = ostili::Tutti()[static_cast<size_t>(state.range(0))];
    state.SetLabel(caso.nome);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("ostile.jpg"));
    Ambiente::CreaFile(percorso, caso.dati);
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        benchmark::DoNotOptimize(DecodificaImmagine(percorso, 1200));
        durate.Ferma();
    }
    durate.Riporta(state);
}
BENCHMARK(BM_DecodificaOstile)->DenseRange(0, 4)->Iterations(20)->Unit(benchmark::kMillisecond);

// The sponsor manager opening on a gallery and header logo of hostile files: it decodes
// its five slots and the logo on the UI thread.
void BM_GestioneSponsorOstile(benchmark::State& state) {
    const ostili::Caso caso = ostili::Tutti()[static_cast<size_t>(state.range(0))];
    state.SetLabel(caso.nome);
    Ambiente a;
    for (const char* nome : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "HEADER_LOGO.jpg"}) {
        Ambiente::CreaFile(a.programma + QStringLiteral("/Sponsors/") + QString::fromLatin1(nome),
                           caso.dati);
    }
    ConsoleWindow console(a.f.piattaforma);
    console.Form_Load();
    Modulo1 modulo = console.Modulo();
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        SponsorManager gestione({modulo, a.f.piattaforma, console.Tabellone(), [] {}});
        durate.Ferma();
    }
    durate.Riporta(state);
}
BENCHMARK(BM_GestioneSponsorOstile)->DenseRange(0, 4)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
