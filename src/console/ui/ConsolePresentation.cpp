// The line-ups' presentation on the display, started and stopped from the console.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"

void ConsoleWindow::togglePresentation() {
    if (display_->presentationRunning()) {
        showEventLight(true, common_.Translate(QStringLiteral("Statistiche SET: ")) +
                                 QString::number(match_.CurrentSet));
    }
    display_->startOrStopPresentation();
    match_.Display.Serving = {false, false};
    showMatch();
}
