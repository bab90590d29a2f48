// The live output as a streamer feels it: building the state, the event reaching 50 clients
// after a score click, and what the server adds to the click itself.
#include "control/Remote.h"
#include "doubles/ConsoleLive.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/EventClient.h"
#include "live/Broadcast.h"
#include "match/History.h"
#include "match/Match.h"
#include "platform/qt/QtLiveServer.h"

#include "Measures.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <memory>
#include <vector>

namespace {

struct LiveConsole : ConsoleLive {
    explicit LiveConsole(int clients) {
        a.f.settings.values[QStringLiteral("HubPort")] = QStringLiteral("0");
        console.load();
        Match& match = console.match();
        for (int i = 0; i < 250; ++i) {
            AppendHistory(match, PointLine(1, i % 23, i % 22, QStringLiteral("15:42"), "H_7_2"));
        }
        match.Points = {23, 22};
        match.Locked = true;
        if (clients > 0) {
            console.live().Start(0, false);
            for (int i = 0; i < clients; ++i) {
                this->clients.push_back(std::make_unique<EventClient>(console.live().Port()));
            }
            Wait([&] { return server.Streams() == clients; });
        }
    }
    static void Wait(const std::function<bool()>& done) {
        const QDeadlineTimer limit(10000);
        while (!done() && !limit.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
    // Back to 23-22 with 250 lines, so every click does the same work.
    void BringBack() {
        Match& match = console.match();
        match.History.removeLast();
        match.SelectedLine = static_cast<int>(match.History.size()) - 1;
        console.forgetLastShownHistoryLine();
    }

    std::vector<std::unique_ptr<EventClient>> clients;
};

void BM_StateJson(benchmark::State& state) {
    LiveConsole c(0);
    c.console.changeScore(0);
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        benchmark::DoNotOptimize(c.console.live().StateJson());
        durations.Stop();
    }
    durations.BringBack(state, true);
}
BENCHMARK(BM_StateJson)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// From the end of the click's handler to the event in all 50 clients' hands.
void BM_EventTo50Clients(benchmark::State& state) {
    LiveConsole c(50);
    int index = 0;
    Durations durations;
    for (auto _ : state) {
        state.PauseTiming();
        c.console.changeScore(index);
        const qint64 version = c.console.live().Version();
        state.ResumeTiming();
        durations.Begin();
        LiveConsole::Wait([&] {
            return std::all_of(c.clients.begin(), c.clients.end(), [&](const auto& k) {
                return !k->versions.isEmpty() && k->versions.last() >= version;
            });
        });
        durations.Stop();
        state.PauseTiming();
        c.BringBack();
        index = index == 0 ? 1 : 0;
        state.ResumeTiming();
    }
    durations.BringBack(state, false);
}
BENCHMARK(BM_EventTo50Clients)->Iterations(500)->Unit(benchmark::kMillisecond);

// The click's own handler with the server off, then on with 50 streams open.
void ClickWithClients(benchmark::State& state, int clients) {
    LiveConsole c(clients);
    int index = 0;
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        c.console.changeScore(index);
        durations.Stop();
        state.PauseTiming();
        QApplication::processEvents();
        c.BringBack();
        index = index == 0 ? 1 : 0;
        state.ResumeTiming();
    }
    durations.BringBack(state, true);
}
void BM_ClickServerOff(benchmark::State& state) {
    ClickWithClients(state, 0);
}
void BM_ClickWith50Clients(benchmark::State& state) {
    ClickWithClients(state, 50);
}
BENCHMARK(BM_ClickServerOff)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickWith50Clients)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// A button deck's request on loopback, from the first byte sent to the last byte of its answer:
// the point is on both windows by then (the answer is written after the handler's refresh).
void BM_RemotePlusOne(benchmark::State& state) {
    LiveConsole c(0);
    c.console.live().Start(0, false);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, c.console.live().Port());
    LiveConsole::Wait([&] { return socket.state() == QAbstractSocket::ConnectedState; });
    const QByteArray secret = c.console.remoteControl().Safety().Secret().toLatin1();
    const auto request = [&](const QByteArray& action) {
        return "POST /control/" + action +
               " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + secret +
               "\r\nContent-Length: 0\r\n\r\n";
    };
    const QByteArray plus = request("home/plus");
    const QByteArray minus = request("home/minus");
    bool added = true;
    int errors = 0;
    Durations durations;
    for (auto _ : state) {
        QByteArray answer;
        qsizetype expected = -1;
        durations.Begin();
        socket.write(added ? plus : minus);
        LiveConsole::Wait([&] {
            answer += socket.readAll();
            const qsizetype head = answer.indexOf("\r\n\r\n");
            if (expected < 0 && head >= 0) {
                const qsizetype from = answer.indexOf("Content-Length: ") + 16;
                expected =
                    head + 4 + answer.mid(from, answer.indexOf("\r\n", from) - from).toLongLong();
            }
            return expected >= 0 && answer.size() >= expected;
        });
        durations.Stop();
        state.PauseTiming();
        errors += !answer.startsWith("HTTP/1.1 200");
        if (!added) {
            c.BringBack();
            c.BringBack();
        }
        added = !added;
        state.ResumeTiming();
    }
    if (errors > 0) {
        state.SkipWithError("a request was refused");
    }
    durations.BringBack(state, true);
}
BENCHMARK(BM_RemotePlusOne)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
