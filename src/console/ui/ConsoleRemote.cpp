// The console driven from the network: the remote's requests run the console's own handlers.
#include "console/ui/ConsoleWindow.h"
#include "console/Avvio.h"
#include "control/DatiRemoto.h"
#include "control/Telecomando.h"
#include "control/ui/RemoteWindow.h"
#include "control/ui/KeysWindow.h"
#include "live/Diffusione.h"
#include "match/Ritorno.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "shared/ScrittoreFile.h"

void ConsoleWindow::AvviaTelecomando() {
    telecomando_ = std::make_unique<Telecomando>(
        piattaforma_.live,
        Telecomando::Console{
            [this](const Comando& c) { return EseguiRemoto(c); },
            [this] { return piattaforma_.modali.Aperta() || clickInCorso_; },
            [this] { return live_->StatoJson(); },
            [this] {
                VistaRemoto v;
                for (int lato = 0; lato < 2; ++lato) {
                    v.Nomi[lato] = partita_.Tabellone.Nome[lato]; // as the scoreboard names the side
                    for (int riga = 0; riga < rosterLists[lato]->count(); ++riga) {
                        v.Righe[lato].append(rosterLists[lato]->item(riga)->text());
                    }
                    v.Codici[lato] = codeBoxes[lato]->text();
                }
                for (int i = 0; i < 5; ++i) {
                    v.Tipi[i] = pointTypeButtons[i]->text();
                }
                v.Tipo = TipoPuntoSottolineato();
                v.UltimaRiga = partita_.Storico.isEmpty() ? QString() : partita_.Storico.last();
                // Undo goes back to its line: what it takes back is the change after it.
                if (const auto riga = RigaUndo(partita_); riga && *riga + 1 < partita_.Storico.size()) {
                    v.Annulla = DescriviRiga(partita_.Storico[*riga + 1], partita_.Tabellone.Nome, modulo_.Lingue);
                }
                v.Undo = undoButton->isEnabled();
                v.Testi = TestiRemoto(modulo_.Lingue);
                return DatiRemotoJson(v);
            },
            [this] { return copia_->Consegnate(); }, [this] { return copia_->Scritte(); }});
    connect(copia_.get(), &ScrittoreFile::Scritta, telecomando_.get(), &Telecomando::CopiaAvanzata);
    live_->ImpostaControllo(&Telecomando::SuoPercorso,
                            [this](const RichiestaHttp& r) { return telecomando_->Rispondi(r); });
}

std::optional<QString> ConsoleWindow::EseguiRemoto(const Comando& comando) {
    remotoInCorso_ = true;
    std::optional<QString> rifiuto;
    if (comando.lato >= 0) {
        ScegliCodice(comando.lato, comando.codice);
        live_->Cambiata();
    } else {
        const Azione a = comando.azione;
        if (a == Azione::Undo) {
            if (undoButton->isEnabled()) {
                undoLastLine(false);
            } else {
                rifiuto = modulo_.Traduci(QStringLiteral("Non disponibile"));
            }
        } else if (a == Azione::TimeoutCasa || a == Azione::TimeoutOspiti) {
            // The phone asked its own question: the console asks nothing.
            rifiuto = timeoutIcons[a == Azione::TimeoutCasa ? 0 : 1]->isEnabled()
                          ? Timeout(a == Azione::TimeoutCasa ? 0 : 1)
                          : modulo_.Traduci(QStringLiteral("Non disponibile"));
        } else if (!EseguiAzione(a)) {
            rifiuto = modulo_.Traduci(QStringLiteral("Non disponibile"));
        }
    }
    remotoInCorso_ = false;
    return rifiuto;
}

void ConsoleWindow::openKeysWindow() {
    KeysWindow finestra(modulo_, piattaforma_.dialoghi, tasti_);
    piattaforma_.modali.Mostra(finestra);
    if (finestra.result() == QDialog::Accepted) {
        ImpostaTasti(finestra.Mappa());
    }
}

void ConsoleWindow::openRemoteWindow() {
    RemoteWindow finestra(modulo_, piattaforma_.impostazioni, *telecomando_,
                        live_->Porta(), LeggiLive(piattaforma_.impostazioni).Lan);
    piattaforma_.modali.Mostra(finestra);
}
