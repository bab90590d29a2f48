// A venue of courts through a real loopback broker: a click to the venue's page, the click's
// own cost with publishing on, and 32 courts at 10 changes a second into one venue view.
#include "doubles/Broker.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/VenueCourt.h"
#include "platform/qt/MosquittoClient.h"
#include "platform/qt/QtLiveServer.h"
#include "venue/CourtPublisher.h"
#include "venue/VenueServer.h"

#include "Measures.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <chrono>
#include <unistd.h>

namespace {

// A set that never ends: every click does the same work.
void EndlessSet(VenueCourt& court) {
    court.console.match().SetPoints = 100000;
    court.console.match().TieBreakPoints = 100000;
}

MqttOptions Options(quint16 port) {
    MqttOptions o;
    o.host = QStringLiteral("127.0.0.1");
    o.port = port;
    return o;
}

// The venue's event stream as a page reads it: the court's points, both sides together.
struct VenueReader {
    explicit VenueReader(quint16 port) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            buffer += socket.readAll();
            for (qsizetype end; (end = buffer.indexOf("\n\n")) >= 0;) {
                const QByteArray event = buffer.left(end);
                buffer.remove(0, end + 2);
                if (!event.contains("event: venue")) {
                    continue;
                }
                const auto courts = QJsonDocument::fromJson(event.mid(event.indexOf("data: ") + 6))
                                        .object()[QStringLiteral("courts")]
                                        .toArray();
                for (const auto& c : courts) {
                    const QJsonObject s = c.toObject()[QStringLiteral("state")].toObject();
                    points = s[QStringLiteral("home")].toObject()[QStringLiteral("points")].toInt(
                                 -1000) +
                             s[QStringLiteral("guests")].toObject()[QStringLiteral("points")].toInt(
                                 -1000);
                }
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write("GET /venue/events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }
    QTcpSocket socket;
    QByteArray buffer;
    int points = -1;
};

void BM_ClickToVenueEvent(benchmark::State& state) {
    Broker broker;
    QTemporaryDir results;
    QtLiveServer server;
    MosquittoClient venueClient;
    VenueServer venue(server, venueClient, QStringLiteral("gym"), results.path());
    venue.Start(0, Options(broker.Port()));
    VenueCourt court(broker.Port(), QStringLiteral("Court 1"));
    EndlessSet(court);
    VenueReader reader(server.Port());
    EventuallyTrue(
        [&] { return court.console.venueState().endsWith(QStringLiteral("connected")); });
    court.console.changeScore(0);
    EventuallyTrue([&] { return reader.points == 1; });
    int expected = 1;
    int side = 3;
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        court.console.changeScore(side);
        ++expected;
        const bool seen = EventuallyTrue([&] { return reader.points == expected; }, 5000);
        durations.Stop();
        if (!seen) {
            state.SkipWithError(
                ("the venue did not show the click: " + std::to_string(reader.points) + " for " +
                 std::to_string(expected) + " " + reader.buffer.left(300).toStdString())
                    .c_str());
            break;
        }
        // Apart, as clicks are: the venue's 50 ms coalescing is not what is measured.
        state.PauseTiming();
        EventuallyTrue([] { return false; }, 60);
        side = side == 0 ? 3 : 0;
        state.ResumeTiming();
    }
    durations.BringBack(state, false);
}
BENCHMARK(BM_ClickToVenueEvent)->Iterations(200)->Unit(benchmark::kMillisecond);

// The click's own handler: publishing off, on with the broker up, on with the broker gone.
void ClickPublishing(benchmark::State& state, bool publish, bool brokerUp) {
    Broker broker;
    VenueCourt court(publish ? broker.Port() : 0, QStringLiteral("Court 1"));
    EndlessSet(court);
    if (publish) {
        EventuallyTrue(
            [&] { return court.console.venueState().endsWith(QStringLiteral("connected")); });
    }
    if (!brokerUp) {
        broker.Stop();
    }
    int side = 0;
    Durations durations;
    for (auto _ : state) {
        durations.Begin();
        court.console.changeScore(side);
        durations.Stop();
        state.PauseTiming();
        QCoreApplication::processEvents();
        side = side == 0 ? 3 : 0;
        state.ResumeTiming();
    }
    durations.BringBack(state, true);
}
void BM_ClickPublishingOff(benchmark::State& state) {
    ClickPublishing(state, false, true);
}
void BM_ClickPublishingBrokerUp(benchmark::State& state) {
    ClickPublishing(state, true, true);
}
void BM_ClickPublishingBrokerGone(benchmark::State& state) {
    ClickPublishing(state, true, false);
}
BENCHMARK(BM_ClickPublishingOff)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPublishingBrokerUp)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickPublishingBrokerGone)->Iterations(2000)->Unit(benchmark::kMicrosecond);

double ResidentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) /
                                   (1024.0 * 1024.0)
                             : 0;
}

// 32 courts, each changing 10 times a second, into one venue view: the lag from a court's
// publish to the venue holding it. The whole run shares this process, so its RSS is an upper
// bound of the view's own.
void BM_ThirtyTwoCourts(benchmark::State& state) {
    const int seconds = static_cast<int>(state.range(0));
    Broker broker;
    QTemporaryDir folder;
    QtLiveServer server;
    MosquittoClient venueClient;
    VenueServer venue(server, venueClient, QStringLiteral("gym"), folder.path());
    venue.Start(0, Options(broker.Port()));
    std::vector<std::unique_ptr<MosquittoClient>> clients;
    std::vector<std::unique_ptr<CourtPublisher>> courts;
    for (int i = 0; i < 32; ++i) {
        clients.push_back(std::make_unique<MosquittoClient>());
        courts.push_back(std::make_unique<CourtPublisher>(
            *clients.back(), QStringLiteral("gym"),
            QStringLiteral("Court %1").arg(i + 1, 2, 10, QChar(u'0')),
            folder.filePath(QStringLiteral("outbox%1").arg(i))));
        courts.back()->Start(Options(broker.Port()));
    }
    EventuallyTrue([&] {
        return std::all_of(courts.begin(), courts.end(),
                           [](const auto& c) { return c->State() == MqttState::Connected; });
    });
    using Clock = std::chrono::steady_clock;
    const auto origin = Clock::now();
    const auto micros = [&] {
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - origin).count();
    };
    std::vector<double> lags;
    std::vector<qint64> seen(32, -1);
    double rss = 0;
    for (auto _ : state) {
        for (int tick = 0; tick < seconds * 10; ++tick) {
            const qint64 sent = micros();
            for (int i = 0; i < 32; ++i) {
                const QByteArray doc = R"({"home":{"points":)" + QByteArray::number(tick) +
                                       R"(},"guests":{"points":0},"sent_us":)" +
                                       QByteArray::number(sent) + "}";
                courts[i]->PublishState(doc);
            }
            // Until the next tenth of a second, the view takes what arrives.
            while (micros() < sent + 100000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                for (auto it = venue.Board().Courts().cbegin(); it != venue.Board().Courts().cend();
                     ++it) {
                    const int i = it.key().mid(6).toInt() - 1;
                    const qint64 at =
                        static_cast<qint64>(it->state.value(QStringLiteral("sent_us")).toDouble());
                    if (i >= 0 && i < 32 && at > seen[i]) {
                        seen[i] = at;
                        lags.push_back(static_cast<double>(micros() - at) / 1000.0);
                    }
                }
            }
        }
        rss = ResidentMegabytes();
    }
    std::sort(lags.begin(), lags.end());
    state.counters["lag_p50_ms"] = lags.empty() ? -1 : lags[lags.size() / 2];
    state.counters["lag_p99_ms"] = lags.empty() ? -1 : lags[lags.size() * 99 / 100];
    state.counters["updates"] = static_cast<double>(lags.size());
    state.counters["rss_mb"] = rss;
}
BENCHMARK(BM_ThirtyTwoCourts)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
