// The console's match commands: lock, undo and rollback, timeouts, new match and exit.
#include "console/ui/Form1.h"
#include "display/ui/Form2.h"
#include "match/Ritorno.h"
#include "match/Timeout.h"
#include "display/ui/Form3.h"
#include "platform/Dialoghi.h"
#include "platform/Piattaforma.h"
#include "options/ui/Form6.h"
#include "platform/FinestreModali.h"
#include "platform/Processo.h"
#include "shared/ScrittoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void Form1::Command3_Click() {
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

void Form1::List3_DblClick(bool chiedi) {
    partita_.RigaSelezionata = List3->currentRow();
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

void Form1::Command16_Click(bool chiedi) {
    const auto riga = RigaUndo(partita_);
    if (!riga) {
        return;
    }
    List3->setCurrentRow(*riga);
    partita_.DaUndo = -1;
    List3_DblClick(chiedi);
    partita_.DaUndo = 0;
    if (partita_.Storico.size() < 2) {
        partita_.UndoAttivo = false;
    }
    Aggiorna();
}

void Form1::Image1_DblClick(int Index) {
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

std::optional<QString> Form1::Timeout(int Index) {
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

void Form1::ApriConteggio(const QString& testo, bool cambioCampo) {
    // Opened again after a close, the window is loaded again at the display's left edge.
    if (!form3_ || !form3_->isVisible()) {
        form3_ = std::make_unique<Form3>(partita_, *form2_, TimerFrames);
    }
    form3_->Apri(testo, cambioCampo);
}

// Asks before throwing a running match away, then starts afresh; false when the operator keeps it.
bool Form1::AbbandonaPartita(const char* domanda) {
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

void Form1::menunew_Click() {
    AbbandonaPartita("Attenzione se interrompi adesso la partita perderai tutti i punteggio di "
                     "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                     "<Annulla> Per continuare questa partita.");
}

void Form1::Command13_Click() {
    RipristinaVerso();
    menunew_Click();
}

void Form1::Command15_Click() {
    if (!AbbandonaPartita("Attenzione se interrompi adesso la partita perderai tutti i punteggi di "
                     "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                     "<Annulla> Per continuare questa partita.")) {
        return;
    }
    Form6 opzioni({partita_, modulo_, piattaforma_, *form2_, TimerTabellone, lettore_,
                   TimerEsultanza, [this] {
                       List1_DblClick(0);
                       List1_DblClick(1);
                       Form_Load();
                       activateWindow();
                   },
                   [this] { MenuSponsor_Click(); }, [this] { menugest_Click(); }});
    opzioni.Form_Load();
    piattaforma_.modali.Mostra(opzioni);
}

void Form1::Command2_Click() {
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

void Form1::menuesci_Click() {
    Command2_Click();
}
