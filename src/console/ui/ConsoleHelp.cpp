// The help pages, the about box, the update notice and the team editor.
#include "console/ui/ConsoleWindow.h"
#include "console/ui/AboutBox.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shared/Help.h"
#include "shared/Product.h"
#include "teams/ui/TeamEditor.h"

void ConsoleWindow::openHelp() {
    OpenHelp(modulo_, platform_.shell, "readme");
}

void ConsoleWindow::openTeamHelp() {
    OpenHelp(modulo_, platform_.shell, "readmeTEAM");
}

void ConsoleWindow::openSponsorHelp() {
    OpenHelp(modulo_, platform_.shell, "readmeSPONS");
}

void ConsoleWindow::openAboutBox() {
    AboutBox info(modulo_, platform_.shell);
    info.Form_Load();
    platform_.modal.Show(info);
}

void ConsoleWindow::checkForUpdates() {
    platform_.dialogs.Message(modulo_.Translate(UpdateText(ProgramVersion())),
                                    Buttons::Ok);
    platform_.shell.Open(ProductPage());
}

void ConsoleWindow::openTeamEditor() {
    TeamEditor editor(modulo_, platform_, player_);
    editor.Form_Load();
    platform_.modal.Show(editor);
    // Team folders created or renamed in the editor reach the team lists.
    Form_Load();
    activateWindow();
}
