// Choosing a team of 100 rows whose folder holds 100 photos of 4000 x 3000 (and a logo as
// big): the UI thread's share; the photos are decoded on the side.
#include "Foto.h"
#include "Misure.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"

#include <QApplication>
#include <QFile>

namespace {

void BM_SceltaSquadraGrande(benchmark::State& state) {
    Ambiente a;
    const QString cartella = a.programma + QStringLiteral("/Teams/Grande");
    const QString campione = cartella + QStringLiteral("/1.jpg");
    ScriviFotoGrande(campione, 7);
    QByteArray rosa;
    for (int n = 1; n <= 100; ++n) {
        rosa += QByteArray::number(n) + ";Cognome" + QByteArray::number(n) + ";Nome;2-Centrale;C\r\n";
        if (n > 1) {
            QFile::copy(campione, cartella + QStringLiteral("/%1.jpg").arg(n));
        }
    }
    QFile::copy(campione, cartella + QStringLiteral("/logo.jpg"));
    Ambiente::CreaFile(cartella + QStringLiteral("/team.csv"), rosa);

    ConsoleWindow console(a.f.piattaforma);
    console.Form_Load();
    console.show();
    DisplayWindow& d = console.Tabellone();
    d.resize(1920, 1080);
    d.Form_Resize();
    console.teamLists[0]->setCurrentItem(console.teamLists[0]->findItems(QStringLiteral("Grande"),
                                                                Qt::MatchExactly)
                                         .first());
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        console.dbclicca(0);
        durate.Ferma();
        state.PauseTiming();
        d.FotoPreparate().Attendi();
        d.FotoPreparate().Svuota();
        console.Loghi().Attendi();
        console.Loghi().Svuota();
        state.ResumeTiming();
    }
    durate.Riporta(state);
}
BENCHMARK(BM_SceltaSquadraGrande)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
