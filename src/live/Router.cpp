#include "live/Router.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr qint64 MaxFiles = 32LL * 1024 * 1024;

HttpAnswer Text(int state, const QByteArray& text) {
    HttpAnswer r;
    r.State = state;
    r.Type = "text/plain; charset=utf-8";
    r.Body = text + '\n';
    return r;
}

HttpAnswer Data(const QByteArray& type, const QByteArray& body) {
    HttpAnswer r;
    r.Type = type;
    r.Body = body;
    r.Headers.emplaceBack("Cache-Control", "no-store");
    return r;
}

// The three data feeds are the match's public score, and graphics tools read them from pages
// of their own origin: only they are readable from another origin. The event stream, the
// pages, the pictures and the remote are not.
HttpAnswer Feed(const QByteArray& type, const QByteArray& body) {
    HttpAnswer r = Data(type, body);
    r.Headers.emplaceBack("Access-Control-Allow-Origin", "*");
    return r;
}

// The pages live in the program itself, so they work in a hall without internet.
HttpAnswer Page(const char* resource, const QByteArray& type) {
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly)) {
        return Text(404, "Not found");
    }
    HttpAnswer r;
    r.Type = type;
    r.Body = file.readAll();
    r.Headers.emplaceBack("Cache-Control", "no-cache");
    return r;
}

} // namespace

QByteArray ImageType(const QByteArray& start) {
    if (start.startsWith("\xFF\xD8\xFF")) {
        return "image/jpeg";
    }
    if (start.startsWith("\x89PNG\r\n\x1A\n")) {
        return "image/png";
    }
    if (start.startsWith("GIF87a") || start.startsWith("GIF89a")) {
        return "image/gif";
    }
    // A bitmap's reserved bytes are zero and its second header has one of the known sizes:
    // "BM" alone starts plenty of text files.
    if (start.startsWith("BM") && start.size() >= 18 && start.mid(6, 4) == QByteArray(4, '\0')) {
        const auto byte = [&](int at) { return static_cast<quint8>(start[at]); };
        const quint32 info = byte(14) | byte(15) << 8 | byte(16) << 16 | quint32(byte(17)) << 24;
        if (info == 12 || info == 40 || info == 52 || info == 56 || info == 64 || info == 108 ||
            info == 124) {
            return "image/bmp";
        }
    }
    if (start.startsWith("RIFF") && start.mid(8, 4) == "WEBP") {
        return "image/webp";
    }
    return {};
}

QString FileBelow(const QString& root, const QString& relative) {
    if (relative.isEmpty() || relative.contains(u'\\') || relative.contains(QChar(0)) ||
        relative.startsWith(u'/') || QDir::isAbsolutePath(relative)) {
        return {};
    }
    for (const QString& piece : relative.split(u'/')) {
        if (piece.isEmpty() || piece == QStringLiteral(".") || piece == QStringLiteral("..")) {
            return {};
        }
    }
    const QString base = QFileInfo(root).canonicalFilePath();
    const QFileInfo file(QDir(root).filePath(relative));
    const QString yes = file.canonicalFilePath();
    // A link may point anywhere: only what really lies under the folder is served.
    if (base.isEmpty() || yes.isEmpty() || !file.isFile() ||
        !yes.startsWith(base + QLatin1Char('/'))) {
        return {};
    }
    return yes;
}

QByteArray StateEvent(const QByteArray& json) {
    return "event: state\ndata: " + json + "\n\n";
}

HttpAnswer Router::Reply(const HttpRequest& request) const {
    if (request.Method != "GET" && request.Method != "HEAD") {
        HttpAnswer r = Text(405, "Method not allowed: this server only shows the match");
        r.Headers.emplaceBack("Allow", "GET, HEAD");
        return r;
    }
    const qsizetype question = request.Target.indexOf('?');
    const QByteArray path = question < 0 ? request.Target : request.Target.left(question);
    // A page of another origin may not open streams, pull pictures or frame pages here (a browser
    // says where a cross-origin request comes from; our own pages' requests say nothing or ours).
    if (!request.Origin.isEmpty() && request.Origin != "http://" + request.Host &&
        path != "/state.json" && path != "/vmix.json" && path != "/vmix.xml") {
        return Text(403, "Forbidden");
    }
    if (path == "/" || path == "/index.html") {
        return Page(":/live/index.html", "text/html; charset=utf-8");
    }
    if (path == "/overlay") {
        return Page(":/live/overlay.html", "text/html; charset=utf-8");
    }
    if (path == "/scoreboard") {
        return Page(":/live/scoreboard.html", "text/html; charset=utf-8");
    }
    if (path == "/live.js") {
        return Page(":/live/live.js", "text/javascript; charset=utf-8");
    }
    if (path == "/live.css") {
        return Page(":/live/live.css", "text/css; charset=utf-8");
    }
    if (path == "/state.json") {
        return Feed("application/json", fonts_.State());
    }
    // The pages load the state with themselves: they draw it before any event arrives.
    if (path == "/state.js") {
        return Data("text/javascript; charset=utf-8",
                    "var BrivantaState = " + fonts_.State() + ";\n");
    }
    if (path == "/vmix.json") {
        return Feed("application/json", fonts_.VmixJson());
    }
    if (path == "/vmix.xml") {
        return Feed("application/xml; charset=utf-8", fonts_.VmixXml());
    }
    if (path == "/events") {
        HttpAnswer r = Data("text/event-stream", StateEvent(fonts_.State()));
        r.Headers.emplaceBack("X-Accel-Buffering", "no");
        r.Stream = true;
        return r;
    }
    if (path.startsWith("/media/")) {
        return Media(path.mid(7), request.UnlessItMatches);
    }
    return Text(404, "Not found");
}

HttpAnswer Router::Media(const QByteArray& path, const QByteArray& label) const {
    const QString decoded = QUrl::fromPercentEncoding(path);
    QString root;
    QString relative;
    const QDir data(fonts_.DataFolder());
    if (decoded.startsWith(QStringLiteral("teams/"))) {
        root = data.filePath(QStringLiteral("Teams"));
        relative = decoded.mid(6);
    } else if (decoded.startsWith(QStringLiteral("sponsors/"))) {
        root = data.filePath(QStringLiteral("Sponsors"));
        relative = decoded.mid(9);
    }
    const QString file = root.isEmpty() ? QString() : FileBelow(root, relative);
    const QFileInfo info(file);
    if (file.isEmpty() || info.size() > MaxFiles) {
        return Text(404, "Not found");
    }
    const QByteArray etag = '"' + QByteArray::number(info.size(), 16) + '-' +
                            QByteArray::number(info.lastModified().toMSecsSinceEpoch(), 16) + '"';
    HttpAnswer r;
    r.Headers.emplaceBack("ETag", etag);
    // A picture replaced in an editor must show at once: the browser asks again each time.
    r.Headers.emplaceBack("Cache-Control", "no-cache");
    if (label == etag) {
        r.State = 304;
        return r;
    }
    QFile content(file);
    if (!content.open(QIODevice::ReadOnly)) {
        return Text(404, "Not found");
    }
    // Pictures only, known by what the file is: a roster or a sound in a team folder is not
    // for the network, whatever its name.
    r.Type = ImageType(content.read(18));
    if (r.Type.isEmpty()) {
        return Text(404, "Not found");
    }
    r.Headers.emplaceBack("X-Content-Type-Options", "nosniff");
    r.File = file;
    return r;
}
