#include "live/Indirizzi.h"
#include "live/Instradatore.h"

#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class InstradatoreTest : public ::testing::Test {
protected:
    InstradatoreTest()
        : rotte({[] { return QByteArray(R"({"version":3})"); },
                 [] { return QByteArray("[{}]"); }, [] { return QByteArray("<scoreboard/>"); },
                 [this] { return a.programma; }}) {
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi Neri/7.jpg"), Foto);
        Ambiente::CreaFile(a.programma + QStringLiteral("/Sponsors/bar.jpg"), "\xFF\xD8\xFF" "bar");
        Ambiente::CreaFile(a.radice.filePath(QStringLiteral("segreto.txt")), "segreto");
    }
    RispostaHttp Chiedi(const char* metodo, const QByteArray& bersaglio, QByteArray etag = {},
                        const QByteArray& origine = {}) {
        RichiestaHttp r;
        r.Metodo = metodo;
        r.Bersaglio = bersaglio;
        r.SeNonCorrisponde = etag;
        r.Host = "127.0.0.1:8765";
        r.Origine = origine;
        return rotte.Rispondi(r);
    }
    static QByteArray Intestazione(const RispostaHttp& r, const QByteArray& nome) {
        for (const auto& [chiave, valore] : r.Intestazioni) {
            if (chiave == nome) {
                return valore;
            }
        }
        return {};
    }
    // A JPEG's first bytes: what the file is, not what it is called.
    static inline const QByteArray Foto = QByteArray("\xFF\xD8\xFF\xE0" "foto");
    Ambiente a;
    Instradatore rotte;
};

TEST_F(InstradatoreTest, OnlyGetAndHeadAreAnswered) {
    struct Caso {
        const char* metodo;
        int stato;
    };
    for (const Caso c : {Caso{"GET", 200}, Caso{"HEAD", 200}, Caso{"POST", 405}, Caso{"PUT", 405},
                         Caso{"DELETE", 405}, Caso{"OPTIONS", 405}, Caso{"OTHER", 405}}) {
        const RispostaHttp r = Chiedi(c.metodo, "/state.json");
        EXPECT_EQ(c.stato, r.Stato) << c.metodo;
        if (c.stato == 405) {
            EXPECT_TRUE(r.Intestazioni.contains({"Allow", "GET, HEAD"})) << c.metodo;
        }
    }
}

TEST_F(InstradatoreTest, EveryRouteAndItsContentType) {
    struct Caso {
        const char* bersaglio;
        int stato;
        const char* tipo;
    };
    for (const Caso c : {Caso{"/", 200, "text/html"}, Caso{"/overlay?only=bug&delay=500", 200, "text/html"},
                         Caso{"/scoreboard", 200, "text/html"}, Caso{"/live.js", 200, "text/javascript"},
                         Caso{"/live.css", 200, "text/css"}, Caso{"/state.json", 200, "application/json"}, Caso{"/state.js", 200, "text/javascript"},
                         Caso{"/vmix.json", 200, "application/json"},
                         Caso{"/vmix.xml", 200, "application/xml"},
                         Caso{"/events", 200, "text/event-stream"},
                         Caso{"/media/sponsors/bar.jpg", 200, "image/jpeg"},
                         Caso{"/nothing", 404, "text/plain"}, Caso{"/state.json/", 404, "text/plain"},
                         Caso{"/media/", 404, "text/plain"}}) {
        const RispostaHttp r = Chiedi("GET", c.bersaglio);
        EXPECT_EQ(c.stato, r.Stato) << c.bersaglio;
        EXPECT_TRUE(r.Tipo.startsWith(c.tipo)) << c.bersaglio << " " << r.Tipo.toStdString();
    }
    const RispostaHttp eventi = Chiedi("GET", "/events");
    EXPECT_TRUE(eventi.Flusso);
    EXPECT_EQ(QByteArray("event: state\ndata: {\"version\":3}\n\n"), eventi.Corpo)
        << "a new stream starts with the whole state";
}

// Nothing outside the team and sponsor folders is ever served, however the path is written.
TEST_F(InstradatoreTest, PathsThatWouldLeaveTheFoldersAreNotFound) {
    ASSERT_TRUE(QFile::link(a.radice.filePath(QStringLiteral("segreto.txt")),
                            a.programma + QStringLiteral("/Sponsors/fuga.jpg")));
    for (const char* bersaglio :
         {"/media/teams/../../segreto.txt", "/media/teams/%2e%2e/%2e%2e/segreto.txt",
          "/media/teams/%2E%2E%2F%2E%2E%2Fsegreto.txt", "/media/sponsors/..%5c..%5csegreto.txt",
          "/media/teams//etc/passwd", "/media/teams/%2fetc%2fpasswd", "/media/sponsors/fuga.jpg",
          "/media/sponsors/./bar.jpg", "/media/other/bar.jpg", "/media/teams/Lupi%20Neri",
          "/media/teams/Lupi%20Neri/8.jpg", "/media/sponsors/bar.jpg%00.txt",
          "/media/%2e%2e/Languages.csv"}) {
        EXPECT_EQ(404, Chiedi("GET", bersaglio).Stato) << bersaglio;
    }
    EXPECT_EQ(Foto, Chiedi("GET", "/media/teams/Lupi%20Neri/7.jpg").Corpo);
}

TEST_F(InstradatoreTest, PicturesCarryAnEtagAndAMatchingOneIsNotSentAgain) {
    const RispostaHttp prima = Chiedi("GET", "/media/sponsors/bar.jpg");
    QByteArray etag;
    for (const auto& [chiave, valore] : prima.Intestazioni) {
        if (chiave == "ETag") {
            etag = valore;
        }
    }
    ASSERT_FALSE(etag.isEmpty());
    const RispostaHttp dopo = Chiedi("GET", "/media/sponsors/bar.jpg", etag);
    EXPECT_EQ(304, dopo.Stato);
    EXPECT_TRUE(dopo.Corpo.isEmpty());
}

// The team folders hold rosters (often of minors) and sounds: only pictures leave, known by
// their content, with the type they really are.
TEST_F(InstradatoreTest, MediaServesPicturesOnlyByWhatTheyAre) {
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi Neri/team.csv"), "7;Rossi;Anna;;C\r\n");
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi Neri/7.mp3"), "ID3\x03");
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi Neri/finta.jpg"), "<html>");
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi Neri/logo.jpg"), "\x89PNG\r\n\x1A\n....");
    struct Caso {
        const char* bersaglio;
        int stato;
        QByteArray tipo;
    };
    for (const Caso& c : {Caso{"/media/teams/Lupi%20Neri/team.csv", 404, "text/plain; charset=utf-8"},
                          Caso{"/media/teams/Lupi%20Neri/7.mp3", 404, "text/plain; charset=utf-8"},
                          Caso{"/media/teams/Lupi%20Neri/finta.jpg", 404, "text/plain; charset=utf-8"},
                          Caso{"/media/teams/Lupi%20Neri/logo.jpg", 200, "image/png"},
                          Caso{"/media/teams/Lupi%20Neri/7.jpg", 200, "image/jpeg"}}) {
        const RispostaHttp r = Chiedi("GET", c.bersaglio);
        EXPECT_EQ(c.stato, r.Stato) << c.bersaglio;
        EXPECT_EQ(c.tipo, r.Tipo) << c.bersaglio;
        if (c.stato == 200) {
            EXPECT_EQ("nosniff", Intestazione(r, "X-Content-Type-Options")) << c.bersaglio;
        }
    }
}

// Another origin's page may read the score feeds, nothing else: no stream, no picture, and
// no Access-Control-Allow-Origin beyond the feeds.
TEST_F(InstradatoreTest, AnotherOriginReadsTheFeedsOnly) {
    struct Caso {
        const char* bersaglio;
        QByteArray origine;
        int stato;
        QByteArray permesso;
    };
    for (const Caso& c : {Caso{"/state.json", "http://evil.example", 200, "*"},
                          Caso{"/vmix.json", "http://evil.example", 200, "*"},
                          Caso{"/events", "http://evil.example", 403, ""},
                          Caso{"/media/sponsors/bar.jpg", "http://evil.example", 403, ""},
                          Caso{"/overlay", "null", 403, ""},
                          Caso{"/events", "http://127.0.0.1:8765", 200, ""},
                          Caso{"/events", "", 200, ""},
                          Caso{"/media/sponsors/bar.jpg", "", 200, ""}}) {
        const RispostaHttp r = Chiedi("GET", c.bersaglio, {}, c.origine);
        EXPECT_EQ(c.stato, r.Stato) << c.bersaglio << " from " << c.origine.constData();
        EXPECT_EQ(c.permesso, Intestazione(r, "Access-Control-Allow-Origin")) << c.bersaglio;
    }
}

TEST(IndirizziLiveTest, LoopbackAlwaysAndTheMachinesAddressesWithTheLan) {
    const QStringList macchina{"127.0.0.1", "192.168.1.20", "::1", "fe80::1", "2001:db8::5",
                               "169.254.3.3"};
    EXPECT_EQ(QStringList{"http://127.0.0.1:8765/"}, IndirizziLive(8765, false, macchina));
    EXPECT_EQ((QStringList{"http://127.0.0.1:9000/", "http://192.168.1.20:9000/",
                           "http://[2001:db8::5]:9000/"}),
              IndirizziLive(9000, true, macchina));
    EXPECT_TRUE(IndirizziLive(0, true, macchina).isEmpty()) << "port 0: the server is off";
}

} // namespace
