#include "console/ui/ConsoleWindow.h"
#include "control/Telecomando.h"
#include "control/ui/KeysWindow.h"
#include "display/ui/DisplayWindow.h"
#include "doppi/Ambiente.h"
#include "live/Diffusione.h"
#include "doppi/Stampa.h"
#include "match/Ritorno.h"
#include "display/ui/CountdownWindow.h"
#include "doppi/ConsoleLive.h"
#include "platform/qt/ServerLiveQt.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum class Via { Click, Tasti, Remoto };

// A started console on two small teams; the live server is the double, whose handler the
// test calls as a network request would.
struct Banco {
    Banco() {
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Lupi/team.csv"),
                           "7;Rossi;Mario;2-Centrale;C\r\n9;Bianchi;Luca;1-Banda;C\r\n");
        Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Orsi/team.csv"),
                           "4;Neri;Paolo;3-Libero;C\r\n");
        console = std::make_unique<ConsoleWindow>(a.f.piattaforma);
        console->Form_Load();
        for (int lato = 0; lato < 2; ++lato) {
            const QString nome = lato == 0 ? QStringLiteral("Lupi") : QStringLiteral("Orsi");
            console->teamLists[lato]->setCurrentItem(
                console->teamLists[lato]->findItems(nome, Qt::MatchExactly).first());
            console->chooseTeam(lato);
        }
    }

    RispostaHttp Richiesta(const QByteArray& metodo, const QByteArray& bersaglio,
                           const QByteArray& autorizzazione, const QString& indirizzo) {
        RichiestaHttp r;
        r.Metodo = metodo;
        r.Bersaglio = bersaglio;
        r.Autorizzazione = autorizzazione;
        r.Indirizzo = indirizzo;
        r.Id = ++ultimoId;
        return a.f.live.Gestore(r);
    }
    // Sent, and its answer once it comes (a done action waits for the emergency copy).
    RispostaHttp Post(const QByteArray& azione) {
        const RispostaHttp r = Inviata(azione);
        return r.Differita ? Risposta(ultimoId) : r;
    }
    RispostaHttp Inviata(const QByteArray& azione) {
        return Richiesta("POST", "/control/" + azione,
                         "Bearer " + console->Remoto().Sicurezza().Segreto().toLatin1(),
                         QStringLiteral("127.0.0.1"));
    }
    // The deferred answer of request `id`: the copy is waited for without running the
    // console's timers, so every way of playing sees the same display.
    RispostaHttp Risposta(quint64 id) {
        const auto trovata = [&]() -> const RispostaHttp* {
            for (const auto& [quale, risposta] : a.f.live.completate) {
                if (quale == id) {
                    return &risposta;
                }
            }
            return nullptr;
        };
        if (trovata() == nullptr) {
            EXPECT_TRUE(console->AttendiCopia());
            console->Remoto().CopiaAvanzata();
        }
        EXPECT_NE(nullptr, trovata()) << "request " << id;
        return trovata() != nullptr ? *trovata() : RispostaHttp{};
    }
    void Riga(int lato, const QString& codice) {
        for (int r = 0; r < console->rosterLists[lato]->count(); ++r) {
            if (console->rosterLists[lato]->item(r)->text().trimmed().startsWith(codice)) {
                console->rosterLists[lato]->setCurrentRow(r);
                console->pickAthlete(lato);
                return;
            }
        }
        ADD_FAILURE() << "no row " << codice.toStdString();
    }
    QString TestoTimeout(int lato) const {
        return QStringLiteral("Confermi la richiesta 30 secondi di tempo per: ") +
               console->Match().NomeSquadra[lato] +
               QStringLiteral("\nSe vuoi annullare clicca su <Annulla> altrimenti conferma con <OK>");
    }
    QString DomandaUndo() const {
        return DomandaRitorno(console->Match(), *RigaUndo(console->Match()),
                              console->Modulo().Lingue);
    }
    // Everything the hall and the file see.
    QStringList Visto() const {
        QStringList visto = console->Match().Storico;
        for (const QLabel* l : console->Tabellone().findChildren<QLabel*>()) {
            if (l->isVisibleTo(&console->Tabellone())) {
                visto << l->objectName() + u'=' + l->text();
            }
        }
        EXPECT_TRUE(console->AttendiCopia());
        QFile copia(console->PercorsoEmergenza());
        EXPECT_TRUE(copia.open(QIODevice::ReadOnly));
        visto << QString::fromLatin1(copia.readAll());
        return visto;
    }

    Ambiente a;
    std::unique_ptr<ConsoleWindow> console;
    quint64 ultimoId = 0;
};

QStringList Gioca(Via via) {
    Banco b;
    ConsoleWindow& c = *b.console;
    auto passo = [&](auto click, auto tasti, auto remoto) {
        switch (via) {
        case Via::Click: click(); break;
        case Via::Tasti: tasti(); break;
        case Via::Remoto: remoto(); break;
        }
    };
    auto ok = [&](const QByteArray& azione) { EXPECT_EQ(200, b.Post(azione).Stato) << azione.constData(); };

    // An ace by the home side's 7.
    passo([&] { c.choosePointType(1); b.Riga(0, QStringLiteral("7")); c.changeScore(0); },
          [&] {
              QTest::keyClick(&c, Qt::Key_1, Qt::ControlModifier);
              QTest::keyClicks(&c, QStringLiteral("7"));
              EXPECT_EQ(QStringLiteral("7"), c.CodiceInAttesa());
              QTest::keyClick(&c, Qt::Key_F5);
          },
          [&] { ok("type/1"); ok("code/home/7"); ok("home/plus"); });
    // The guests score on the opponent's error, then with no code.
    passo([&] { b.Riga(1, QStringLiteral("E")); c.changeScore(3); c.changeScore(3); },
          [&] {
              QTest::keyClick(&c, Qt::Key_E, Qt::ControlModifier);
              QTest::keyClick(&c, Qt::Key_F8);
              QTest::keyClick(&c, Qt::Key_F8);
          },
          [&] { ok("code/guests/E"); ok("guests/plus"); ok("guests/plus"); });
    // Home's 9 typed in the box, scored with Return there; a point taken back; Undo.
    passo([&] {
              b.Riga(0, QStringLiteral("9"));
              c.changeScore(0);
              c.changeScore(2);
              b.a.f.dialoghi.Attendi(b.DomandaUndo(), Risposta::Si);
              c.undoLastLine();
          },
          [&] {
              QTest::keyClicks(c.codeBoxes[0], QStringLiteral("9"));
              QTest::keyClick(c.codeBoxes[0], Qt::Key_Return);
              QTest::keyClick(&c, Qt::Key_F7);
              b.a.f.dialoghi.Attendi(b.DomandaUndo(), Risposta::Si);
              QTest::keyClick(&c, Qt::Key_F9);
          },
          [&] { ok("code/home/9"); ok("home/plus"); ok("guests/minus"); ok("undo"); });
    // A timeout for the guests: the console asks for a click or a key, never for the phone.
    passo([&] {
              b.a.f.dialoghi.Attendi(b.TestoTimeout(1), Risposta::Ok);
              c.callTimeout(1);
          },
          [&] {
              b.a.f.dialoghi.Attendi(b.TestoTimeout(1), Risposta::Ok);
              QTest::keyClick(&c, Qt::Key_F11);
          },
          [&] { ok("timeout/guests"); });
    EXPECT_TRUE(c.Conteggio() != nullptr && c.Conteggio()->isVisible());
    return b.Visto();
}

TEST(TelecomandoScenario, ClicksKeysAndRemoteRequestsPlayTheSameRally) {
    const QStringList click = Gioca(Via::Click);
    ASSERT_GE(click.size(), 8);
    EXPECT_TRUE(click.join(u'\n').contains(QStringLiteral("H_7_1"))) << click.join(u'\n').toStdString();
    EXPECT_EQ(click, Gioca(Via::Tasti));
    EXPECT_EQ(click, Gioca(Via::Remoto));
}

TEST(TelecomandoScenario, RemoteSecurityRefusesAndLeavesTheMatchAlone) {
    Banco b;
    const QByteArray giusto = "Bearer " + b.console->Remoto().Sicurezza().Segreto().toLatin1();
    struct Caso {
        const char* metodo;
        const char* bersaglio;
        QByteArray autorizzazione;
        const char* indirizzo;
        int stato;
    };
    const Caso casi[] = {
        {"POST", "/control/home/plus", "", "127.0.0.1", 401},
        {"POST", "/control/home/plus", "Bearer 0123456789abcdef0123456789abcdef", "127.0.0.1", 401},
        {"POST", "/control/home/plus", giusto, "192.168.1.30", 403},
        {"GET", "/control/home/plus", giusto, "127.0.0.1", 405},
        {"POST", "/control/home/jump", giusto, "127.0.0.1", 404},
        {"POST", "/control/code/home/7x7x", giusto, "127.0.0.1", 400},
        {"POST", "/control/code/home/%3Cb%3E", giusto, "127.0.0.1", 400},
        {"POST", "/control/code/left/7", giusto, "127.0.0.1", 404},
        {"GET", "/remote.json", "", "127.0.0.1", 401},
        {"GET", "/remote", "", "127.0.0.1", 401},
    };
    const QStringList prima = b.console->Match().Storico;
    for (const Caso& c : casi) {
        EXPECT_EQ(c.stato, b.Richiesta(c.metodo, c.bersaglio, c.autorizzazione,
                                       QString::fromLatin1(c.indirizzo))
                               .Stato)
            << c.metodo << ' ' << c.bersaglio << ' ' << c.indirizzo;
    }
    EXPECT_EQ(prima, b.console->Match().Storico);
    EXPECT_EQ(0, b.console->Match().Punti[0]);
    EXPECT_TRUE(b.console->codeBoxes[0]->text().isEmpty());

    // Ten wrong secrets from one address shut its wrong guesses out; the right secret is
    // never refused, and another address has its own budget.
    b.console->AvviaLive(8765, true);
    const QString ladro = QStringLiteral("192.168.1.66");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(401, b.Richiesta("POST", "/control/home/plus", "Bearer x", ladro).Stato);
    }
    EXPECT_EQ(429, b.Richiesta("POST", "/control/home/plus", "Bearer x", ladro).Stato);
    EXPECT_EQ(0, b.console->Match().Punti[0]);
    EXPECT_EQ(200, b.Post("home/plus").Stato) << "the owner is never locked out";
    EXPECT_EQ(1, b.console->Match().Punti[0]);
}

// The QR code's one-time code becomes the phone's own cookie, named for the port; the cookie
// scores only from our own page, never from another origin's.
TEST(TelecomandoScenario, PairingTradesAOneTimeCodeForTheDevicesOwnCookie) {
    Banco b;
    Accesso& accesso = b.console->Remoto().Sicurezza();
    const QByteArray codice = accesso.NuovoCodice(b.console->Remoto().Adesso()).toLatin1();
    const RispostaHttp link = b.Richiesta("GET", "/remote?pair=" + codice, {}, "127.0.0.1");
    EXPECT_EQ(303, link.Stato);
    QByteArray cookie, attributi;
    for (const auto& [chiave, valore] : link.Intestazioni) {
        if (chiave == "Set-Cookie") {
            cookie = valore.left(valore.indexOf(';'));
            attributi = valore.mid(valore.indexOf(';'));
        }
    }
    ASSERT_TRUE(cookie.startsWith(accesso.NomeCookie() + '='));
    EXPECT_FALSE(cookie.contains(accesso.Segreto().toLatin1())) << "not the decks' secret";
    EXPECT_TRUE(attributi.contains("HttpOnly") && attributi.contains("SameSite=Strict"));
    EXPECT_EQ(401, b.Richiesta("GET", "/remote?pair=" + codice, {}, "127.0.0.1").Stato) << "spent";
    EXPECT_EQ(401, b.Richiesta("GET", "/remote?token=" + accesso.Segreto().toLatin1(), {}, "127.0.0.1").Stato)
        << "the secret itself is no link";

    const auto punto = [&](const QByteArray& origine, const QByteArray& sito, bool pagina) {
        RichiestaHttp r;
        r.Metodo = "POST";
        r.Bersaglio = "/control/guests/plus";
        r.Cookie = "tema=scuro; " + cookie;
        r.Host = "127.0.0.1:8765";
        r.Origine = origine;
        r.SitoFetch = sito;
        r.DallaPagina = pagina;
        r.Indirizzo = QStringLiteral("127.0.0.1");
        r.Id = ++b.ultimoId;
        RispostaHttp risposta = b.a.f.live.Gestore(r);
        return risposta.Differita ? b.Risposta(r.Id) : risposta;
    };
    struct Caso {
        QByteArray origine, sito;
        bool pagina;
        int stato;
    };
    for (const Caso& c : {Caso{"http://evil.example", "cross-site", false, 401},
                          Caso{"http://127.0.0.1:9000", "same-site", false, 401},
                          Caso{"", "", false, 401},
                          Caso{"http://evil.example", "", true, 401},
                          Caso{"", "same-origin", false, 200},
                          Caso{"http://127.0.0.1:8765", "", false, 200},
                          Caso{"", "", true, 200}}) {
        EXPECT_EQ(c.stato, punto(c.origine, c.sito, c.pagina).Stato)
            << c.origine.constData() << " " << c.sito.constData() << " " << c.pagina;
    }
    EXPECT_EQ(3, b.console->Match().Punti[1]) << "only our own page scored";

    RichiestaHttp r;
    r.Metodo = "GET";
    r.Bersaglio = "/remote";
    r.Cookie = cookie;
    r.Indirizzo = QStringLiteral("127.0.0.1");
    const RispostaHttp pagina = b.a.f.live.Gestore(r);
    EXPECT_EQ(200, pagina.Stato);
    EXPECT_TRUE(pagina.Corpo.contains("/control/")) << "the phone page itself";
    r.Bersaglio = "/remote.json";
    r.DallaPagina = true;
    const QJsonObject dati = QJsonDocument::fromJson(b.a.f.live.Gestore(r).Corpo).object();
    EXPECT_EQ(QStringLiteral("Neri"), dati.value("sides").toArray()[1].toObject()
                                          .value("roster").toArray()[1].toObject()
                                          .value("label").toString().section(u' ', 1, 1));
    EXPECT_TRUE(dati.value("last_line").toString().endsWith(QStringLiteral("G_N_0")));
    EXPECT_EQ(QStringLiteral("Punto Orsi, 0-3"), dati.value("undo_text").toString()) << "in words";
    EXPECT_EQ(QStringLiteral("Tempo"), dati.value("texts").toObject().value("timeout").toString())
        << "the page speaks the console's language";
}

TEST(TelecomandoScenario, ARequestDuringAQuestionWaitsItsTurnInOrder) {
    Banco b;
    b.a.f.modali.aperta = true;
    EXPECT_TRUE(b.Inviata("home/plus").Differita);
    EXPECT_TRUE(b.Inviata("guests/plus").Differita);
    EXPECT_EQ(0, b.console->Match().Punti[0]) << "nothing runs inside the question";
    b.console->Remoto().Riprova();
    EXPECT_TRUE(b.a.f.live.completate.isEmpty());
    b.a.f.modali.aperta = false;
    b.console->Remoto().Riprova();
    b.Risposta(2);
    ASSERT_EQ(2, b.a.f.live.completate.size());
    EXPECT_EQ(1u, b.a.f.live.completate[0].first);
    EXPECT_EQ(2u, b.a.f.live.completate[1].first);
    const QJsonObject ultimo =
        QJsonDocument::fromJson(b.a.f.live.completate[1].second.Corpo).object();
    EXPECT_EQ(1, ultimo.value("home").toObject().value("points").toInt());
    EXPECT_EQ(1, ultimo.value("guests").toObject().value("points").toInt());
}

// A phone or deck that got 200 can trust it: the emergency copy on disk already holds the
// change. A disk that does not answer within the bound gets 200 with "saved": false.
TEST(TelecomandoScenario, AnActionIsAnsweredOnceTheCopyOnDiskHoldsIt) {
    Banco b;
    ASSERT_TRUE(b.console->AttendiCopia());
    b.a.f.disco.ritardoMs = 200;
    EXPECT_TRUE(b.Inviata("home/plus").Differita) << "not before the copy is written";
    const RispostaHttp risposta = b.Risposta(b.ultimoId);
    QFile copia(b.console->PercorsoEmergenza());
    ASSERT_TRUE(copia.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copia.readAll().contains("(1) 1 -  0")) << "on disk when the answer left";
    EXPECT_EQ(200, risposta.Stato);
    EXPECT_TRUE(QJsonDocument::fromJson(risposta.Corpo).object().value("saved").toBool());

    b.a.f.disco.ritardoMs = 0;
    b.a.f.disco.guasto = true;
    b.a.f.dialoghi.Attendi(
        QStringLiteral("La copia di emergenza della partita non può essere scritta (disco pieno o "
                       "cartella temporanea non scrivibile). Puoi continuare: la copia riprende "
                       "appena possibile.\n\n") +
        QDir::toNativeSeparators(b.a.f.cartelle.temporanea) + QStringLiteral(": guasto simulato"));
    EXPECT_TRUE(b.Inviata("home/plus").Differita);
    b.console->Remoto().AttesaCopiaMs = 0;
    b.console->Remoto().ScadenzeCopia();
    const RispostaHttp nonSalvata = b.Risposta(b.ultimoId);
    EXPECT_EQ(200, nonSalvata.Stato) << "the point was scored";
    const QJsonObject stato = QJsonDocument::fromJson(nonSalvata.Corpo).object();
    EXPECT_FALSE(stato.value("saved").toBool(true));
    EXPECT_EQ(2, stato.value("home").toObject().value("points").toInt());
    EXPECT_TRUE(QTest::qWaitFor([&] { return b.a.f.dialoghi.Mostrati.size() == 1; }, 5000));
    b.a.f.disco.guasto = false;
    b.console->changeScore(3);
    EXPECT_TRUE(b.console->AttendiCopia());
}

TEST(TelecomandoScenario, OrdinaryKeysDoWhatAnOperatorExpects) {
    Banco b;
    ConsoleWindow& c = *b.console;
    // Tab: code box, its +1, the other code box, its +1.
    EXPECT_EQ(c.scoreButtons[0], c.codeBoxes[0]->nextInFocusChain());
    EXPECT_EQ(c.codeBoxes[1], c.scoreButtons[0]->nextInFocusChain());
    EXPECT_EQ(c.scoreButtons[3], c.codeBoxes[1]->nextInFocusChain());
    // Return on a focused button presses it, keypad Enter too.
    QTest::keyClick(c.scoreButtons[3], Qt::Key_Return);
    QTest::keyClick(c.scoreButtons[3], Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(2, c.Match().Punti[1]);
    // Return in a roster scores that athlete as a double-click does.
    c.rosterLists[0]->setCurrentRow(1);
    QTest::keyClick(c.rosterLists[0], Qt::Key_Return);
    EXPECT_EQ(1, c.Match().Punti[0]);
    EXPECT_TRUE(c.Match().Storico.last().endsWith(QStringLiteral("H_7_0")));
    // Typing in a code box is typing, even a key of the map's letters; Esc clears.
    QTest::keyClicks(c.codeBoxes[1], QStringLiteral("4"));
    EXPECT_EQ(QStringLiteral("4"), c.codeBoxes[1]->text());
    QTest::keyClick(&c, Qt::Key_Escape);
    EXPECT_TRUE(c.codeBoxes[1]->text().isEmpty());
    // A pending code shows in both boxes until a side takes it; Backspace mends it.
    QTest::keyClicks(&c, QStringLiteral("47"));
    QTest::keyClick(&c, Qt::Key_Backspace);
    EXPECT_EQ(QStringLiteral("4"), c.codeBoxes[0]->placeholderText());
    QTest::keyClick(&c, Qt::Key_F8);
    EXPECT_TRUE(c.Match().Storico.last().endsWith(QStringLiteral("G_4_0")));
    EXPECT_TRUE(c.codeBoxes[0]->placeholderText().isEmpty());
    // Typed in home's box, meant for the guests' key.
    c.codeBoxes[0]->setFocus();
    QTest::keyClicks(c.codeBoxes[0], QStringLiteral("4"));
    QTest::keyClick(c.codeBoxes[0], Qt::Key_F8);
    EXPECT_TRUE(c.Match().Storico.last().endsWith(QStringLiteral("G_4_0")));
    EXPECT_TRUE(c.codeBoxes[0]->text().isEmpty());
    // A remapped key does the action, its old key nothing.
    MappaTasti mappa = c.Tasti();
    ASSERT_EQ(std::nullopt, mappa.Assegna(Azione::CasaPiu, QStringLiteral("Num++")));
    c.ImpostaTasti(mappa);
    EXPECT_EQ(QStringLiteral("Num++"), b.a.f.impostazioni.valori.value(QStringLiteral("KeyHomePlus")));
    QTest::keyClick(&c, Qt::Key_F5);
    EXPECT_EQ(1, c.Match().Punti[0]);
    QTest::keyClick(&c, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(2, c.Match().Punti[0]);
}

TEST(TelecomandoScenario, ReturnInATeamListChoosesThatTeam) {
    Banco b;
    ConsoleWindow& c = *b.console;
    c.teamLists[1]->setCurrentItem(c.teamLists[1]->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
    QTest::keyClick(c.teamLists[1], Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("Lupi"), c.Match().NomeSquadra[1]);
}

TEST(TelecomandoScenario, TheKeysWindowRemapsRefusesADuplicateAndRestoresDefaults) {
    Banco b;
    ConsoleWindow& c = *b.console;
    b.a.f.modali.Attendi([&](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.Tabella->selectRow(static_cast<int>(Azione::Undo));
        f.changeKey();
        QTest::keyClick(f.Tabella, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Azione::Undo, f.Mappa().AzioneDi(QStringLiteral("Ctrl+Z")));
        f.Tabella->selectRow(static_cast<int>(Azione::Statistiche));
        f.changeKey();
        b.a.f.dialoghi.Attendi(
            QStringLiteral("Questo tasto è già usato per: Annulla l'ultimo punto segnato"));
        QTest::keyClick(f.Tabella, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(QStringLiteral("F2"), f.Mappa().Tasto(Azione::Statistiche));
        f.okButton->click();
    });
    c.openKeysWindow();
    EXPECT_EQ(QStringLiteral("Ctrl+Z"), c.Tasti().Tasto(Azione::Undo));
    EXPECT_EQ(QStringLiteral("Ctrl+Z"), b.a.f.impostazioni.valori.value(QStringLiteral("KeyUndo")));

    b.a.f.modali.Attendi([](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.defaultsButton->click();
        f.cancelButton->click();
    });
    c.openKeysWindow();
    EXPECT_EQ(QStringLiteral("Ctrl+Z"), c.Tasti().Tasto(Azione::Undo)) << "Annulla keeps the map";
    b.a.f.modali.Attendi([](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.defaultsButton->click();
        f.okButton->click();
    });
    c.openKeysWindow();
    EXPECT_EQ(MappaTasti(), c.Tasti());
}

// The same on the wire: a deck's request with its header, answered once the console is free.
TEST(TelecomandoRete, ADeckRequestOnLoopbackIsAnsweredAfterTheQuestion) {
    ConsoleLive banco;
    Ambiente& a = banco.a;
    ServerLiveQt& server = banco.server;
    ConsoleWindow& console = banco.console;
    a.f.impostazioni.valori[QStringLiteral("HubPort")] = QStringLiteral("0");
    console.Form_Load();
    ASSERT_TRUE(console.Live().Avvia(0, false));
    QNetworkAccessManager rete;
    const auto invia = [&](const QByteArray& azione, const QByteArray& segreto) {
        QNetworkRequest r(QUrl(QStringLiteral("http://127.0.0.1:%1/control/").arg(server.Porta()) +
                               QString::fromLatin1(azione)));
        r.setRawHeader("Authorization", "Bearer " + segreto);
        return rete.post(r, QByteArray());
    };
    const QByteArray segreto = console.Remoto().Sicurezza().Segreto().toLatin1();
    QNetworkReply* rifiutata = invia("home/plus", "sbagliato");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rifiutata->isFinished(); }, 5000));
    EXPECT_EQ(401, rifiutata->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());

    a.f.modali.aperta = true;
    QNetworkReply* attesa = invia("home/plus", segreto);
    ASSERT_TRUE(QTest::qWaitFor([&] { return console.Remoto().InAttesa() == 1; }, 5000));
    EXPECT_FALSE(attesa->isFinished());
    EXPECT_EQ(0, console.Match().Punti[0]);
    a.f.modali.aperta = false;
    console.Remoto().Riprova();
    ASSERT_TRUE(QTest::qWaitFor([&] { return attesa->isFinished(); }, 5000));
    EXPECT_EQ(200, attesa->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    EXPECT_EQ(1, QJsonDocument::fromJson(attesa->readAll())
                     .object().value("home").toObject().value("points").toInt());
    EXPECT_EQ(QStringLiteral("1"), console.LabScore[0]->text());
}
} // namespace
