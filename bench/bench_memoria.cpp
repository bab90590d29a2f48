// Memory with real photos: two teams of 25 phone photos (3000 x 4000 JPEG) chosen on the
// console, then ten points with ten different scorers on the display. Reports the resident
// memory and how long each scorer's photo took to reach the rising panel.
#include "Foto.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"

#include "Misure.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

namespace {

double RssMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

Ambiente& Dati() {
    static Ambiente a;
    static bool pronto = false;
    if (!pronto) {
        const QString modello = a.radice.filePath(QStringLiteral("modello.jpg"));
        ScriviFotoGrande(modello, 11, {3000, 4000});
        for (const char* squadra : {"Lupi", "Orsi"}) {
            const QString cartella = a.programma + QStringLiteral("/Teams/") + QLatin1String(squadra);
            QDir().mkpath(cartella);
            QByteArray rosa;
            for (int n = 1; n <= 25; ++n) {
                QFile::copy(modello, cartella + QStringLiteral("/%1.jpg").arg(n));
                rosa += QByteArray::number(n) + ";Atleta;N" + QByteArray::number(n) + ";1;C\r\n";
            }
            Ambiente::CreaFile(cartella + QStringLiteral("/team.csv"), rosa);
        }
        pronto = true;
    }
    return a;
}

void Memoria(benchmark::State& state, QSize schermo) {
    Ambiente& a = Dati();
    ConsoleWindow console(a.f.piattaforma);
    console.Form_Load();
    console.show();
    DisplayWindow& d = console.Tabellone();
    d.resize(schermo);
    d.Form_Resize();
    for (int lato = 0; lato < 2; ++lato) {
        const QString nome = lato == 0 ? QStringLiteral("Lupi") : QStringLiteral("Orsi");
        console.teamLists[lato]->setCurrentItem(console.teamLists[lato]->findItems(nome, Qt::MatchExactly).first());
        console.chooseTeam(lato);
    }
    QApplication::processEvents();
    Durate durate;
    int punto = 0;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i, ++punto) {
            const int lato = punto % 2;
            // The athlete picked in the roster, then the point: the photo is on its way.
            console.rosterLists[lato]->setCurrentRow(1 + punto % 25);
            console.pickAthlete(lato);
            durate.Inizia();
            console.changeScore(lato == 0 ? 0 : 3);
            const QDeadlineTimer limite(5000);
            while (d.scorerPhoto->pixmap().cacheKey() == d.scorerBall->pixmap().cacheKey() ||
                   d.scorerPhoto->pixmap().isNull()) {
                if (limite.hasExpired()) {
                    state.SkipWithError("the scorer's photo never arrived");
                    return;
                }
                QApplication::processEvents(QEventLoop::AllEvents, 5);
            }
            durate.Ferma();
            // The panel goes down again before the next point.
            for (int t = 0; t < 500 && d.panelSlideTimer.isActive(); ++t) {
                d.panelSlideTick();
            }
        }
    }
    QApplication::processEvents();
    state.counters["rss_mb"] = RssMb();
    durate.Riporta(state);
}

void BM_MemoriaFoto1080(benchmark::State& state) {
    Memoria(state, {1920, 1080});
}
void BM_MemoriaFoto4K(benchmark::State& state) {
    Memoria(state, {3840, 2160});
}
BENCHMARK(BM_MemoriaFoto1080)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoriaFoto4K)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
