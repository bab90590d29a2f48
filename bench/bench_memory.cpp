// Memory with real photos: two teams of 25 phone photos (3000 x 4000 JPEG) chosen on the
// console, then ten points with ten different scorers on the display. Reports the resident
// memory and how long each scorer's photo took to reach the rising panel.
#include "Photos.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"

#include "Measures.h"

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
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

Environment& Data() {
    static Environment a;
    static bool ready = false;
    if (!ready) {
        const QString model = a.root.filePath(QStringLiteral("modello.jpg"));
        WriteLargePhoto(model, 11, {3000, 4000});
        for (const char* team : {"Lupi", "Orsi"}) {
            const QString folder = a.program + QStringLiteral("/Teams/") + QLatin1String(team);
            QDir().mkpath(folder);
            QByteArray roster;
            for (int n = 1; n <= 25; ++n) {
                QFile::copy(model, folder + QStringLiteral("/%1.jpg").arg(n));
                roster += QByteArray::number(n) + ";Atleta;N" + QByteArray::number(n) + ";1;C\r\n";
            }
            Environment::CreateFile(folder + QStringLiteral("/team.csv"), roster);
        }
        ready = true;
    }
    return a;
}

void Memory(benchmark::State& state, QSize screen) {
    Environment& a = Data();
    ConsoleProbe console(a.f.platform);
    console.load();
    console.show();
    DisplayProbe d = console.display();
    d.resize(screen);
    d.layOutControls();
    for (int side = 0; side < 2; ++side) {
        const QString name = side == 0 ? QStringLiteral("Lupi") : QStringLiteral("Orsi");
        console.teamList(side)->setCurrentItem(
            console.teamList(side)->findItems(name, Qt::MatchExactly).first());
        console.chooseTeam(side);
    }
    QApplication::processEvents();
    Durations durations;
    int point = 0;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i, ++point) {
            const int side = point % 2;
            // The athlete picked in the roster, then the point: the photo is on its way.
            console.rosterList(side)->setCurrentRow(1 + point % 25);
            console.pickAthlete(side);
            durations.Begin();
            console.changeScore(side == 0 ? 0 : 3);
            const QDeadlineTimer limit(5000);
            while (d.scorerPhoto()->pixmap().cacheKey() == d.scorerBall()->pixmap().cacheKey() ||
                   d.scorerPhoto()->pixmap().isNull()) {
                if (limit.hasExpired()) {
                    state.SkipWithError("the scorer's photo never arrived");
                    return;
                }
                QApplication::processEvents(QEventLoop::AllEvents, 5);
            }
            durations.Stop();
            // The panel goes down again before the next point.
            for (int t = 0; t < 500 && d.panelSliding(); ++t) {
                d.panelSlideTick();
            }
        }
    }
    QApplication::processEvents();
    state.counters["rss_mb"] = RssMb();
    durations.BringBack(state);
}

void BM_PhotoMemory1080(benchmark::State& state) {
    Memory(state, {1920, 1080});
}
void BM_PhotoMemory4K(benchmark::State& state) {
    Memory(state, {3840, 2160});
}
BENCHMARK(BM_PhotoMemory1080)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoMemory4K)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
