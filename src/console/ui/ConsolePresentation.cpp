// The console's commands for the presentation and the sounds window.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "sound/ui/SoundsWindow.h"

void ConsoleWindow::togglePresentation() {
    if (display_->presentationTimer.isActive()) {
        Semaforo(true, modulo_.Traduci(QStringLiteral("Statistiche SET: ")) +
                           QString::number(partita_.SetCorrente));
    }
    display_->AvviaOFermaPresentazione();
    partita_.Tabellone.Marcatore = {false, false};
    Aggiorna();
}

void ConsoleWindow::openSoundsWindow() {
    SoundsWindow finestra(modulo_, lettore_, piattaforma_, TimerEsultanza);
    finestra.Form_Load();
    piattaforma_.modali.Mostra(finestra);
}
