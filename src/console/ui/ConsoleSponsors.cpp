// The sponsor pictures of the display's band, managed from the console.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "sponsor/ui/SponsorManager.h"

void ConsoleWindow::openSponsorManager() {
    SponsorManager handling({common_, platform_, *display_, [this] { displayNormal(); }});
    platform_.modal.Show(handling);
}
