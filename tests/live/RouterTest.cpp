#include "live/Router.h"
#include "live/Addresses.h"

#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class RouterTest : public ::testing::Test {
  protected:
    RouterTest()
        : broken({[] { return QByteArray(R"({"version":3})"); }, [] { return QByteArray("[{}]"); },
                  [] { return QByteArray("<scoreboard/>"); }, [this] { return a.program; }}) {
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/7.jpg"), Photo);
        Environment::CreateFile(a.program + QStringLiteral("/Sponsors/bar.jpg"), "\xFF\xD8\xFF"
                                                                                 "bar");
        Environment::CreateFile(a.root.filePath(QStringLiteral("segreto.txt")), "segreto");
    }
    HttpAnswer Ask(const char* method, const QByteArray& target, QByteArray etag = {},
                   const QByteArray& origin = {}) {
        HttpRequest r;
        r.Method = method;
        r.Target = target;
        r.UnlessItMatches = etag;
        r.Host = "127.0.0.1:8765";
        r.Origin = origin;
        return broken.Reply(r);
    }
    static QByteArray Header(const HttpAnswer& r, const QByteArray& name) {
        for (const auto& [key, value] : r.Headers) {
            if (key == name) {
                return value;
            }
        }
        return {};
    }
    // A JPEG's first bytes: what the file is, not what it is called.
    static inline const QByteArray Photo = QByteArray("\xFF\xD8\xFF\xE0"
                                                      "foto");
    Environment a;
    Router broken;
};

TEST_F(RouterTest, OnlyGetAndHeadAreAnswered) {
    struct Case {
        const char* method;
        int state;
    };
    for (const Case c : {Case{"GET", 200}, Case{"HEAD", 200}, Case{"POST", 405}, Case{"PUT", 405},
                         Case{"DELETE", 405}, Case{"OPTIONS", 405}, Case{"OTHER", 405}}) {
        const HttpAnswer r = Ask(c.method, "/state.json");
        EXPECT_EQ(c.state, r.State) << c.method;
        if (c.state == 405) {
            EXPECT_TRUE(r.Headers.contains({"Allow", "GET, HEAD"})) << c.method;
        }
    }
}

TEST_F(RouterTest, EveryRouteAndItsContentType) {
    struct Case {
        const char* target;
        int state;
        const char* type;
    };
    for (const Case c :
         {Case{"/", 200, "text/html"}, Case{"/overlay?only=bug&delay=500", 200, "text/html"},
          Case{"/scoreboard", 200, "text/html"}, Case{"/live.js", 200, "text/javascript"},
          Case{"/live.css", 200, "text/css"}, Case{"/state.json", 200, "application/json"},
          Case{"/state.js", 200, "text/javascript"}, Case{"/vmix.json", 200, "application/json"},
          Case{"/vmix.xml", 200, "application/xml"}, Case{"/events", 200, "text/event-stream"},
          Case{"/media/sponsors/bar.jpg", 200, "image/jpeg"}, Case{"/nothing", 404, "text/plain"},
          Case{"/state.json/", 404, "text/plain"}, Case{"/media/", 404, "text/plain"}}) {
        const HttpAnswer r = Ask("GET", c.target);
        EXPECT_EQ(c.state, r.State) << c.target;
        EXPECT_TRUE(r.Type.startsWith(c.type)) << c.target << " " << r.Type.toStdString();
    }
    const HttpAnswer events = Ask("GET", "/events");
    EXPECT_TRUE(events.Stream);
    EXPECT_EQ(QByteArray("event: state\ndata: {\"version\":3}\n\n"), events.Body)
        << "a new stream starts with the whole state";
}

// Nothing outside the team and sponsor folders is ever served, however the path is written.
TEST_F(RouterTest, PathsThatWouldLeaveTheFoldersAreNotFound) {
    ASSERT_TRUE(QFile::link(a.root.filePath(QStringLiteral("segreto.txt")),
                            a.program + QStringLiteral("/Sponsors/fuga.jpg")));
    for (const char* target :
         {"/media/teams/../../segreto.txt", "/media/teams/%2e%2e/%2e%2e/segreto.txt",
          "/media/teams/%2E%2E%2F%2E%2E%2Fsegreto.txt", "/media/sponsors/..%5c..%5csegreto.txt",
          "/media/teams//etc/passwd", "/media/teams/%2fetc%2fpasswd", "/media/sponsors/fuga.jpg",
          "/media/sponsors/./bar.jpg", "/media/other/bar.jpg", "/media/teams/Lupi%20Neri",
          "/media/teams/Lupi%20Neri/8.jpg", "/media/sponsors/bar.jpg%00.txt",
          "/media/%2e%2e/Languages.csv"}) {
        EXPECT_EQ(404, Ask("GET", target).State) << target;
    }
    QFile sent(Ask("GET", "/media/teams/Lupi%20Neri/7.jpg").File);
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly));
    EXPECT_EQ(Photo, sent.readAll());
}

TEST_F(RouterTest, PicturesCarryAnEtagAndAMatchingOneIsNotSentAgain) {
    const HttpAnswer before = Ask("GET", "/media/sponsors/bar.jpg");
    QByteArray etag;
    for (const auto& [key, value] : before.Headers) {
        if (key == "ETag") {
            etag = value;
        }
    }
    ASSERT_FALSE(etag.isEmpty());
    const HttpAnswer after = Ask("GET", "/media/sponsors/bar.jpg", etag);
    EXPECT_EQ(304, after.State);
    EXPECT_TRUE(after.Body.isEmpty());
}

// The team folders hold rosters (often of minors) and sounds: only pictures leave, known by
// their content, with the type they really are.
TEST_F(RouterTest, MediaServesPicturesOnlyByWhatTheyAre) {
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/team.csv"),
                            "7;Rossi;Anna;;C\r\n");
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/7.mp3"), "ID3\x03");
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/finta.jpg"), "<html>");
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/logo.jpg"),
                            "\x89PNG\r\n\x1A\n....");
    // "BM" alone is any text that starts so (a roster "BMX club"); a bitmap says more.
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/note.bmp"),
                            "BMX club; Rossi Anna; 3331234567\r\n");
    QByteArray bitmap("BM\x3A\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18);
    Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi Neri/8.bmp"),
                            bitmap + QByteArray(40, '\0'));
    struct Case {
        const char* target;
        int state;
        QByteArray type;
    };
    for (const Case& c :
         {Case{"/media/teams/Lupi%20Neri/team.csv", 404, "text/plain; charset=utf-8"},
          Case{"/media/teams/Lupi%20Neri/7.mp3", 404, "text/plain; charset=utf-8"},
          Case{"/media/teams/Lupi%20Neri/finta.jpg", 404, "text/plain; charset=utf-8"},
          Case{"/media/teams/Lupi%20Neri/logo.jpg", 200, "image/png"},
          Case{"/media/teams/Lupi%20Neri/note.bmp", 404, "text/plain; charset=utf-8"},
          Case{"/media/teams/Lupi%20Neri/8.bmp", 200, "image/bmp"},
          Case{"/media/teams/Lupi%20Neri/7.jpg", 200, "image/jpeg"}}) {
        const HttpAnswer r = Ask("GET", c.target);
        EXPECT_EQ(c.state, r.State) << c.target;
        EXPECT_EQ(c.type, r.Type) << c.target;
        if (c.state == 200) {
            EXPECT_EQ("nosniff", Header(r, "X-Content-Type-Options")) << c.target;
        }
    }
}

// Another origin's page may read the score feeds, nothing else: no stream, no picture, and
// no Access-Control-Allow-Origin beyond the feeds.
TEST_F(RouterTest, AnotherOriginReadsTheFeedsOnly) {
    struct Case {
        const char* target;
        QByteArray origin;
        int state;
        QByteArray permission;
    };
    for (const Case& c :
         {Case{"/state.json", "http://evil.example", 200, "*"},
          Case{"/vmix.json", "http://evil.example", 200, "*"},
          Case{"/events", "http://evil.example", 403, ""},
          Case{"/media/sponsors/bar.jpg", "http://evil.example", 403, ""},
          Case{"/overlay", "null", 403, ""}, Case{"/events", "http://127.0.0.1:8765", 200, ""},
          Case{"/events", "", 200, ""}, Case{"/media/sponsors/bar.jpg", "", 200, ""}}) {
        const HttpAnswer r = Ask("GET", c.target, {}, c.origin);
        EXPECT_EQ(c.state, r.State) << c.target << " from " << c.origin.constData();
        EXPECT_EQ(c.permission, Header(r, "Access-Control-Allow-Origin")) << c.target;
    }
}

TEST(LiveAddressesTest, LoopbackAlwaysAndTheMachinesAddressesWithTheLan) {
    const QStringList machine{"127.0.0.1", "192.168.1.20", "::1",
                              "fe80::1",   "2001:db8::5",  "169.254.3.3"};
    EXPECT_EQ(QStringList{"http://127.0.0.1:8765/"}, LiveAddresses(8765, false, machine));
    EXPECT_EQ((QStringList{"http://127.0.0.1:9000/", "http://192.168.1.20:9000/",
                           "http://[2001:db8::5]:9000/"}),
              LiveAddresses(9000, true, machine));
    EXPECT_TRUE(LiveAddresses(0, true, machine).isEmpty()) << "port 0: the server is off";
}

} // namespace
