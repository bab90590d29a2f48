// The help pages, the about box and the update notice.
#include "console/ui/AboutBox.h"
#include "console/ui/ConsoleWindow.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shared/Help.h"
#include "shared/Product.h"

void ConsoleWindow::openHelp() {
    OpenHelp(common_, platform_.shell, "readme");
}

void ConsoleWindow::openTeamHelp() {
    OpenHelp(common_, platform_.shell, "readmeTEAM");
}

void ConsoleWindow::openSponsorHelp() {
    OpenHelp(common_, platform_.shell, "readmeSPONS");
}

void ConsoleWindow::openAboutBox() {
    AboutBox info(common_, platform_.shell);
    info.load();
    platform_.modal.Show(info);
}

void ConsoleWindow::checkForUpdates() {
    const UpdateNotice notice =
        DecideUpdateNotice(UpdateAddress(), ProgramVersion(), common_.Languages);
    platform_.dialogs.Message(notice.Text, Buttons::Ok);
    if (!notice.Address.isEmpty()) {
        platform_.shell.Open(notice.Address);
    }
}
