// The console's commands for the presentation and the sounds window.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "sound/ui/SoundsWindow.h"

void ConsoleWindow::togglePresentation() {
    if (display_->presentationTimer.isActive()) {
        Light(true, common_.Translate(QStringLiteral("Statistiche SET: ")) +
                        QString::number(match_.CurrentSet));
    }
    display_->StartOrStopPresentation();
    match_.Display.Scorer = {false, false};
    Update();
}

void ConsoleWindow::openSoundsWindow() {
    SoundsWindow window(common_, player_, platform_, CheerTimer);
    window.load();
    platform_.modal.Show(window);
}
