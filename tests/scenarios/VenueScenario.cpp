// Courts and a venue view through a real broker: scores, presence, results, a broker that
// goes away, a wrong password.
#include "console/Messages.h"
#include "doubles/Broker.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/FullDisk.h"
#include "doubles/Printing.h"
#include "doubles/VenueCourt.h"
#include "match/Messages.h"
#include "platform/qt/MosquittoClient.h"
#include "platform/qt/QtLiveServer.h"
#include "shared/FileText.h"
#include "venue/CourtPublisher.h"
#include "venue/VenueServer.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

// One GET on the venue's port; the whole answer, head and body.
QByteArray Get(quint16 port, const QByteArray& target) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(3000)) {
        return {};
    }
    s.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
            "\r\nConnection: close\r\n\r\n");
    QByteArray answer;
    EventuallyTrue(
        [&] {
            answer += s.readAll();
            return s.state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    return answer + s.readAll();
}

class VenueScenario : public ::testing::Test {
  protected:
    void StartVenue() {
        MqttOptions o;
        o.host = QStringLiteral("127.0.0.1");
        o.port = broker.Port();
        o.clientId = QStringLiteral("venue-test");
        ASSERT_TRUE(venue.Start(0, o));
    }
    int Points(const QString& court, const char* side) const {
        const auto& courts = venue.Board().Courts();
        return courts.contains(court) ? courts[court]
                                            .state.value(QString::fromLatin1(side))
                                            .toObject()
                                            .value(QStringLiteral("points"))
                                            .toInt(-1)
                                      : -1;
    }
    Broker broker;
    QTemporaryDir results;
    QtLiveServer server;
    MosquittoClient venueClient;
    VenueServer venue{server, venueClient, QStringLiteral("gym"), results.path()};
};

TEST_F(VenueScenario, ClicksOnThreeCourtsReachTheVenueInOrder) {
    StartVenue();
    VenueCourt c1(broker.Port(), QStringLiteral("Court 1"));
    VenueCourt c2(broker.Port(), QStringLiteral("Court 2"));
    VenueCourt c3(broker.Port(), QStringLiteral("Court 3"));
    c1.Points(0, 3);
    c2.Points(3, 2);
    c3.Points(0, 1);
    c3.Points(3, 4);
    EXPECT_TRUE(EventuallyTrue([&] {
        return Points("Court 1", "home") == 3 && Points("Court 2", "guests") == 2 &&
               Points("Court 3", "guests") == 4 && Points("Court 3", "home") == 1;
    })) << venue.Board().Json(QDateTime::currentDateTime()).toStdString();
    EXPECT_TRUE(c1.console.venueState().endsWith(QStringLiteral("collegato")))
        << c1.console.venueState().toStdString();
    const QJsonArray courts =
        QJsonDocument::fromJson(venue.Board().Json(QDateTime::currentDateTime()))
            .object()[QStringLiteral("courts")]
            .toArray();
    ASSERT_EQ(3, courts.size());
    EXPECT_EQ(QStringLiteral("Court 1"), courts[0].toObject()[QStringLiteral("name")].toString());
    EXPECT_TRUE(courts[2].toObject()[QStringLiteral("online")].toBool());
    EXPECT_EQ(0, venue.Board().Ignored());

    // The pages, as a TV at the entrance and a streamer's desk ask for them.
    EXPECT_TRUE(Get(server.Port(), "/venue.json").contains(R"("name":"Court 2")"));
    EXPECT_TRUE(Get(server.Port(), "/venue").contains("<title>Courts</title>"));
    const QByteArray overlay = Get(server.Port(), "/court/Court%203/overlay");
    EXPECT_TRUE(overlay.startsWith("HTTP/1.1 200")) << overlay.left(200).toStdString();
    EXPECT_TRUE(overlay.contains(R"(src="/court/Court%203/state.js")"));
    const QByteArray state = Get(server.Port(), "/court/Court%203/state.js");
    EXPECT_TRUE(state.contains(R"(var BrivantaCourt = "Court 3";)")) << state.toStdString();
    for (const QByteArray& missing :
         {QByteArray("/court/..%2Fetc/overlay"), QByteArray("/court/Court%209/overlay"),
          QByteArray("/court/Court%201/secrets")}) {
        EXPECT_TRUE(Get(server.Port(), missing).startsWith("HTTP/1.1 404"))
            << missing.toStdString();
    }
}

TEST_F(VenueScenario, ACourtThatVanishesIsMarkedOfflineByItsLastWill) {
    StartVenue();
    MosquittoClient client;
    CourtPublisher court(client, QStringLiteral("gym"), QStringLiteral("Court 9"),
                         results.filePath("outbox"));
    MqttOptions o;
    o.host = QStringLiteral("127.0.0.1");
    o.port = broker.Port();
    o.keepAliveSeconds = 5; // the library's least
    court.Start(o);
    ASSERT_TRUE(EventuallyTrue(
        [&] { return venue.Board().Courts().value(QStringLiteral("Court 9")).online; }));
    client.Vanish();
    // The broker gives a silent client one and a half keep-alives.
    EXPECT_TRUE(EventuallyTrue(
        [&] {
            const auto& courts = venue.Board().Courts();
            return courts.contains(QStringLiteral("Court 9")) &&
                   !courts[QStringLiteral("Court 9")].online;
        },
        12000));
}

TEST_F(VenueScenario, AMatchFinishedWhileTheBrokerIsDownArrivesOnceWhenItIsBack) {
    StartVenue();
    VenueCourt c(broker.Port(), QStringLiteral("Court 4"));
    c.console.match().TotalSets = 1;
    c.console.match().SetPoints = 2;
    ASSERT_TRUE(EventuallyTrue(
        [&] { return c.console.venueState().endsWith(QStringLiteral("collegato")); }));
    broker.Stop();
    c.a.f.dialogs.Expect(MatchMessages::WonBy + QStringLiteral(" Locali"));
    c.a.f.dialogs.Expect(ConsoleMessages::ReportQuestion, Answer::No);
    c.Points(0, 2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(EventuallyTrue(
        [&] {
            return !QDir(c.a.f.folders.user + QStringLiteral("/Outbox"))
                        .entryList(QDir::Files)
                        .isEmpty();
        },
        2000))
        << "kept on disk while the broker is away";
    ASSERT_TRUE(broker.Start());
    EXPECT_TRUE(EventuallyTrue([&] { return venue.Board().Results().size() == 1; }, 20000));
    EXPECT_TRUE(EventuallyTrue(
        [&] {
            return QDir(c.a.f.folders.user + QStringLiteral("/Outbox"))
                .entryList(QDir::Files)
                .isEmpty();
        },
        5000))
        << "the broker's acknowledgement empties the outbox";
    EXPECT_EQ(1, venue.Board().Results().size());
    EXPECT_EQ(1, QDir(results.filePath(QStringLiteral("gym"))).entryList(QDir::Files).size());
    EXPECT_TRUE(venue.Board()
                    .Courts()[QStringLiteral("Court 4")]
                    .state.value(QStringLiteral("match_over"))
                    .toBool())
        << "the newest state after the reconnection";
}

// A court whose user folder is full at the match's end; the sample match is its result.
class FullOutbox : public VenueScenario {
  protected:
    void SetUp() override {
        StartVenue();
        QDir().mkpath(outbox);
        o.host = QStringLiteral("127.0.0.1");
        o.port = broker.Port();
        court.Start(o);
        ASSERT_TRUE(EventuallyTrue([&] { return court.State() == MqttState::Connected; }));
        QFile sample(QStringLiteral(BRIVANTA_DATA "/esempio_partita.txt"));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        result = DecodeLines(sample.readAll());
    }
    int InOutbox() const { return static_cast<int>(QDir(outbox).entryList(QDir::Files).size()); }
    FullDisk disk;
    const QString outbox = QDir(disk.path()).filePath(QStringLiteral("Outbox"));
    MosquittoClient client;
    CourtPublisher court{client, QStringLiteral("gym"), QStringLiteral("Court 6"), outbox};
    QSignalSpy told{&court, &CourtPublisher::ResultKept};
    MqttOptions o;
    QStringList result;
};

TEST_F(FullOutbox, AResultKeptInMemoryIsWrittenWhenRoomReturnsAndArrivesOnce) {
    broker.Stop();
    ASSERT_TRUE(EventuallyTrue([&] { return court.State() != MqttState::Connected; }));
    disk.fill();
    ASSERT_TRUE(court.PublishResult(result));
    court.RetryKept();
    EXPECT_EQ(1, court.Kept()) << "in memory while the disk is full";
    EXPECT_EQ(1, told.count()) << "told once, not at every try";
    disk.makeRoom();
    court.RetryKept();
    EXPECT_EQ(0, court.Kept());
    EXPECT_EQ(1, InOutbox()) << "written once there is room";
    ASSERT_TRUE(broker.Start());
    EXPECT_TRUE(EventuallyTrue([&] { return court.Waiting() == 0; }, 20000));
    EXPECT_TRUE(EventuallyTrue([&] { return venue.Board().Results().size() == 1; }, 5000));
    EXPECT_EQ(1, QDir(results.filePath(QStringLiteral("gym"))).entryList(QDir::Files).size());
}

TEST_F(FullOutbox, AResultTheOutboxCannotTakeIsSentFromMemoryOnce) {
    disk.fill();
    ASSERT_TRUE(court.PublishResult(result));
    EXPECT_TRUE(EventuallyTrue([&] { return venue.Board().Results().size() == 1; }, 20000));
    EXPECT_TRUE(EventuallyTrue([&] { return court.Kept() == 0; }, 5000))
        << "the broker's acknowledgement lets it go";
    disk.makeRoom();
    court.RetryKept();
    EXPECT_EQ(0, InOutbox()) << "sent already: never written to be sent again";
    EXPECT_EQ(1, told.count());
}

TEST(VenueBrokerTest, AWrongPasswordIsToldAndScoringGoesOn) {
    QTemporaryDir dir;
    const QString passwords = dir.filePath(QStringLiteral("passwords"));
    ASSERT_EQ(0, QProcess::execute(QStringLiteral("/usr/bin/mosquitto_passwd"),
                                   {QStringLiteral("-c"), QStringLiteral("-b"), passwords,
                                    QStringLiteral("court"), QStringLiteral("right")}));
    Broker broker("allow_anonymous false\npassword_file " + passwords.toUtf8() + "\n");
    VenueCourt c(broker.Port(), QStringLiteral("Court 5"), QStringLiteral("wrong"));
    EXPECT_TRUE(EventuallyTrue([&] {
        return c.console.venueState().contains(QStringLiteral("rifiutato"));
    })) << c.console.venueState().toStdString();
    c.Points(0, 2);
    EXPECT_EQ(QStringLiteral("2"), c.console.shownScore(0));
}

// A venue's broker bridged to a league's: a result published while the link is cut reaches the
// league's broker once the link is back.
TEST(VenueBridgeTest, AResultCrossesTheBridgeAfterItsLinkIsRestored) {
    Broker league;
    league.Stop();
    Broker venue("allow_anonymous true\nconnection league\naddress 127.0.0.1:" +
                 QByteArray::number(league.Port()) +
                 "\ntopic brivanta/# out 1\ncleansession false\nrestart_timeout 1 2\n"
                 "bridge_attempt_unsubscribe false\n");
    MosquittoClient courtClient;
    QTemporaryDir outbox;
    CourtPublisher court(courtClient, QStringLiteral("gym"), QStringLiteral("Court 7"),
                         outbox.path());
    MqttOptions o;
    o.host = QStringLiteral("127.0.0.1");
    o.port = venue.Port();
    court.Start(o);
    ASSERT_TRUE(EventuallyTrue([&] { return court.State() == MqttState::Connected; }));
    QFile sample(QStringLiteral(BRIVANTA_DATA "/esempio_partita.txt"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    ASSERT_TRUE(court.PublishResult(DecodeLines(sample.readAll())));
    ASSERT_TRUE(EventuallyTrue([&] { return court.Waiting() == 0; }))
        << "the venue's broker has it";

    ASSERT_TRUE(league.Start());
    QTemporaryDir results;
    QtLiveServer server;
    MosquittoClient leagueClient;
    VenueServer view(server, leagueClient, QStringLiteral("gym"), results.path());
    MqttOptions l = o;
    l.port = league.Port();
    l.clientId = QStringLiteral("league-view");
    ASSERT_TRUE(view.Start(0, l));
    EXPECT_TRUE(EventuallyTrue([&] { return view.Board().Results().size() == 1; }, 20000))
        << "queued on the venue's broker while the link was down";
}

} // namespace
