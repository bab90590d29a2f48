// The help pages, the about box, the update notice and the team editor.
#include "console/ui/Form1.h"
#include "console/ui/frmAbout.h"
#include "platform/Dialoghi.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "platform/Shell.h"
#include "shared/Aiuto.h"
#include "shared/Prodotto.h"
#include "teams/ui/Form4.h"

void Form1::MenuH_Click() {
    ApriAiuto(modulo_, piattaforma_.shell, "readme");
}

void Form1::MenuHGS_Click() {
    ApriAiuto(modulo_, piattaforma_.shell, "readmeTEAM");
}

void Form1::MenuHGSPO_Click() {
    ApriAiuto(modulo_, piattaforma_.shell, "readmeSPONS");
}

void Form1::menuinfo_Click() {
    frmAbout informazioni(modulo_, piattaforma_.shell);
    informazioni.Form_Load();
    piattaforma_.modali.Mostra(informazioni);
}

void Form1::MenuAgg_Click() {
    piattaforma_.dialoghi.Messaggio(modulo_.Traduci(TestoAggiornamento(VersioneProgramma())),
                                    Pulsanti::Ok);
    piattaforma_.shell.Apri(PaginaProdotto());
}

void Form1::menugest_Click() {
    Form4 editor(modulo_, piattaforma_, lettore_);
    editor.Form_Load();
    piattaforma_.modali.Mostra(editor);
    // Team folders created or renamed in the editor reach the team lists.
    Form_Load();
    activateWindow();
}
