#include "control/Remote.h"

#include "platform/LiveServer.h"

#include <QFile>
#include <QUrlQuery>

namespace {

// How often a waiting request looks whether the console's question has been answered.
constexpr int WaitInterval = 50;

HttpAnswer Text(int state, const QByteArray& text) {
    HttpAnswer r;
    r.State = state;
    r.Type = "text/plain; charset=utf-8";
    r.Body = text + '\n';
    r.Headers.emplaceBack("Cache-Control", "no-store");
    if (state == 401) {
        r.Headers.emplaceBack("WWW-Authenticate", "Bearer");
    }
    return r;
}

HttpAnswer Json(int state, const QByteArray& body) {
    HttpAnswer r;
    r.State = state;
    r.Type = "application/json";
    r.Body = body;
    r.Headers.emplaceBack("Cache-Control", "no-store");
    return r;
}

} // namespace

Remote::Remote(LiveServer& server, Console console)
    : server_(server), console_(std::move(console)) {
    clock_.start();
    waiting_.setInterval(WaitInterval);
    connect(&waiting_, &QTimer::timeout, this, &Remote::Retry);
    deadlines_.setInterval(WaitInterval);
    connect(&deadlines_, &QTimer::timeout, this, &Remote::CopyDeadlines);
}

bool Remote::ItsPath(const QByteArray& target) {
    const QByteArray path =
        target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
    return path.startsWith("/control/") || path == "/remote" || path == "/remote.json";
}

HttpAnswer Remote::Reply(const HttpRequest& request) {
    const qsizetype question = request.Target.indexOf('?');
    const QByteArray path = question < 0 ? request.Target : request.Target.left(question);
    const QByteArray query = question < 0 ? QByteArray() : request.Target.mid(question + 1);
    if (path == "/remote") {
        return Page(request, query);
    }
    const bool data = path == "/remote.json";
    if (request.Method != (data ? "GET" : "POST")) {
        HttpAnswer r = Text(405, "Method Not Allowed");
        r.Headers.emplaceBack("Allow", data ? "GET" : "POST");
        return r;
    }
    const int outcome = access_.Evaluate(request.Address, Credentials(request), clock_.elapsed());
    if (outcome != 200) {
        return Text(outcome, StateText(outcome));
    }
    if (data) {
        return Json(200, console_.RemoteData());
    }
    return Control(request, path.mid(9));
}

// A browser attaches the cookie to any request to this host, a hostile page's included: it
// counts only when the browser says the request comes from our own page (Sec-Fetch-Site, or
// Origin), or when it carries our pages' own header, which no other page can send here
// without a preflight we never allow. A deck or a script uses the Bearer header.
Access::Credentials Remote::Credentials(const HttpRequest& request) const {
    Access::Credentials c = access_.Read(request.Authorization, request.Cookie);
    const bool our = request.FetchSite == "same-origin" || request.FromPage ||
                     (!request.Origin.isEmpty() && request.Origin == "http://" + request.Host);
    const bool foreign = (!request.FetchSite.isEmpty() && request.FetchSite != "same-origin") ||
                         (!request.Origin.isEmpty() && request.Origin != "http://" + request.Host);
    if (!our || foreign) {
        c.device.clear();
    }
    return c;
}

HttpAnswer Remote::Control(const HttpRequest& request, const QByteArray& path) {
    const ParsedCommand read = ReadCommand(path);
    if (read.refusal != 0) {
        return Text(read.refusal, read.refusal == 400 ? "Bad code" : "Unknown action");
    }
    const Command& command = read.command;
    if (!queue_.empty() || console_.Busy()) {
        if (static_cast<int>(queue_.size()) >= MaxInQueue) {
            return Text(503, StateText(503));
        }
        queue_.emplace_back(request.Id, command);
        waiting_.start();
        HttpAnswer r;
        r.Deferred = true;
        return r;
    }
    return AfterTheCopy(request.Id, Run(command));
}

// The phone or deck that got 200 can trust the point is on disk: a crash right after the
// answer loses nothing it was told.
HttpAnswer Remote::AfterTheCopy(quint64 id, HttpAnswer answer) {
    if (answer.State != 200 || !console_.CopiesHandedOver) {
        return answer;
    }
    const qint64 handOver = console_.CopiesHandedOver();
    // Behind an answer still waiting, this one waits too: answers leave in order.
    if (copyWaiting_.empty() && console_.CopiesWritten() >= handOver) {
        answer.Body.insert(1, "\"saved\":true,");
        return answer;
    }
    copyWaiting_.push_back({id, handOver, clock_.elapsed() + CopyWaitMs, std::move(answer)});
    deadlines_.start();
    HttpAnswer deferred;
    deferred.Deferred = true;
    return deferred;
}

void Remote::Conclude(quint64 id, const HttpAnswer& answer) {
    const HttpAnswer r = AfterTheCopy(id, answer);
    if (!r.Deferred) {
        server_.Complete(id, r);
    }
}

void Remote::CopyAdvanced() {
    const qint64 written = console_.CopiesWritten ? console_.CopiesWritten() : 0;
    const qint64 tried = console_.CopiesTried ? console_.CopiesTried() : 0;
    Release([written, tried](const CopyWait& a) -> std::optional<bool> {
        if (a.handOver <= written) {
            return true;
        }
        // A full disk has answered: waiting longer would only keep the phone waiting.
        if (a.handOver <= tried) {
            return false;
        }
        return std::nullopt;
    });
}

void Remote::CopyDeadlines() {
    CopyAdvanced();
    const qint64 now = clock_.elapsed();
    Release([this, now](const CopyWait& a) -> std::optional<bool> {
        if (a.deadline <= now || CopyWaitMs <= 0) {
            return false;
        }
        return std::nullopt;
    });
}

// Answers go out in the order they came: the first that may not go yet holds the rest.
void Remote::Release(const std::function<std::optional<bool>(const CopyWait&)>& saved) {
    while (!copyWaiting_.empty()) {
        const std::optional<bool> outcome = saved(copyWaiting_.front());
        if (!outcome) {
            break;
        }
        CopyWait a = std::move(copyWaiting_.front());
        copyWaiting_.pop_front();
        a.answer.Body.insert(1, *outcome ? "\"saved\":true," : "\"saved\":false,");
        server_.Complete(a.id, a.answer);
    }
    if (copyWaiting_.empty()) {
        deadlines_.stop();
    }
}

HttpAnswer Remote::Run(const Command& command) {
    const std::optional<QString> refusal = console_.Run(command);
    if (refusal) {
        return Json(409, QByteArray("{\"refused\":") + '"' +
                             refusal->toUtf8().replace('\\', "\\\\").replace('"', "\\\"") + "\"}");
    }
    return Json(200, console_.State());
}

void Remote::Retry() {
    while (!queue_.empty() && !console_.Busy()) {
        const auto [id, command] = queue_.front();
        queue_.pop_front();
        // A phone that gave up (its page closed, its taps repeated) must not score late.
        if (server_.Present(id)) {
            Conclude(id, Run(command));
        }
    }
    if (queue_.empty()) {
        waiting_.stop();
    }
}

// The QR code carries a one-time pairing code: the phone trades it for a device secret of its
// own, kept in a cookie named for this port, so the address bar and the history keep only a
// spent code.
HttpAnswer Remote::Page(const HttpRequest& request, const QByteArray& query) {
    if (request.Method != "GET" && request.Method != "HEAD") {
        HttpAnswer r = Text(405, "Method Not Allowed");
        r.Headers.emplaceBack("Allow", "GET, HEAD");
        return r;
    }
    const QByteArray code =
        QUrlQuery(QString::fromLatin1(query)).queryItemValue(QStringLiteral("pair")).toLatin1();
    int outcome = 401;
    if (!code.isEmpty()) {
        const QByteArray secret =
            access_.Bind(code, request.Address, request.Agent, clock_.elapsed());
        if (!secret.isEmpty()) {
            HttpAnswer r = Text(303, "See Other");
            r.Headers.emplaceBack("Location", "/remote");
            r.Headers.emplaceBack("Set-Cookie",
                                  access_.CookieName() + '=' + secret +
                                      "; Path=/; Max-Age=31536000; HttpOnly; SameSite=Strict");
            return r;
        }
    } else {
        // The page itself holds no secret: opening it is a navigation, with no Origin to check.
        outcome =
            access_.Evaluate(request.Address, access_.Read({}, request.Cookie), clock_.elapsed());
    }
    if (outcome != 200) {
        QFile file(QStringLiteral(":/live/remote_closed.html"));
        HttpAnswer r = Text(outcome, StateText(outcome));
        if (file.open(QIODevice::ReadOnly)) {
            r.Type = "text/html; charset=utf-8";
            r.Body = file.readAll();
        }
        return r;
    }
    QFile file(QStringLiteral(":/live/remote.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        return Text(404, "Not found");
    }
    HttpAnswer r;
    r.Type = "text/html; charset=utf-8";
    r.Body = file.readAll();
    r.Headers.emplaceBack("Cache-Control", "no-store");
    return r;
}
