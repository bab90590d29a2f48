// The live output as a streamer feels it: building the state, the event reaching 50 clients
// after a score click, and what the server adds to the click itself.
#include "console/ui/ConsoleWindow.h"
#include "control/Telecomando.h"
#include "doppi/Ambiente.h"
#include "doppi/ClienteEventi.h"
#include "live/Diffusione.h"
#include "match/Storico.h"
#include "doppi/ConsoleLive.h"
#include "platform/qt/ServerLiveQt.h"

#include "Misure.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <memory>
#include <vector>

namespace {

struct ConsoleInDiretta : ConsoleLive {
    explicit ConsoleInDiretta(int clienti) {
        a.f.impostazioni.valori[QStringLiteral("HubPort")] = QStringLiteral("0");
        console.Form_Load();
        Partita& p = console.Match();
        for (int i = 0; i < 250; ++i) {
            p.Storico.append(RigaPunto(1, i % 23, i % 22, QStringLiteral("15:42"), "H_7_2"));
        }
        p.Punti = {23, 22};
        p.Bloccata = true;
        if (clienti > 0) {
            console.Live().Avvia(0, false);
            for (int i = 0; i < clienti; ++i) {
                this->clienti.push_back(std::make_unique<ClienteEventi>(console.Live().Porta()));
            }
            Attendi([&] { return server.Flussi() == clienti; });
        }
    }
    static void Attendi(const std::function<bool()>& fatto) {
        const QDeadlineTimer limite(10000);
        while (!fatto() && !limite.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
    // Back to 23-22 with 250 lines, so every click does the same work.
    void Riporta() {
        Partita& p = console.Match();
        p.Storico.removeLast();
        p.RigaSelezionata = static_cast<int>(p.Storico.size()) - 1;
        delete console.historyList->takeItem(console.historyList->count() - 1);
    }

    std::vector<std::unique_ptr<ClienteEventi>> clienti;
};

void BM_StatoJson(benchmark::State& state) {
    ConsoleInDiretta c(0);
    c.console.changeScore(0);
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        benchmark::DoNotOptimize(c.console.Live().StatoJson());
        durate.Ferma();
    }
    durate.Riporta(state, true);
}
BENCHMARK(BM_StatoJson)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// From the end of the click's handler to the event in all 50 clients' hands.
void BM_EventoA50Clienti(benchmark::State& state) {
    ConsoleInDiretta c(50);
    int index = 0;
    Durate durate;
    for (auto _ : state) {
        state.PauseTiming();
        c.console.changeScore(index);
        const qint64 versione = c.console.Live().Versione();
        state.ResumeTiming();
        durate.Inizia();
        ConsoleInDiretta::Attendi([&] {
            return std::all_of(c.clienti.begin(), c.clienti.end(), [&](const auto& k) {
                return !k->versioni.isEmpty() && k->versioni.last() >= versione;
            });
        });
        durate.Ferma();
        state.PauseTiming();
        c.Riporta();
        index = index == 0 ? 1 : 0;
        state.ResumeTiming();
    }
    durate.Riporta(state, false);
}
BENCHMARK(BM_EventoA50Clienti)->Iterations(500)->Unit(benchmark::kMillisecond);

// The click's own handler with the server off, then on with 50 streams open.
void ClickConClienti(benchmark::State& state, int clienti) {
    ConsoleInDiretta c(clienti);
    int index = 0;
    Durate durate;
    for (auto _ : state) {
        durate.Inizia();
        c.console.changeScore(index);
        durate.Ferma();
        state.PauseTiming();
        QApplication::processEvents();
        c.Riporta();
        index = index == 0 ? 1 : 0;
        state.ResumeTiming();
    }
    durate.Riporta(state, true);
}
void BM_ClickServerSpento(benchmark::State& state) {
    ClickConClienti(state, 0);
}
void BM_ClickCon50Clienti(benchmark::State& state) {
    ClickConClienti(state, 50);
}
BENCHMARK(BM_ClickServerSpento)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickCon50Clienti)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// A button deck's request on loopback, from the first byte sent to the last byte of its answer:
// the point is on both windows by then (the answer is written after the handler's refresh).
void BM_RemotoPiuUno(benchmark::State& state) {
    ConsoleInDiretta c(0);
    c.console.Live().Avvia(0, false);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, c.console.Live().Porta());
    ConsoleInDiretta::Attendi([&] { return socket.state() == QAbstractSocket::ConnectedState; });
    const QByteArray segreto = c.console.Remoto().Sicurezza().Segreto().toLatin1();
    const auto richiesta = [&](const QByteArray& azione) {
        return "POST /control/" + azione + " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
               segreto + "\r\nContent-Length: 0\r\n\r\n";
    };
    const QByteArray piu = richiesta("home/plus");
    const QByteArray meno = richiesta("home/minus");
    bool aggiunta = true;
    int errori = 0;
    Durate durate;
    for (auto _ : state) {
        QByteArray risposta;
        qsizetype attesi = -1;
        durate.Inizia();
        socket.write(aggiunta ? piu : meno);
        ConsoleInDiretta::Attendi([&] {
            risposta += socket.readAll();
            const qsizetype testa = risposta.indexOf("\r\n\r\n");
            if (attesi < 0 && testa >= 0) {
                const qsizetype da = risposta.indexOf("Content-Length: ") + 16;
                attesi = testa + 4 + risposta.mid(da, risposta.indexOf("\r\n", da) - da).toLongLong();
            }
            return attesi >= 0 && risposta.size() >= attesi;
        });
        durate.Ferma();
        state.PauseTiming();
        errori += !risposta.startsWith("HTTP/1.1 200");
        if (!aggiunta) {
            c.Riporta();
            c.Riporta();
        }
        aggiunta = !aggiunta;
        state.ResumeTiming();
    }
    if (errori > 0) {
        state.SkipWithError("a request was refused");
    }
    durate.Riporta(state, true);
}
BENCHMARK(BM_RemotoPiuUno)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
