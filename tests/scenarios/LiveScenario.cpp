#include "console/Messages.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleLive.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/EventClient.h"
#include "doubles/Printing.h"
#include "live/Broadcast.h"
#include "platform/qt/QtLiveServer.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What a raw request on the wire gets back: the status line.
QByteArray StateOf(quint16 port, const QByteArray& request,
                   const QString& from = QStringLiteral("127.0.0.1")) {
    QTcpSocket s;
    s.bind(QHostAddress(from));
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write(request);
    QByteArray answer;
    const bool arrived = QTest::qWaitFor(
        [&] {
            answer += s.readAll();
            return answer.contains("\r\n") || s.state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    EXPECT_TRUE(arrived);
    return answer.left(answer.indexOf("\r\n"));
}

class LiveScenario : public ::testing::Test, protected ConsoleLive {
  protected:
    LiveScenario() {
        // The stored port stays off: the test takes a free one on loopback.
        a.f.settings.values[QStringLiteral("HubPort")] = QStringLiteral("0");
        console.load();
        EXPECT_TRUE(console.live().Start(0, false));
        port = console.live().Port();
    }
    QJsonObject Get(const QByteArray& path) {
        QNetworkReply* r = network.get(QNetworkRequest(
            QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port) + QString::fromLatin1(path))));
        EXPECT_TRUE(QTest::qWaitFor([r] { return r->isFinished(); }, 5000));
        const QJsonObject o = QJsonDocument::fromJson(r->readAll()).object();
        r->deleteLater();
        return o;
    }

    quint16 port = 0;
    QNetworkAccessManager network;
};

TEST_F(LiveScenario, ClicksReachStateJsonAndTheEventStreamInOrder) {
    ASSERT_NE(0, port);
    EventClient events(port);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.versions.isEmpty(); }, 5000));
    EXPECT_EQ(0, events.Points(0)) << "the whole state on connect";
    console.changeScore(0);
    console.changeScore(0);
    console.changeScore(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.Points(1) == 1; }, 5000));
    EXPECT_EQ(2, events.Points(0));
    EXPECT_TRUE(events.InOrder());
    const QJsonObject state = Get("/state.json");
    EXPECT_EQ(2, state.value("home").toObject().value("points").toInt());
    EXPECT_EQ(1, state.value("guests").toObject().value("points").toInt());
}

TEST_F(LiveScenario, TheWireIsBounded) {
    const QByteArray longText(HttpLimits::Headers + 10, 'x');
    struct Case {
        QByteArray request;
        QByteArray state;
    };
    const Case cases[] = {
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 200 OK"},
        {"HEAD /overlay HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 200 OK"},
        {"POST /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 2\r\n\r\n{}",
         "HTTP/1.1 405 Method Not Allowed"},
        {"GET /no HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 404 Not Found"},
        {"GET /" + longText + " HTTP/1.1\r\n\r\n", "HTTP/1.1 431 Request Header Fields Too Large"},
        {"GET / HTTP/1.1\r\nX-A: " + longText + "\r\n\r\n",
         "HTTP/1.1 431 Request Header Fields Too Large"},
        {"GET / HTTP/1.1\r\nContent-Length: 50000\r\n\r\n", "HTTP/1.1 413 Payload Too Large"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.state, StateOf(port, c.request)) << c.request.left(40).toStdString();
    }
}

// A guest on the LAN, stood for by another loopback address than this machine's own.
TEST_F(LiveScenario, OneAddressHoldsAtMostItsShareOfConnections) {
    const QString guest = QStringLiteral("127.0.0.2");
    std::vector<std::unique_ptr<QTcpSocket>> open;
    for (int i = 0; i < HttpLimits::ClientsPerAddress; ++i) {
        open.push_back(std::make_unique<QTcpSocket>());
        open.back()->bind(QHostAddress(guest));
        open.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    // Each one holds a request open, so the server has really taken it in.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(open.begin(), open.end(), [](const auto& s) {
                return s->state() == QAbstractSocket::ConnectedState;
            });
        },
        5000));
    for (const auto& s : open) {
        s->write("GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(open.begin(), open.end(),
                               [](const auto& s) { return s->bytesAvailable() > 0; });
        },
        5000));
    EXPECT_EQ(QByteArray("HTTP/1.1 503 Service Unavailable"),
              StateOf(port, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", guest));
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"),
              StateOf(port, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"))
        << "this machine has no such limit";
    open.clear();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return StateOf(port, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", guest) ==
                   "HTTP/1.1 200 OK";
        },
        5000))
        << "room again once they leave";
}

long ResidentMemory() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return statm.readAll().split(' ').value(1).toLong() * 4096;
}

TEST_F(LiveScenario, FiftyClientsAThousandChangesAllEndOnTheLastState) {
    std::vector<std::unique_ptr<EventClient>> clients;
    for (int i = 0; i < 50; ++i) {
        clients.push_back(std::make_unique<EventClient>(port));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.Streams() == 50; }, 10000));
    [[maybe_unused]] const long before = ResidentMemory();
    for (int i = 0; i < 1000; ++i) {
        console.live().Changed();
        QCoreApplication::processEvents();
    }
    const qint64 ultima = console.live().Version();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(clients.begin(), clients.end(), [&](const auto& c) {
                return !c->versions.isEmpty() && c->versions.last() == ultima;
            });
        },
        20000));
    for (const auto& c : clients) {
        EXPECT_TRUE(c->InOrder());
    }
    // AddressSanitizer keeps freed memory in quarantine: RSS says nothing there.
#if !defined(__SANITIZE_ADDRESS__)
    if (before > 0) {
        EXPECT_LT(ResidentMemory() - before, 32L * 1024 * 1024) << "memory stays flat";
    }
#endif
}

TEST_F(LiveScenario, APortAlreadyInUseIsToldOnceAndTheProgramGoesOn) {
    QtLiveServer other;
    Platform p2{a.f.dialogs, a.f.settings, a.f.folders, a.f.clock, a.f.shell, a.f.process,
                a.f.audio,   a.f.modal,    other,       a.f.disk,  nullptr};
    a.f.settings.values[QStringLiteral("HubPort")] = QString::number(port);
    a.f.dialogs.Expect(
        QStringLiteral("Uscita live non disponibile: la porta è già in uso. Porta: ") +
        QString::number(port) +
        QStringLiteral("\nScegli un'altra porta nei Settaggi, riquadro: Uscita live (OBS, vMix, "
                       "altri schermi)"));
    ConsoleProbe second(p2);
    second.load();
    second.load();
    EXPECT_FALSE(second.live().Active());
    second.changeScore(0);
    EXPECT_EQ(QStringLiteral("1"), second.shownScore(0));
}

} // namespace

namespace {

// Debian's chromium, headless, against the running console; nothing else is contacted. The
// pages carry the state they load with (/state.js), so what the browser shows at its load
// event is the console's state; a virtual time budget would never pass with a stream open.
class BrowserScenario : public LiveScenario {
  protected:
    void SetUp() override {
        chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty()) {
            GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it)";
        }
    }
    QByteArray Open(const QString& path, const QStringList& other) {
        QProcess browser;
        QStringList arguments{QStringLiteral("--headless"),
                              QStringLiteral("--no-sandbox"),
                              QStringLiteral("--disable-gpu"),
                              QStringLiteral("--hide-scrollbars"),
                              QStringLiteral("--user-data-dir=") + profile.path(),
                              QStringLiteral("--timeout=5000"),
                              QStringLiteral("--window-size=1920,1080")};
        arguments << other << QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
        browser.start(chromium, arguments);
        // The console answers the browser meanwhile: the wait runs the event loop.
        const bool finished =
            QTest::qWaitFor([&] { return browser.state() == QProcess::NotRunning; }, 90000);
        if (!finished) {
            browser.kill();
            browser.waitForFinished(5000);
        }
        EXPECT_TRUE(finished) << "chromium did not finish";
        return browser.readAllStandardOutput();
    }
    QString chromium;
    QTemporaryDir profile;
};

TEST_F(BrowserScenario, OverlayAndScoreboardShowTheScoreAfterClicks) {
    console.changeScore(0);
    console.changeScore(0);
    console.changeScore(3);
    const QString overlay =
        QString::fromUtf8(Open(QStringLiteral("/overlay"), {QStringLiteral("--dump-dom")}));
    const QRegularExpression points(
        QStringLiteral(R"re(id="bug-(home|guests)".*?class="points"[^>]*>(\d+)<)re"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList read;
    for (auto m = points.globalMatch(overlay); m.hasNext();) {
        const auto found = m.next();
        read << found.captured(1) + u'=' + found.captured(2);
    }
    EXPECT_EQ((QStringList{"home=2", "guests=1"}), read) << overlay.left(400).toStdString();
    const QString display =
        QString::fromUtf8(Open(QStringLiteral("/scoreboard"), {QStringLiteral("--dump-dom")}));
    EXPECT_TRUE(display.contains(
        QRegularExpression(QStringLiteral(R"re(id="home".*?class="points"[^>]*>2<)re"),
                           QRegularExpression::DotMatchesEverythingOption)));
}

TEST_F(BrowserScenario, TheOverlayIsTransparentOutsideItsGraphics) {
    console.changeScore(0);
    const QString file = profile.filePath(QStringLiteral("overlay.png"));
    Open(QStringLiteral("/overlay"), {QStringLiteral("--screenshot=") + file,
                                      QStringLiteral("--default-background-color=00000000")});
    const QImage picture(file);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(QSize(1920, 1080), picture.size());
    EXPECT_EQ(0, qAlpha(picture.pixel(1900, 1060))) << "the court shows through";
    EXPECT_EQ(0, qAlpha(picture.pixel(960, 540)));
    EXPECT_EQ(255, qAlpha(picture.pixel(300, 120))) << "the score bug is drawn";
}

} // namespace
