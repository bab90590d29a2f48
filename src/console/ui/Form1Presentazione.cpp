// The console's commands for the presentation and the sounds window.
#include "console/ui/Form1.h"
#include "display/ui/Form2.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "sound/ui/Form8.h"

void Form1::Command8_Click() {
    if (form2_->TimerP.isActive()) {
        Semaforo(true, modulo_.Traduci(QStringLiteral("Statistiche SET: ")) +
                           QString::number(partita_.SetCorrente));
    }
    form2_->AvviaOFermaPresentazione();
    partita_.Tabellone.Marcatore = {false, false};
    Aggiorna();
}

void Form1::MenuSound_Click() {
    Form8 finestra(modulo_, lettore_, piattaforma_, TimerEsultanza);
    finestra.Form_Load();
    piattaforma_.modali.Mostra(finestra);
}
