// The live server against a guest on the hall's network, on an ephemeral loopback port: each
// attack gets its answer, nobody can take the server for himself, and the match is unchanged.
#include "console/ui/ConsoleWindow.h"
#include "control/Telecomando.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"
#include "live/Diffusione.h"
#include "doppi/ConsoleLive.h"
#include "platform/qt/ServerLiveQt.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

long MemoriaResidente() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLong() * 4096 : 0;
}

// Spins the event loop until `fatto` or the bound: every wait here is bounded.
bool Fino(const std::function<bool()>& fatto, int ms = 5000) {
    const QDeadlineTimer limite(ms);
    while (!fatto() && !limite.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return fatto();
}

class HostileGuestScenario : public ::testing::Test, protected ConsoleLive {
protected:
    HostileGuestScenario() {
        a.f.impostazioni.valori[QStringLiteral("HubPort")] = QStringLiteral("0");
        QByteArray foto("\xFF\xD8\xFF\xE0", 4);
        foto.append(QByteArray(200 * 1024, 'p'));
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Home/7.jpg"), foto);
        console.Form_Load();
        EXPECT_TRUE(console.Live().Avvia(0, false));
        porta = console.Live().Porta();
        console.Remoto().Sicurezza().ImpostaPorta(porta);
    }
    std::unique_ptr<QTcpSocket> Connetti() {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QHostAddress::LocalHost, porta);
        EXPECT_TRUE(Fino([&] { return s->state() == QAbstractSocket::ConnectedState; }));
        return s;
    }
    struct Esito {
        QByteArray stato;   // the status line
        bool chiusa = false; // the server closed the connection after it
    };
    // One raw request on its own connection: the status line, and whether the server closed.
    Esito Invia(const QByteArray& richiesta) {
        auto s = Connetti();
        s->write(richiesta);
        QByteArray risposta;
        Fino([&] {
            risposta += s->readAll();
            return s->state() == QAbstractSocket::UnconnectedState;
        }, 1500);
        return {risposta.left(risposta.indexOf("\r\n")), s->state() == QAbstractSocket::UnconnectedState};
    }
    QByteArray Segreto() { return console.Remoto().Sicurezza().Segreto().toLatin1(); }
    QByteArray Get(const QByteArray& percorso, const QByteArray& altro = {}) {
        return "GET " + percorso + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + altro + "\r\n";
    }
    QByteArray Punto() {
        return "POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + Segreto() +
               "\r\nContent-Length: 0\r\n\r\n";
    }

    quint16 porta = 0;
};

TEST_F(HostileGuestScenario, EveryMalformedOrForeignRequestGetsItsAnswerAndChangesNothing) {
    const QByteArray p = QByteArray::number(porta);
    struct Caso {
        QByteArray richiesta;
        QByteArray stato;
        bool chiusa;
    };
    const Caso casi[] = {
        // DNS rebinding and the like: a Host that is not this machine.
        {"GET /state.json HTTP/1.1\r\nHost: evil.example\r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: evil.example:" + p + "\r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: \r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nHost: evil.example\r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1:1\r\n\r\n", "HTTP/1.1 421 Misdirected Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: localhost:" + p + "\r\n\r\n", "HTTP/1.1 200 OK", false},
        {"GET /state.json HTTP/1.1\r\nHost: [::1]:" + p + "\r\n\r\n", "HTTP/1.1 200 OK", false},
        // Bodies where none belongs, and bodies we do not read.
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nTransfer-Encoding: chunked\r\n\r\n10000000\r\n", "HTTP/1.1 400 Bad Request", true},
        {"POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + Segreto() +
             "\r\nTransfer-Encoding: chunked\r\n\r\n1\r\nx\r\n", "HTTP/1.1 411 Length Required", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 5\r\n\r\nhello", "HTTP/1.1 413 Payload Too Large", true},
        {"POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 5000\r\n\r\n", "HTTP/1.1 413 Payload Too Large", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 0\r\nContent-Length: 9\r\n\r\n", "HTTP/1.1 400 Bad Request", true},
        {"GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n folded\r\n\r\n", "HTTP/1.1 400 Bad Request", true},
        {"GET /state.json HTTP/2.0\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 505 HTTP Version Not Supported", true},
        {"GET http://evil.example/state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 400 Bad Request", true},
        // Closed after the answer, as asked.
        {"GET /state.json HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 200 OK", true},
        {Get("/state.json", "Connection: close\r\n"), "HTTP/1.1 200 OK", true},
        {"HEAD /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 200 OK", true},
        // The cookie of another port, a cross-site page's form: no secret, no point.
        {"POST /control/home/plus HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: brivanta_remote=" + Segreto() +
             "\r\nContent-Type: text/plain\r\nOrigin: http://127.0.0.1:9000\r\nContent-Length: 0\r\n\r\n",
         "HTTP/1.1 401 Unauthorized", false},
    };
    for (const Caso& c : casi) {
        const Esito e = Invia(c.richiesta);
        EXPECT_EQ(c.stato, e.stato) << c.richiesta.left(70).toStdString();
        EXPECT_EQ(c.chiusa, e.chiusa) << c.richiesta.left(70).toStdString();
    }
    EXPECT_EQ(0, console.Match().Punti[0]) << "no attack scored";
    EXPECT_TRUE(console.Match().Storico.isEmpty());
}

// Eight connections pipeline pictures and never read: the server stops reading them, their
// TCP windows fill, and memory stays where it was.
TEST_F(HostileGuestScenario, APipelinerThatNeverReadsCannotGrowMemory) {
    [[maybe_unused]] const long prima = MemoriaResidente();
    std::vector<std::unique_ptr<QTcpSocket>> ladri;
    QByteArray raffica;
    for (int i = 0; i < 1500; ++i) {
        raffica += Get("/media/teams/Home/7.jpg");
    }
    for (int i = 0; i < 8; ++i) {
        ladri.push_back(Connetti());
        ladri.back()->setReadBufferSize(1);
        ladri.back()->write(raffica);
    }
    Fino([] { return false; }, 1500);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Invia(Get("/state.json")).stato) << "others still served";
#if !defined(__SANITIZE_ADDRESS__)
    if (prima > 0) {
        EXPECT_LT(MemoriaResidente() - prima, 32L * 1024 * 1024);
    }
#endif
}

// Every stream one address may open, and more: the rest are turned away, and a page and the
// remote still get in.
TEST_F(HostileGuestScenario, StreamsFromOneAddressLeaveRoomForPagesAndTheRemote) {
    std::vector<std::unique_ptr<QTcpSocket>> flussi;
    for (int i = 0; i < 64; ++i) {
        flussi.push_back(Connetti());
        flussi.back()->write(Get("/events"));
    }
    ASSERT_TRUE(Fino([&] { return server.Flussi() == LimitiHttp::FlussiPerIndirizzo; }));
    int rifiutati = 0;
    Fino([&] {
        rifiutati = 0;
        for (const auto& s : flussi) {
            rifiutati += s->state() == QAbstractSocket::UnconnectedState || s->peek(12) == "HTTP/1.1 503";
        }
        return rifiutati == 64 - LimitiHttp::FlussiPerIndirizzo;
    });
    EXPECT_EQ(64 - LimitiHttp::FlussiPerIndirizzo, rifiutati);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Invia(Get("/overlay")).stato);
    EXPECT_EQ(QByteArray("HTTP/1.1 200 OK"), Invia(Punto()).stato);
    EXPECT_EQ(1, console.Match().Punti[0]);
}

// A request head sent a byte at a time, a keep-alive left silent: both go; a stream stays.
TEST_F(HostileGuestScenario, SlowHeadsAndSilentConnectionsAreDropped) {
    auto lento = Connetti();
    lento->write("GET /state.json HTTP/1.1\r\nHo");
    auto muto = Connetti();
    muto->write(Get("/state.json"));
    auto flusso = Connetti();
    flusso->write(Get("/events"));
    ASSERT_TRUE(Fino([&] { return muto->bytesAvailable() > 0 && server.Flussi() == 1 && server.Connessioni() == 3; }));
    server.Sorveglia(server.Adesso() + LimitiHttp::Richiesta + 1);
    EXPECT_TRUE(Fino([&] { return lento->state() == QAbstractSocket::UnconnectedState; })) << "slow head";
    EXPECT_EQ(QAbstractSocket::ConnectedState, muto->state()) << "not yet silent long enough";
    server.Sorveglia(server.Adesso() + LimitiHttp::Inattivo + 1);
    EXPECT_TRUE(Fino([&] { return muto->state() == QAbstractSocket::UnconnectedState; })) << "silent";
    EXPECT_EQ(QAbstractSocket::ConnectedState, flusso->state()) << "a stream is not silence";
}

// Thousands of pipelined requests cost linear time: all answered, in order.
TEST_F(HostileGuestScenario, EightThousandPipelinedRequestsAreAllAnswered) {
    auto s = Connetti();
    QByteArray raffica;
    for (int i = 0; i < 8000; ++i) {
        raffica += Get("/live.css");
    }
    s->write(raffica);
    QByteArray risposte;
    int contate = 0;
    Fino([&] {
        risposte += s->readAll();
        contate = static_cast<int>(risposte.count("HTTP/1.1 200 OK"));
        return contate == 8000;
    }, 60000);
    EXPECT_EQ(8000, contate);
}

// A phone that tapped while the console asked something, then went away, scores nothing
// once the question is answered; and the queue has a bottom.
TEST_F(HostileGuestScenario, AQueuedCommandWhoseClientLeftIsDropped) {
    a.f.modali.aperta = true;
    auto andato = Connetti();
    andato->write(Punto());
    ASSERT_TRUE(Fino([&] { return console.Remoto().InAttesa() == 1; }));
    andato->abort();
    auto rimasto = Connetti();
    rimasto->write(Punto());
    ASSERT_TRUE(Fino([&] { return console.Remoto().InAttesa() == 2; }));
    Fino([] { return false; }, 100);
    a.f.modali.aperta = false;
    console.Remoto().Riprova();
    QByteArray risposta;
    EXPECT_TRUE(Fino([&] {
        risposta += rimasto->readAll();
        return risposta.startsWith("HTTP/1.1 200");
    }));
    EXPECT_EQ(1, console.Match().Punti[0]) << "only the phone still there";

    a.f.modali.aperta = true;
    std::vector<std::unique_ptr<QTcpSocket>> coda;
    for (int i = 0; i <= Telecomando::MassimoInCoda; ++i) {
        coda.push_back(Connetti());
        coda.back()->write(Punto());
    }
    EXPECT_TRUE(Fino([&] { return coda.back()->peek(12) == "HTTP/1.1 503"; })) << "the queue is capped";
    EXPECT_EQ(Telecomando::MassimoInCoda, console.Remoto().InAttesa());
    a.f.modali.aperta = false;
}

// Switching the LAN off closes every open connection at once: no peer keeps reading.
TEST_F(HostileGuestScenario, SwitchingTheLanOffClosesOpenConnections) {
    console.AvviaLive(porta, true);
    ASSERT_EQ(porta, console.Live().Porta());
    auto ospite = Connetti();
    ospite->write(Get("/state.json"));
    ASSERT_TRUE(Fino([&] { return ospite->bytesAvailable() > 0; }));
    console.AvviaLive(porta, false);
    EXPECT_TRUE(Fino([&] { return ospite->state() == QAbstractSocket::UnconnectedState; }));
}

} // namespace
