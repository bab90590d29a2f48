// The live server against a guest on the hall's network, on an ephemeral loopback port: each
// attack gets its answer, nobody can take the server for himself, and the match is unchanged.
#include "control/Remote.h"
#include "doubles/ConsoleLive.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "live/Broadcast.h"
#include "platform/qt/QtLiveServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

long ResidentMemory() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLong() * 4096
                                           : 0;
}

// Spins the event loop until `done` or the bound: every wait here is bounded.
bool Until(const std::function<bool()>& done, int ms = 5000) {
    const QDeadlineTimer limit(ms);
    while (!done() && !limit.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

class HostileGuestScenario : public ::testing::Test, protected ConsoleLive {
  protected:
    HostileGuestScenario() {
        a.f.settings.values[QStringLiteral("HubPort")] = QStringLiteral("0");
        QByteArray photo("\xFF\xD8\xFF\xE0", 4);
        photo.append(QByteArray(200 * 1024, 'p'));
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Home/7.jpg"), photo);
        console.load();
        EXPECT_TRUE(console.live().Start(0, false));
        port = console.live().Port();
        console.remoteControl().Safety().SetPort(port);
    }
    // From this machine, or from another loopback address standing for a guest on the LAN.
    std::unique_ptr<QTcpSocket> Connect(const QString& from = QStringLiteral("127.0.0.1")) {
        auto s = std::make_unique<QTcpSocket>();
        EXPECT_TRUE(s->bind(QHostAddress(from)));
        s->connectToHost(QHostAddress::LocalHost, port);
        // Connected, or already turned away: the caller looks at which.
        Until([&] {
            return s->state() == QAbstractSocket::ConnectedState ||
                   s->state() == QAbstractSocket::UnconnectedState;
        });
        return s;
    }
    struct Outcome {
        QByteArray state;    // the status line
        bool closed = false; // the server closed the connection after it
    };
    // One raw request on its own connection: the status line, and whether the server closed.
    Outcome Send(const QByteArray& request, const QString& from = QStringLiteral("127.0.0.1")) {
        auto s = Connect(from);
        s->write(request);
        QByteArray answer;
        Until(
            [&] {
                answer += s->readAll();
                return s->state() == QAbstractSocket::UnconnectedState;
            },
            1500);
        return {answer.left(answer.indexOf("\r\n")),
                s->state() == QAbstractSocket::UnconnectedState};
    }
    QByteArray Secret() { return console.remoteControl().Safety().Secret().toLatin1(); }
    QByteArray Get(const QByteArray& path, const QByteArray& other = {}) {
        return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + other + "\r\n";
    }
    QByteArray Point() {
        return "POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
               Secret() + "\r\nContent-Length: 0\r\n\r\n";
    }

    quint16 port = 0;
};

TEST_F(HostileGuestScenario, EveryMalformedOrForeignRequestGetsItsAnswerAndChangesNothing) {
    const QByteArray p = QByteArray::number(port);
    struct Case {
        QByteArray request;
        QByteArray state;
        bool closed;
    };
    const Case cases[] = {
        // DNS rebinding and the like: a Host that is not this machine.
        {"GET /state.json HTTP/1.1\r\nHost: evil.example\r\n\r\n",
         "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: evil.example:" + p + "\r\n\r\n",
         "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: \r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nHost: evil.example\r\n\r\n",
         "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1:1\r\n\r\n",
         "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: localhost:" + p + "\r\n\r\n", "HTTP/1.1 200 OK", false},
        {"GET /state.json HTTP/1.1\r\nHost: [::1]:" + p + "\r\n\r\n", "HTTP/1.1 200 OK", false},
        // Bodies where none belongs, and bodies we do not read.
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nTransfer-Encoding: "
         "chunked\r\n\r\n10000000\r\n",
         "HTTP/1.1 400 Bad Request", true},
        {"POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
             Secret() + "\r\nTransfer-Encoding: chunked\r\n\r\n1\r\nx\r\n",
         "HTTP/1.1 411 Length Required", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 5\r\n\r\nhello",
         "HTTP/1.1 413 Payload Too Large", true},
        {"POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 5000\r\n\r\n",
         "HTTP/1.1 413 Payload Too Large", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 0\r\nContent-Length: "
         "9\r\n\r\n",
         "HTTP/1.1 400 Bad Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n folded\r\n\r\n",
         "HTTP/1.1 400 Bad Request", true},
        {"GET /state.json HTTP/1.1\nHost: 127.0.0.1\n\n", "HTTP/1.1 400 Bad Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\n", "HTTP/1.1 400 Bad Request", true},
        {"GET /state.json HTTP/2.0\r\nHost: 127.0.0.1\r\n\r\n",
         "HTTP/1.1 505 HTTP Version Not Supported", true},
        {"GET http://evil.example/state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n",
         "HTTP/1.1 400 Bad Request", true},
        // Closed after the answer, as asked.
        {"GET /state.json HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 200 OK", true},
        {Get("/state.json", "Connection: close\r\n"), "HTTP/1.1 200 OK", true},
        {"HEAD /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 200 OK", true},
        // The cookie of another port, a cross-site page's form: no secret, no point.
        {"POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: brivanta_remote=" +
             Secret() +
             "\r\nContent-Type: text/plain\r\nOrigin: http://127.0.0.1:9000\r\nContent-Length: "
             "0\r\n\r\n",
         "HTTP/1.1 401 Unauthorized", false},
    };
    for (const Case& c : cases) {
        const Outcome e = Send(c.request);
        EXPECT_EQ(c.state, e.state) << c.request.left(70).toStdString();
        EXPECT_EQ(c.closed, e.closed) << c.request.left(70).toStdString();
    }
    EXPECT_EQ(0, console.match().Points[0]) << "no attack scored";
    EXPECT_TRUE(console.match().History.isEmpty());
}

// Eight connections pipeline pictures and never read: the server stops reading them, their
// TCP windows fill, and memory stays where it was.
TEST_F(HostileGuestScenario, APipelinerThatNeverReadsCannotGrowMemory) {
    [[maybe_unused]] const long before = ResidentMemory();
    std::vector<std::unique_ptr<QTcpSocket>> thieves;
    QByteArray burst;
    for (int i = 0; i < 1500; ++i) {
        burst += Get("/media/teams/Home/7.jpg");
    }
    for (int i = 0; i < 8; ++i) {
        thieves.push_back(Connect());
        thieves.back()->setReadBufferSize(1);
        thieves.back()->write(burst);
    }
    Until([] { return false; }, 1500);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Send(Get("/state.json")).state)
        << "others still served";
#if !defined(__SANITIZE_ADDRESS__)
    if (before > 0) {
        EXPECT_LT(ResidentMemory() - before, 32L * 1024 * 1024);
    }
#endif
}

// A 5 MB picture asked by every connection the server takes, none of which reads: each holds
// a few pieces of it, never a copy of the whole.
TEST_F(HostileGuestScenario, ABigPictureCostsAFewPiecesPerConnection) {
    QByteArray poster("\xFF\xD8\xFF\xE0", 4);
    poster.append(QByteArray(5 * 1024 * 1024, 'p'));
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Home/poster.jpg"), poster);
    std::vector<std::unique_ptr<QTcpSocket>> readers;
    for (int i = 0; i < HttpLimits::Clients; ++i) {
        readers.push_back(
            Connect(QStringLiteral("127.0.3.%1").arg(i / HttpLimits::ClientsPerAddress)));
        readers.back()->setReadBufferSize(1);
        readers.back()->write(Get("/media/teams/Home/poster.jpg"));
    }
    ASSERT_TRUE(Until([&] {
        return std::all_of(readers.begin(), readers.end(),
                           [](const auto& s) { return s->bytesAvailable() > 0; });
    }));
    EXPECT_LE(server.Buffered(), HttpLimits::Clients * (HttpLimits::SoftExit + HttpLimits::Piece));
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Send(Get("/state.json")).state);
}

// Every stream one address may open, and more: the rest are turned away, and a page and the
// remote still get in.
TEST_F(HostileGuestScenario, StreamsFromOneAddressLeaveRoomForPagesAndTheRemote) {
    std::vector<std::unique_ptr<QTcpSocket>> streams;
    for (int i = 0; i < 64; ++i) {
        streams.push_back(Connect(QStringLiteral("127.0.0.2")));
        streams.back()->write(Get("/events"));
    }
    ASSERT_TRUE(Until([&] { return server.Streams() == HttpLimits::StreamsPerAddress; }));
    int refused = 0;
    Until([&] {
        refused = 0;
        for (const auto& s : streams) {
            refused +=
                s->state() == QAbstractSocket::UnconnectedState || s->peek(12) == "HTTP/1.1 503";
        }
        return refused == 64 - HttpLimits::StreamsPerAddress;
    });
    EXPECT_EQ(64 - HttpLimits::StreamsPerAddress, refused);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Send(Get("/overlay")).state);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Send(Point()).state);
    EXPECT_EQ(1, console.match().Points[0]);
}

// Six guests each open every stream and half the connections the server has, and hold the
// rest with request heads that never end: the deck, a phone that pairs now and this machine's
// pages all still get in, and the guests cannot take more back.
TEST_F(HostileGuestScenario, SixGuestsLeaveTheOwnerRoom) {
    const int guests = 6;
    const auto guest = [](int i) { return QStringLiteral("127.0.0.%1").arg(i + 2); };
    std::vector<std::unique_ptr<QTcpSocket>> streams;
    for (int g = 0; g < guests; ++g) {
        for (int i = 0; i < HttpLimits::StreamsPerAddress; ++i) {
            streams.push_back(Connect(guest(g)));
            streams.back()->write(Get("/events"));
        }
    }
    const auto held = [&] {
        return std::count_if(streams.begin(), streams.end(), [](const auto& s) {
            return s->state() == QAbstractSocket::ConnectedState && s->peek(12) == "HTTP/1.1 200";
        });
    };
    ASSERT_TRUE(Until([&] { return held() == HttpLimits::Streams; }));
    std::vector<std::unique_ptr<QTcpSocket>> heads;
    for (int g = 0; g < guests; ++g) {
        for (int i = HttpLimits::StreamsPerAddress; i < HttpLimits::Clients / 2; ++i) {
            heads.push_back(Connect(guest(g)));
            heads.back()->write("GET /state.json HTTP/1.1\r\nHo");
        }
    }
    // Each guest holds its share of connections, streams and heads together; no more.
    ASSERT_TRUE(Until([&] {
        const auto refused = std::count_if(heads.begin(), heads.end(), [](const auto& s) {
            return s->state() != QAbstractSocket::ConnectedState || s->bytesAvailable() > 0;
        });
        return server.Connections() == guests * HttpLimits::ClientsPerAddress &&
               refused == static_cast<qsizetype>(heads.size()) -
                              (guests * HttpLimits::ClientsPerAddress - HttpLimits::Streams);
    })) << server.Connections();

    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Send(Point()).state) << "the deck";
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Send(Get("/overlay")).state);
    auto overlay = Connect();
    overlay->write(Get("/events"));
    EXPECT_TRUE(Until([&] { return overlay->peek(12) == "HTTP/1.1 200"; })) << "own stream";

    const QString phone = QStringLiteral("127.0.0.200");
    const QByteArray code =
        console.remoteControl().Safety().NewCode(console.remoteControl().Now()).toLatin1();
    auto pairing = Connect(phone);
    pairing->write(Get("/remote?pair=" + code));
    QByteArray paired;
    ASSERT_TRUE(Until([&] {
        paired += pairing->readAll();
        return paired.contains("\r\n\r\n");
    }));
    ASSERT_TRUE(paired.startsWith("HTTP/1.1 303")) << paired.left(40).toStdString();
    const qsizetype cookie = paired.indexOf("Set-Cookie: ") + 12;
    const QByteArray device = paired.mid(cookie, paired.indexOf(';', cookie) - cookie);
    auto phoneStream = Connect(phone);
    phoneStream->write(Get("/events"));
    EXPECT_TRUE(Until([&] { return phoneStream->peek(12) == "HTTP/1.1 200"; })) << "phone";
    const Outcome tap =
        Send("POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: " + device +
                 "\r\nX-Brivanta: 1\r\nContent-Length: 0\r\n\r\n",
             phone);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), tap.state) << "the phone scores";
    EXPECT_EQ(2, console.match().Points[0]);

    EXPECT_EQ(QByteArray("HTTP/1.1 503 Service Unavailable"), Send(Get("/overlay"), guest(0)).state)
        << "a guest at his share gets no more";
}

// A pool full of request heads that never end: the one waiting longest makes room.
TEST_F(HostileGuestScenario, UnfinishedHeadsMakeRoomForANewcomer) {
    std::vector<std::unique_ptr<QTcpSocket>> heads;
    for (int i = 0; i < HttpLimits::Clients; ++i) {
        heads.push_back(
            Connect(QStringLiteral("127.0.1.%1").arg(i / HttpLimits::ClientsPerAddress)));
        heads.back()->write("GET /state.json HTTP/1.1\r\nHo");
    }
    ASSERT_TRUE(Until([&] { return server.Connections() == HttpLimits::Clients; }));
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"),
              Send(Get("/state.json"), QStringLiteral("127.0.2.1")).state);
    EXPECT_TRUE(Until([&] {
        return std::count_if(heads.begin(), heads.end(), [](const auto& s) {
                   return s->state() == QAbstractSocket::UnconnectedState;
               }) == 1;
    })) << "one head went";
}

// What counts as one guest: an IPv4 address, or an IPv6 /64 a phone may roam in.
TEST(AddressGroup, AnIpv6SixtyFourIsOneGuest) {
    const auto group = [](const char* a) {
        return AddressGroup(QHostAddress(QString::fromLatin1(a)));
    };
    EXPECT_EQ(group("2001:db8:1:2::1"), group("2001:db8:1:2:ffff:1:2:3"));
    EXPECT_NE(group("2001:db8:1:2::1"), group("2001:db8:1:3::1"));
    EXPECT_EQ(group("192.168.1.20"), group("::ffff:192.168.1.20"));
    EXPECT_NE(group("192.168.1.20"), group("192.168.1.21"));
    EXPECT_TRUE(OwnAddress(QHostAddress(QStringLiteral("127.0.0.1"))));
    EXPECT_TRUE(OwnAddress(QHostAddress(QStringLiteral("::1"))));
    EXPECT_TRUE(OwnAddress(QHostAddress(QStringLiteral("::ffff:127.0.0.1"))));
    EXPECT_FALSE(OwnAddress(QHostAddress(QStringLiteral("127.0.0.2"))));
}

// A request head sent a byte at a time, a keep-alive left silent: both go; a stream stays.
TEST_F(HostileGuestScenario, SlowHeadsAndSilentConnectionsAreDropped) {
    auto slow = Connect();
    slow->write("GET /state.json HTTP/1.1\r\nHo");
    auto mute = Connect();
    mute->write(Get("/state.json"));
    auto stream = Connect();
    stream->write(Get("/events"));
    ASSERT_TRUE(Until([&] {
        return mute->bytesAvailable() > 0 && server.Streams() == 1 && server.Connections() == 3;
    }));
    server.Watch(server.Now() + HttpLimits::Request + 1);
    EXPECT_TRUE(Until([&] { return slow->state() == QAbstractSocket::UnconnectedState; }))
        << "slow head";
    EXPECT_EQ(QAbstractSocket::ConnectedState, mute->state()) << "not yet silent long enough";
    server.Watch(server.Now() + HttpLimits::Idle + 1);
    EXPECT_TRUE(Until([&] { return mute->state() == QAbstractSocket::UnconnectedState; }))
        << "silent";
    EXPECT_EQ(QAbstractSocket::ConnectedState, stream->state()) << "a stream is not silence";
}

// Thousands of pipelined requests cost linear time: all answered, in order.
TEST_F(HostileGuestScenario, EightThousandPipelinedRequestsAreAllAnswered) {
    auto s = Connect();
    QByteArray burst;
    for (int i = 0; i < 8000; ++i) {
        burst += Get("/live.css");
    }
    s->write(burst);
    QByteArray answers;
    int counted = 0;
    Until(
        [&] {
            answers += s->readAll();
            counted = static_cast<int>(answers.count("HTTP/1.1 200 OK"));
            return counted == 8000;
        },
        60000);
    EXPECT_EQ(8000, counted);
}

// A phone that tapped while the console asked something, then went away, scores nothing
// once the question is answered; and the queue has a bottom.
TEST_F(HostileGuestScenario, AQueuedCommandWhoseClientLeftIsDropped) {
    a.f.modal.open = true;
    auto gone = Connect();
    gone->write(Point());
    ASSERT_TRUE(Until([&] { return console.remoteControl().Pending() == 1; }));
    gone->abort();
    auto left = Connect();
    left->write(Point());
    ASSERT_TRUE(Until([&] { return console.remoteControl().Pending() == 2; }));
    Until([] { return false; }, 100);
    a.f.modal.open = false;
    console.remoteControl().Retry();
    QByteArray answer;
    EXPECT_TRUE(Until([&] {
        answer += left->readAll();
        return answer.startsWith("HTTP/1.1 200");
    }));
    EXPECT_EQ(1, console.match().Points[0]) << "only the phone still there";

    a.f.modal.open = true;
    std::vector<std::unique_ptr<QTcpSocket>> queue;
    for (int i = 0; i <= Remote::MaxInQueue; ++i) {
        queue.push_back(Connect());
        queue.back()->write(Point());
    }
    EXPECT_TRUE(Until([&] { return queue.back()->peek(12) == "HTTP/1.1 503"; }))
        << "the queue is capped";
    EXPECT_EQ(Remote::MaxInQueue, console.remoteControl().Pending());
    a.f.modal.open = false;
}

// Switching the LAN off closes every open connection at once: no peer keeps reading.
TEST_F(HostileGuestScenario, SwitchingTheLanOffClosesOpenConnections) {
    console.startLive(port, true);
    ASSERT_EQ(port, console.live().Port());
    auto guest = Connect();
    guest->write(Get("/state.json"));
    ASSERT_TRUE(Until([&] { return guest->bytesAvailable() > 0; }));
    console.startLive(port, false);
    EXPECT_TRUE(Until([&] { return guest->state() == QAbstractSocket::UnconnectedState; }));
}

} // namespace
