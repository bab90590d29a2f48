#include "venue/VenueServer.h"

#include "platform/LiveServer.h"
#include "shared/FileText.h"
#include "venue/Topics.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

QByteArray VenueEvent(const QByteArray& json) {
    return "event: venue\ndata: " + json + "\n\n";
}

HttpAnswer Answer(int state, const QByteArray& type, const QByteArray& body) {
    HttpAnswer a;
    a.State = state;
    a.Type = type;
    a.Body = body;
    a.Headers.emplaceBack("Cache-Control", "no-store");
    a.Headers.emplaceBack("X-Content-Type-Options", "nosniff");
    return a;
}

QByteArray StateEvent(const QJsonObject& state) {
    return "event: state\ndata: " + QJsonDocument(state).toJson(QJsonDocument::Compact) + "\n\n";
}

HttpAnswer Resource(const QString& path, const QByteArray& type) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Answer(404, "text/plain; charset=utf-8", "Not found");
    }
    return Answer(200, type, file.readAll());
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QByteArray ResultsPage(const VenueBoard& board) {
    QString html =
        QStringLiteral(
            "<!doctype html><html><head><meta charset=\"utf-8\"><meta name=\"viewport\" "
            "content=\"width=device-width, initial-scale=1\"><title>Results</title><style>"
            "body{background:#10151b;color:#eee;font-family:sans-serif;margin:24px}"
            "table{border-collapse:collapse;width:100%;font-size:22px}td,th{padding:8px 12px;"
            "border-bottom:1px solid #333;text-align:left}a{color:#9cf}</style></head><body>"
            "<h1>") +
        Escaped(board.Venue()) +
        QStringLiteral(
            "</h1><p><a href=\"/venue\">Courts</a> · <a href=\"/results.csv\">CSV</a></p><table>"
            "<tr><th>Court</th><th>Home</th><th>Guests</th><th>Sets</th><th>Partials</"
            "th><th>Match</th></tr>");
    for (const VenueBoard::Result& r : board.Results()) {
        html +=
            QStringLiteral(
                "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4 - %5</td><td>%6</td><td>%7</td></tr>")
                .arg(Escaped(r.court), Escaped(r.home), Escaped(r.guests))
                .arg(r.homeSets)
                .arg(r.guestsSets)
                .arg(Escaped(r.partials.join(QStringLiteral("  "))), Escaped(r.id));
    }
    return (html + QStringLiteral("</table></body></html>")).toUtf8();
}

} // namespace

VenueServer::VenueServer(LiveServer& server, MqttClient& client, const QString& venue,
                         QString resultsFolder)
    : server_(server), client_(client), board_(Topics::SafeName(venue)),
      resultsFolder_(std::move(resultsFolder)) {
    client_.onMessage = [this](const QString& topic, const QByteArray& payload) {
        QMetaObject::invokeMethod(
            this, [this, topic, payload] { Receive(topic, payload); }, Qt::QueuedConnection);
    };
    client_.onState = [this](MqttState s, const QString&) {
        QMetaObject::invokeMethod(
            this, [this, s] { state_ = s; }, Qt::QueuedConnection);
    };
    // A change goes out at once; more within the next 50 ms follow as one event.
    send_.setSingleShot(true);
    send_.setInterval(50);
    connect(&send_, &QTimer::timeout, this, [this] {
        if (std::exchange(pending_, false)) {
            server_.Broadcast(VenueEvent(board_.Json(QDateTime::currentDateTime())));
            send_.start();
        }
    });
    beat_.setInterval(HttpLimits::Beat);
    connect(&beat_, &QTimer::timeout, this, [this] {
        // The offline times on the tiles move on even when no court says anything.
        server_.Broadcast(VenueEvent(board_.Json(QDateTime::currentDateTime())));
    });
}

VenueServer::~VenueServer() {
    client_.Stop();
    client_.onMessage = nullptr;
    client_.onState = nullptr;
}

bool VenueServer::Start(quint16 port, const MqttOptions& options) {
    server_.Handler = [this](const HttpRequest& r) { return Reply(r); };
    if (!server_.Start(port, true)) {
        return false;
    }
    beat_.start();
    client_.Subscribe(Topics::AllOf(board_.Venue()));
    client_.Start(options);
    return true;
}

void VenueServer::Receive(const QString& topic, const QByteArray& payload) {
    if (board_.Accept(topic, payload, QDateTime::currentDateTime())) {
        KeepResults();
        // The courts' own scoreboard and overlay pages follow their court on the same stream.
        if (const auto t = Topics::Parse(board_.Venue(), topic);
            t && t->kind == QStringLiteral("state")) {
            server_.Broadcast(StateEvent(board_.Courts().value(t->court).state));
        }
        if (send_.isActive()) {
            pending_ = true;
        } else {
            server_.Broadcast(VenueEvent(board_.Json(QDateTime::currentDateTime())));
            send_.start();
        }
    }
}

void VenueServer::KeepResults() {
    const QString folder = QDir(resultsFolder_).filePath(board_.Venue());
    for (const VenueBoard::Result& r : board_.TakeNew()) {
        const QString path = QDir(folder).filePath(r.id + QStringLiteral(".txt"));
        // Once: a result the folder already holds stays as it was first written.
        if (!QFile::exists(path) && QDir().mkpath(folder)) {
            WriteWholeFile(path, r.file);
        }
    }
}

HttpAnswer VenueServer::CourtPage(const QByteArray& path) const {
    // /court/<name>/scoreboard, /court/<name>/overlay and their /court/<name>/state.js.
    const QList<QByteArray> parts = path.mid(7).split('/');
    const QString court = parts.size() == 2 ? QUrl::fromPercentEncoding(parts[0]) : QString();
    if (!Topics::ValidName(court) || !board_.Courts().contains(court)) {
        return Answer(404, "text/plain; charset=utf-8", "No such court");
    }
    if (parts[1] == "state.js") {
        QJsonObject state = board_.Courts().value(court).state;
        return Answer(
            200, "text/javascript; charset=utf-8",
            "var BrivantaState = " + QJsonDocument(state).toJson(QJsonDocument::Compact) +
                ";\nvar BrivantaCourt = " +
                QJsonDocument(QJsonArray{court}).toJson(QJsonDocument::Compact).mid(1).chopped(1) +
                ";\n");
    }
    if (parts[1] != "scoreboard" && parts[1] != "overlay") {
        return Answer(404, "text/plain; charset=utf-8", "Not found");
    }
    QFile page(QStringLiteral(":/live/") + QString::fromLatin1(parts[1]) + QStringLiteral(".html"));
    if (!page.open(QIODevice::ReadOnly)) {
        return Answer(404, "text/plain; charset=utf-8", "Not found");
    }
    QByteArray html = page.readAll();
    html.replace("src=\"/state.js\"",
                 "src=\"/court/" + QUrl::toPercentEncoding(court) + "/state.js\"");
    return Answer(200, "text/html; charset=utf-8", html);
}

HttpAnswer VenueServer::Reply(const HttpRequest& request) const {
    if (request.Method != "GET" && request.Method != "HEAD") {
        HttpAnswer r = Answer(405, "text/plain; charset=utf-8", "Method not allowed");
        r.Headers.emplaceBack("Allow", "GET, HEAD");
        return r;
    }
    const QByteArray path = request.Target.left(
        request.Target.indexOf('?') < 0 ? request.Target.size() : request.Target.indexOf('?'));
    const QDateTime now = QDateTime::currentDateTime();
    if (path == "/" || path == "/venue") {
        QFile page(QStringLiteral(":/venue/venue.html"));
        if (!page.open(QIODevice::ReadOnly)) {
            return Answer(500, "text/plain; charset=utf-8", "Page missing");
        }
        return Answer(200, "text/html; charset=utf-8", page.readAll());
    }
    if (path == "/venue.json") {
        HttpAnswer a = Answer(200, "application/json", board_.Json(now));
        a.Headers.emplaceBack("Access-Control-Allow-Origin", "*");
        return a;
    }
    if (path == "/live.js") {
        return Resource(QStringLiteral(":/live/live.js"), "text/javascript; charset=utf-8");
    }
    if (path == "/live.css") {
        return Resource(QStringLiteral(":/live/live.css"), "text/css; charset=utf-8");
    }
    if (path.startsWith("/court/")) {
        return CourtPage(path);
    }
    if (path == "/venue/events" || path == "/events") {
        HttpAnswer a = Answer(200, "text/event-stream", VenueEvent(board_.Json(now)));
        a.Headers.emplaceBack("X-Accel-Buffering", "no");
        a.Stream = true;
        return a;
    }
    if (path == "/results") {
        return Answer(200, "text/html; charset=utf-8", ResultsPage(board_));
    }
    if (path == "/results.csv") {
        HttpAnswer a = Answer(200, "text/csv; charset=utf-8", board_.ResultsCsv());
        a.Headers.emplaceBack("Content-Disposition", "attachment; filename=\"results.csv\"");
        return a;
    }
    return Answer(404, "text/plain; charset=utf-8", "Not found");
}
