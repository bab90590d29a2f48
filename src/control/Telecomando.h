#pragma once

#include "control/Accesso.h"
#include "control/Comandi.h"
#include "platform/Http.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

class ServerLive;

// The remote control on the live server: POST /control/<action> for button decks and the
// phone page at /remote. Each request passes `Accesso`, then runs through the console's own
// handler; while the console shows a modal question it waits its turn, in order.
class Telecomando : public QObject {
    Q_OBJECT
public:
    struct Console {
        // Runs the command as the console's button would; a refusal's text, or nothing.
        std::function<std::optional<QString>(const Comando&)> Esegui;
        // True while a modal window is open on the console.
        std::function<bool()> Occupata;
        std::function<QByteArray()> Stato;       // /state.json after the action
        std::function<QByteArray()> DatiRemoto;  // rosters, point types, the last action
        // The emergency copy's hand-overs so far, and the last one on disk.
        std::function<qint64()> CopieConsegnate;
        std::function<qint64()> CopieScritte;
    };
    // How long a done action's answer waits for the emergency copy to hold it; after that it
    // goes out with "saved": false.
    int AttesaCopiaMs = 2000;
    Telecomando(ServerLive& server, Console console);

    Accesso& Sicurezza() { return accesso_; }
    static bool SuoPercorso(const QByteArray& bersaglio);
    RispostaHttp Rispondi(const RichiestaHttp& richiesta);
    // Runs the requests that waited, when the console is free.
    void Riprova();
    // The emergency copy moved on: the answers it now holds go out.
    void CopiaAvanzata();
    // Answers that waited past `AttesaCopiaMs` go out, marked as not yet saved.
    void ScadenzeCopia();
    int InAttesa() const { return static_cast<int>(coda_.size()); }
    // Requests that wait for a question on the console at most; more get 503.
    static constexpr int MassimoInCoda = 16;
    // The steady clock the secrets' times are on.
    qint64 Adesso() const { return orologio_.elapsed(); }

private:
    RispostaHttp Controllo(const RichiestaHttp& richiesta, const QByteArray& percorso);
    RispostaHttp Pagina(const RichiestaHttp& richiesta, const QByteArray& query);
    RispostaHttp Esegui(const Comando& comando);
    // The secrets a request carries; the device cookie only when our own page sent it.
    Accesso::Credenziali Credenziali(const RichiestaHttp& richiesta) const;
    // A done action is answered once the copy on disk holds it; `Differita` until then.
    RispostaHttp DopoLaCopia(quint64 id, RispostaHttp risposta);
    void Concludi(quint64 id, const RispostaHttp& risposta);

    ServerLive& server_;
    Console console_;
    Accesso accesso_;
    QElapsedTimer orologio_;
    std::deque<std::pair<quint64, Comando>> coda_;
    QTimer attesa_;
    struct AttesaCopia {
        quint64 id;
        qint64 consegna;
        qint64 scadenza;
        RispostaHttp risposta;
    };
    std::deque<AttesaCopia> attesaCopia_;
    void Rilascia(const std::function<bool(const AttesaCopia&)>& pronta, bool salvata);
    QTimer scadenze_;
};
