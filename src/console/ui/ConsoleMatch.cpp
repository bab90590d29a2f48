// The console's match commands: lock, undo and rollback, timeouts, new match and exit.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "match/Ritorno.h"
#include "match/Timeout.h"
#include "display/ui/CountdownWindow.h"
#include "platform/Dialoghi.h"
#include "platform/Piattaforma.h"
#include "options/ui/OptionsWindow.h"
#include "platform/FinestreModali.h"
#include "platform/Processo.h"
#include "shared/ScrittoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ConsoleWindow::toggleLock() {
    if (!partita_.Bloccata) {
        partita_.Bloccata = true;
        partita_.PresentazioneAttiva = false;
    } else {
        const QString domanda = modulo_.Traduci(
            QStringLiteral("Si vuole interrompere definitivamente la partita in corso?"));
        if (piattaforma_.dialoghi.Messaggio(domanda, Pulsanti::SiNo, Predefinito::Rinuncia) ==
            Risposta::No) {
            return;
        }
        ConservaPartita();
        PulisciPartita(partita_, modulo_.Lingue);
    }
    Aggiorna();
}

void ConsoleWindow::rollBackToSelectedLine(bool chiedi) {
    partita_.RigaSelezionata = historyList->currentRow();
    const auto destinazione = DestinazioneRitorno(partita_, partita_.RigaSelezionata);
    if (!destinazione) {
        return;
    }
    if (chiedi &&
        piattaforma_.dialoghi.Messaggio(DomandaRitorno(partita_, *destinazione, modulo_.Lingue),
                                        Pulsanti::SiNo) == Risposta::No) {
        return;
    }
    EseguiRitorno(partita_, *destinazione, modulo_.Lingue);
    SalvaEmergenza();
    Aggiorna();
}

void ConsoleWindow::undoLastLine(bool chiedi) {
    const auto riga = RigaUndo(partita_);
    if (!riga) {
        return;
    }
    historyList->setCurrentRow(*riga);
    partita_.DaUndo = -1;
    rollBackToSelectedLine(chiedi);
    partita_.DaUndo = 0;
    if (partita_.Storico.size() < 2) {
        partita_.UndoAttivo = false;
    }
    Aggiorna();
}

void ConsoleWindow::callTimeout(int Index) {
    auto& dialoghi = piattaforma_.dialoghi;
    if (partita_.Storico.isEmpty()) {
        dialoghi.Messaggio(modulo_.Traduci(QStringLiteral("La partita non è ancora iniziata")),
                           Pulsanti::Ok);
        return;
    }
    const QString domanda =
        modulo_.Traduci(QStringLiteral("Confermi la richiesta 30 secondi di tempo per: ")) +
        partita_.NomeSquadra[Index] + QStringLiteral("\n") +
        modulo_.Traduci(
            QStringLiteral("Se vuoi annullare clicca su <Annulla> altrimenti conferma con <OK>"));
    if (dialoghi.Messaggio(domanda, Pulsanti::OkAnnulla) == Risposta::Annulla) {
        return;
    }
    if (const auto rifiuto = Timeout(Index)) {
        dialoghi.Messaggio(*rifiuto, Pulsanti::Ok);
    }
}

std::optional<QString> ConsoleWindow::Timeout(int Index) {
    if (partita_.Storico.isEmpty()) {
        return modulo_.Traduci(QStringLiteral("La partita non è ancora iniziata"));
    }
    if (!ConcediTimeout(partita_, Index, OraAttuale(), modulo_.Lingue)) {
        return modulo_.Traduci(
                   QStringLiteral("Sessioni di pausa tempo finite in questo set per : ")) +
               ParolaLato(Index, modulo_.Lingue);
    }
    ApriConteggio(TestoTimeout(Index, partita_.TimeChiesti[Index], modulo_.Lingue), false);
    SalvaEmergenza();
    Aggiorna();
    return std::nullopt;
}

void ConsoleWindow::ApriConteggio(const QString& testo, bool cambioCampo) {
    // Opened again after a close, the window is loaded again at the display's left edge.
    if (!countdown_ || !countdown_->isVisible()) {
        countdown_ = std::make_unique<CountdownWindow>(partita_, *display_, TimerFrames);
    }
    countdown_->Apri(testo, cambioCampo);
}

// Asks before throwing a running match away, then starts afresh; false when the operator keeps it.
bool ConsoleWindow::AbbandonaPartita(const char* domanda) {
    if (!partita_.Storico.isEmpty() &&
        piattaforma_.dialoghi.Messaggio(modulo_.Traduci(QString::fromUtf8(domanda)),
                                        Pulsanti::OkAnnulla,
                                        Predefinito::Rinuncia) == Risposta::Annulla) {
        return false;
    }
    ConservaPartita();
    PulisciPartita(partita_, modulo_.Lingue);
    Aggiorna();
    return true;
}

void ConsoleWindow::newMatch() {
    AbbandonaPartita("Attenzione se interrompi adesso la partita perderai tutti i punteggio di "
                     "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                     "<Annulla> Per continuare questa partita.");
}

void ConsoleWindow::newMatchFromButton() {
    RipristinaVerso();
    newMatch();
}

void ConsoleWindow::openOptions() {
    if (!AbbandonaPartita("Attenzione se interrompi adesso la partita perderai tutti i punteggi di "
                     "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                     "<Annulla> Per continuare questa partita.")) {
        return;
    }
    OptionsWindow opzioni({partita_, modulo_, piattaforma_, *display_, TimerTabellone, lettore_,
                   TimerEsultanza, [this] {
                       chooseTeam(0);
                       chooseTeam(1);
                       Form_Load();
                       activateWindow();
                   },
                   [this] { openSponsorManager(); }, [this] { openTeamEditor(); }});
    opzioni.Form_Load();
    piattaforma_.modali.Mostra(opzioni);
}

void ConsoleWindow::exitProgram() {
    const QString domanda = modulo_.Traduci(QStringLiteral(
        "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più possibile "
        "riprendere da dove eri arrivato? <Annulla> se vuoi rimanere."));
    if (piattaforma_.dialoghi.Messaggio(domanda, Pulsanti::OkAnnulla, Predefinito::Rinuncia) ==
        Risposta::Annulla) {
        return;
    }
    copia_->Attendi(3000);
    for (const QString& cartella : luogoCopia_->foldersToSearch()) {
        QFile::remove(QDir(cartella).filePath(QFileInfo(PercorsoInUso()).fileName()));
    }
    piattaforma_.processo.Termina();
}

