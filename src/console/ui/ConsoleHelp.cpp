// The help pages, the about box, the update notice and the team editor.
#include "console/ui/ConsoleWindow.h"
#include "console/ui/AboutBox.h"
#include "platform/Dialoghi.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "platform/Shell.h"
#include "shared/Aiuto.h"
#include "shared/Prodotto.h"
#include "teams/ui/TeamEditor.h"

void ConsoleWindow::openHelp() {
    ApriAiuto(modulo_, piattaforma_.shell, "readme");
}

void ConsoleWindow::openTeamHelp() {
    ApriAiuto(modulo_, piattaforma_.shell, "readmeTEAM");
}

void ConsoleWindow::openSponsorHelp() {
    ApriAiuto(modulo_, piattaforma_.shell, "readmeSPONS");
}

void ConsoleWindow::openAboutBox() {
    AboutBox informazioni(modulo_, piattaforma_.shell);
    informazioni.Form_Load();
    piattaforma_.modali.Mostra(informazioni);
}

void ConsoleWindow::checkForUpdates() {
    piattaforma_.dialoghi.Messaggio(modulo_.Traduci(TestoAggiornamento(VersioneProgramma())),
                                    Pulsanti::Ok);
    piattaforma_.shell.Apri(PaginaProdotto());
}

void ConsoleWindow::openTeamEditor() {
    TeamEditor editor(modulo_, piattaforma_, lettore_);
    editor.Form_Load();
    piattaforma_.modali.Mostra(editor);
    // Team folders created or renamed in the editor reach the team lists.
    Form_Load();
    activateWindow();
}
