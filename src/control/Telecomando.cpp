#include "control/Telecomando.h"

#include "platform/ServerLive.h"

#include <QFile>
#include <QUrlQuery>

namespace {

// How often a waiting request looks whether the console's question has been answered.
constexpr int IntervalloAttesa = 50;

RispostaHttp Testo(int stato, const QByteArray& testo) {
    RispostaHttp r;
    r.Stato = stato;
    r.Tipo = "text/plain; charset=utf-8";
    r.Corpo = testo + '\n';
    r.Intestazioni.emplaceBack("Cache-Control", "no-store");
    if (stato == 401) {
        r.Intestazioni.emplaceBack("WWW-Authenticate", "Bearer");
    }
    return r;
}

RispostaHttp Json(int stato, const QByteArray& corpo) {
    RispostaHttp r;
    r.Stato = stato;
    r.Tipo = "application/json";
    r.Corpo = corpo;
    r.Intestazioni.emplaceBack("Cache-Control", "no-store");
    return r;
}

} // namespace

Telecomando::Telecomando(ServerLive& server, Console console)
    : server_(server), console_(std::move(console)) {
    orologio_.start();
    attesa_.setInterval(IntervalloAttesa);
    connect(&attesa_, &QTimer::timeout, this, &Telecomando::Riprova);
    scadenze_.setInterval(IntervalloAttesa);
    connect(&scadenze_, &QTimer::timeout, this, &Telecomando::ScadenzeCopia);
}

bool Telecomando::SuoPercorso(const QByteArray& bersaglio) {
    const QByteArray percorso = bersaglio.left(bersaglio.indexOf('?') < 0 ? bersaglio.size()
                                                                          : bersaglio.indexOf('?'));
    return percorso.startsWith("/control/") || percorso == "/remote" ||
           percorso == "/remote.json";
}

RispostaHttp Telecomando::Rispondi(const RichiestaHttp& richiesta) {
    const qsizetype domanda = richiesta.Bersaglio.indexOf('?');
    const QByteArray percorso =
        domanda < 0 ? richiesta.Bersaglio : richiesta.Bersaglio.left(domanda);
    const QByteArray query = domanda < 0 ? QByteArray() : richiesta.Bersaglio.mid(domanda + 1);
    if (percorso == "/remote") {
        return Pagina(richiesta, query);
    }
    const bool dati = percorso == "/remote.json";
    if (richiesta.Metodo != (dati ? "GET" : "POST")) {
        RispostaHttp r = Testo(405, "Method Not Allowed");
        r.Intestazioni.emplaceBack("Allow", dati ? "GET" : "POST");
        return r;
    }
    const int esito = accesso_.Valuta(richiesta.Indirizzo, Credenziali(richiesta), orologio_.elapsed());
    if (esito != 200) {
        return Testo(esito, TestoStato(esito));
    }
    if (dati) {
        return Json(200, console_.DatiRemoto());
    }
    return Controllo(richiesta, percorso.mid(9));
}

// A browser attaches the cookie to any request to this host, a hostile page's included: it
// counts only when the browser says the request comes from our own page (Sec-Fetch-Site, or
// Origin), or when it carries our pages' own header, which no other page can send here
// without a preflight we never allow. A deck or a script uses the Bearer header.
Accesso::Credenziali Telecomando::Credenziali(const RichiestaHttp& richiesta) const {
    Accesso::Credenziali c = accesso_.Leggi(richiesta.Autorizzazione, richiesta.Cookie);
    const bool nostra = richiesta.SitoFetch == "same-origin" || richiesta.DallaPagina ||
                        (!richiesta.Origine.isEmpty() && richiesta.Origine == "http://" + richiesta.Host);
    const bool estranea = (!richiesta.SitoFetch.isEmpty() && richiesta.SitoFetch != "same-origin") ||
                          (!richiesta.Origine.isEmpty() && richiesta.Origine != "http://" + richiesta.Host);
    if (!nostra || estranea) {
        c.dispositivo.clear();
    }
    return c;
}

RispostaHttp Telecomando::Controllo(const RichiestaHttp& richiesta, const QByteArray& percorso) {
    const ComandoLetto letto = LeggiComando(percorso);
    if (letto.rifiuto != 0) {
        return Testo(letto.rifiuto, letto.rifiuto == 400 ? "Bad code" : "Unknown action");
    }
    const Comando& comando = letto.comando;
    if (!coda_.empty() || console_.Occupata()) {
        if (static_cast<int>(coda_.size()) >= MassimoInCoda) {
            return Testo(503, TestoStato(503));
        }
        coda_.emplace_back(richiesta.Id, comando);
        attesa_.start();
        RispostaHttp r;
        r.Differita = true;
        return r;
    }
    return DopoLaCopia(richiesta.Id, Esegui(comando));
}

// The phone or deck that got 200 can trust the point is on disk: a crash right after the
// answer loses nothing it was told.
RispostaHttp Telecomando::DopoLaCopia(quint64 id, RispostaHttp risposta) {
    if (risposta.Stato != 200 || !console_.CopieConsegnate) {
        return risposta;
    }
    const qint64 consegna = console_.CopieConsegnate();
    // Behind an answer still waiting, this one waits too: answers leave in order.
    if (attesaCopia_.empty() && console_.CopieScritte() >= consegna) {
        risposta.Corpo.insert(1, "\"saved\":true,");
        return risposta;
    }
    attesaCopia_.push_back({id, consegna, orologio_.elapsed() + AttesaCopiaMs, std::move(risposta)});
    scadenze_.start();
    RispostaHttp differita;
    differita.Differita = true;
    return differita;
}

void Telecomando::Concludi(quint64 id, const RispostaHttp& risposta) {
    const RispostaHttp r = DopoLaCopia(id, risposta);
    if (!r.Differita) {
        server_.Completa(id, r);
    }
}

void Telecomando::CopiaAvanzata() {
    const qint64 scritte = console_.CopieScritte ? console_.CopieScritte() : 0;
    Rilascia([scritte](const AttesaCopia& a) { return a.consegna <= scritte; }, true);
}

void Telecomando::ScadenzeCopia() {
    CopiaAvanzata();
    const qint64 adesso = orologio_.elapsed();
    Rilascia([this, adesso](const AttesaCopia& a) { return a.scadenza <= adesso || AttesaCopiaMs <= 0; }, false);
}

// Answers go out in the order they came: the first that may not go yet holds the rest.
void Telecomando::Rilascia(const std::function<bool(const AttesaCopia&)>& pronta, bool salvata) {
    while (!attesaCopia_.empty() && pronta(attesaCopia_.front())) {
        AttesaCopia a = std::move(attesaCopia_.front());
        attesaCopia_.pop_front();
        a.risposta.Corpo.insert(1, salvata ? "\"saved\":true," : "\"saved\":false,");
        server_.Completa(a.id, a.risposta);
    }
    if (attesaCopia_.empty()) {
        scadenze_.stop();
    }
}

RispostaHttp Telecomando::Esegui(const Comando& comando) {
    const std::optional<QString> rifiuto = console_.Esegui(comando);
    if (rifiuto) {
        return Json(409, QByteArray("{\"refused\":") + '"' +
                             rifiuto->toUtf8().replace('\\', "\\\\").replace('"', "\\\"") +
                             "\"}");
    }
    return Json(200, console_.Stato());
}

void Telecomando::Riprova() {
    while (!coda_.empty() && !console_.Occupata()) {
        const auto [id, comando] = coda_.front();
        coda_.pop_front();
        // A phone that gave up (its page closed, its taps repeated) must not score late.
        if (server_.Presente(id)) {
            Concludi(id, Esegui(comando));
        }
    }
    if (coda_.empty()) {
        attesa_.stop();
    }
}

// The QR code carries a one-time pairing code: the phone trades it for a device secret of its
// own, kept in a cookie named for this port, so the address bar and the history keep only a
// spent code.
RispostaHttp Telecomando::Pagina(const RichiestaHttp& richiesta, const QByteArray& query) {
    if (richiesta.Metodo != "GET" && richiesta.Metodo != "HEAD") {
        RispostaHttp r = Testo(405, "Method Not Allowed");
        r.Intestazioni.emplaceBack("Allow", "GET, HEAD");
        return r;
    }
    const QByteArray codice =
        QUrlQuery(QString::fromLatin1(query)).queryItemValue(QStringLiteral("pair")).toLatin1();
    int esito = 401;
    if (!codice.isEmpty()) {
        const QByteArray segreto =
            accesso_.Associa(codice, richiesta.Indirizzo, richiesta.Agente, orologio_.elapsed());
        if (!segreto.isEmpty()) {
            RispostaHttp r = Testo(303, "See Other");
            r.Intestazioni.emplaceBack("Location", "/remote");
            r.Intestazioni.emplaceBack("Set-Cookie", accesso_.NomeCookie() + '=' + segreto +
                                                         "; Path=/; Max-Age=31536000; HttpOnly; SameSite=Strict");
            return r;
        }
    } else {
        // The page itself holds no secret: opening it is a navigation, with no Origin to check.
        esito = accesso_.Valuta(richiesta.Indirizzo, accesso_.Leggi({}, richiesta.Cookie), orologio_.elapsed());
    }
    if (esito != 200) {
        QFile file(QStringLiteral(":/live/remote_chiuso.html"));
        RispostaHttp r = Testo(esito, TestoStato(esito));
        if (file.open(QIODevice::ReadOnly)) {
            r.Tipo = "text/html; charset=utf-8";
            r.Corpo = file.readAll();
        }
        return r;
    }
    QFile file(QStringLiteral(":/live/remote.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        return Testo(404, "Not found");
    }
    RispostaHttp r;
    r.Tipo = "text/html; charset=utf-8";
    r.Corpo = file.readAll();
    r.Intestazioni.emplaceBack("Cache-Control", "no-store");
    return r;
}
