#include "live/Instradatore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr qint64 MassimoFile = 32LL * 1024 * 1024;

RispostaHttp Testo(int stato, const QByteArray& testo) {
    RispostaHttp r;
    r.Stato = stato;
    r.Tipo = "text/plain; charset=utf-8";
    r.Corpo = testo + '\n';
    return r;
}

RispostaHttp Dati(const QByteArray& tipo, const QByteArray& corpo) {
    RispostaHttp r;
    r.Tipo = tipo;
    r.Corpo = corpo;
    r.Intestazioni.emplaceBack("Cache-Control", "no-store");
    return r;
}

// The three data feeds are the match's public score, and graphics tools read them from pages
// of their own origin: only they are readable from another origin. The event stream, the
// pages, the pictures and the remote are not.
RispostaHttp Feed(const QByteArray& tipo, const QByteArray& corpo) {
    RispostaHttp r = Dati(tipo, corpo);
    r.Intestazioni.emplaceBack("Access-Control-Allow-Origin", "*");
    return r;
}

// The pages live in the program itself, so they work in a hall without internet.
RispostaHttp Pagina(const char* risorsa, const QByteArray& tipo) {
    QFile file(QString::fromLatin1(risorsa));
    if (!file.open(QIODevice::ReadOnly)) {
        return Testo(404, "Not found");
    }
    RispostaHttp r;
    r.Tipo = tipo;
    r.Corpo = file.readAll();
    r.Intestazioni.emplaceBack("Cache-Control", "no-cache");
    return r;
}

} // namespace

QByteArray TipoImmagine(const QByteArray& inizio) {
    if (inizio.startsWith("\xFF\xD8\xFF")) {
        return "image/jpeg";
    }
    if (inizio.startsWith("\x89PNG\r\n\x1A\n")) {
        return "image/png";
    }
    if (inizio.startsWith("GIF87a") || inizio.startsWith("GIF89a")) {
        return "image/gif";
    }
    if (inizio.startsWith("BM")) {
        return "image/bmp";
    }
    if (inizio.startsWith("RIFF") && inizio.mid(8, 4) == "WEBP") {
        return "image/webp";
    }
    return {};
}


QString FileSotto(const QString& radice, const QString& relativo) {
    if (relativo.isEmpty() || relativo.contains(u'\\') || relativo.contains(QChar(0)) ||
        relativo.startsWith(u'/') || QDir::isAbsolutePath(relativo)) {
        return {};
    }
    for (const QString& pezzo : relativo.split(u'/')) {
        if (pezzo.isEmpty() || pezzo == QStringLiteral(".") || pezzo == QStringLiteral("..")) {
            return {};
        }
    }
    const QString base = QFileInfo(radice).canonicalFilePath();
    const QFileInfo file(QDir(radice).filePath(relativo));
    const QString vero = file.canonicalFilePath();
    // A link may point anywhere: only what really lies under the folder is served.
    if (base.isEmpty() || vero.isEmpty() || !file.isFile() ||
        !vero.startsWith(base + QLatin1Char('/'))) {
        return {};
    }
    return vero;
}

QByteArray EventoStato(const QByteArray& json) {
    return "event: state\ndata: " + json + "\n\n";
}

RispostaHttp Instradatore::Rispondi(const RichiestaHttp& richiesta) const {
    if (richiesta.Metodo != "GET" && richiesta.Metodo != "HEAD") {
        RispostaHttp r = Testo(405, "Method not allowed: this server only shows the match");
        r.Intestazioni.emplaceBack("Allow", "GET, HEAD");
        return r;
    }
    const qsizetype domanda = richiesta.Bersaglio.indexOf('?');
    const QByteArray percorso =
        domanda < 0 ? richiesta.Bersaglio : richiesta.Bersaglio.left(domanda);
    // A page of another origin may not open streams, pull pictures or frame pages here (a browser says
    // where a cross-origin request comes from; our own pages' requests say nothing or ours).
    if (!richiesta.Origine.isEmpty() && richiesta.Origine != "http://" + richiesta.Host &&
        percorso != "/state.json" && percorso != "/vmix.json" && percorso != "/vmix.xml") {
        return Testo(403, "Forbidden");
    }
    if (percorso == "/" || percorso == "/index.html") {
        return Pagina(":/live/index.html", "text/html; charset=utf-8");
    }
    if (percorso == "/overlay") {
        return Pagina(":/live/overlay.html", "text/html; charset=utf-8");
    }
    if (percorso == "/scoreboard") {
        return Pagina(":/live/scoreboard.html", "text/html; charset=utf-8");
    }
    if (percorso == "/live.js") {
        return Pagina(":/live/live.js", "text/javascript; charset=utf-8");
    }
    if (percorso == "/live.css") {
        return Pagina(":/live/live.css", "text/css; charset=utf-8");
    }
    if (percorso == "/state.json") {
        return Feed("application/json", fonti_.Stato());
    }
    // The pages load the state with themselves: they draw it before any event arrives.
    if (percorso == "/state.js") {
        return Dati("text/javascript; charset=utf-8",
                    "var BrivantaStato = " + fonti_.Stato() + ";\n");
    }
    if (percorso == "/vmix.json") {
        return Feed("application/json", fonti_.VmixJson());
    }
    if (percorso == "/vmix.xml") {
        return Feed("application/xml; charset=utf-8", fonti_.VmixXml());
    }
    if (percorso == "/events") {
        RispostaHttp r = Dati("text/event-stream", EventoStato(fonti_.Stato()));
        r.Intestazioni.emplaceBack("X-Accel-Buffering", "no");
        r.Flusso = true;
        return r;
    }
    if (percorso.startsWith("/media/")) {
        return Media(percorso.mid(7), richiesta.SeNonCorrisponde);
    }
    return Testo(404, "Not found");
}

RispostaHttp Instradatore::Media(const QByteArray& percorso, const QByteArray& etichetta) const {
    const QString decodificato = QUrl::fromPercentEncoding(percorso);
    QString radice;
    QString relativo;
    const QDir dati(fonti_.CartellaDati());
    if (decodificato.startsWith(QStringLiteral("teams/"))) {
        radice = dati.filePath(QStringLiteral("Teams"));
        relativo = decodificato.mid(6);
    } else if (decodificato.startsWith(QStringLiteral("sponsors/"))) {
        radice = dati.filePath(QStringLiteral("Sponsors"));
        relativo = decodificato.mid(9);
    }
    const QString file = radice.isEmpty() ? QString() : FileSotto(radice, relativo);
    const QFileInfo info(file);
    if (file.isEmpty() || info.size() > MassimoFile) {
        return Testo(404, "Not found");
    }
    const QByteArray etag = '"' + QByteArray::number(info.size(), 16) + '-' +
                            QByteArray::number(info.lastModified().toMSecsSinceEpoch(), 16) + '"';
    RispostaHttp r;
    r.Intestazioni.emplaceBack("ETag", etag);
    // A picture replaced in an editor must show at once: the browser asks again each time.
    r.Intestazioni.emplaceBack("Cache-Control", "no-cache");
    if (etichetta == etag) {
        r.Stato = 304;
        return r;
    }
    QFile contenuto(file);
    if (!contenuto.open(QIODevice::ReadOnly)) {
        return Testo(404, "Not found");
    }
    // Pictures only, known by what the file is: a roster or a sound in a team folder is not
    // for the network, whatever its name.
    r.Tipo = TipoImmagine(contenuto.peek(16));
    if (r.Tipo.isEmpty()) {
        return Testo(404, "Not found");
    }
    r.Intestazioni.emplaceBack("X-Content-Type-Options", "nosniff");
    r.Corpo = contenuto.readAll();
    return r;
}
