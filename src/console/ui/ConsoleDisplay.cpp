// The display adapted to the hall: full screen, zoom, the magnified centre, swapped panels.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/SegueSchermo.h"
#include "platform/Dialoghi.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "sponsor/ui/SponsorManager.h"

#include <QScreen>

// A real full screen, without frame or title bar, on the screen where the display lies.
void ConsoleWindow::putDisplayFullScreen() {
    display_->showFullScreen();
    display_->SalvaPosizione();
    segui_->Ricorda();
}

void ConsoleWindow::TabelloneEsc() {
    if (display_->isFullScreen() && display_->screen() == screen()) {
        segui_->Lascia();
        const QRect area = display_->screen()->availableGeometry();
        display_->showNormal();
        display_->resize(area.size() * 2 / 3);
        display_->move(area.topLeft() + QPoint(area.width() / 6, area.height() / 6));
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void ConsoleWindow::saveDisplayPosition() {
    display_->SalvaPosizione();
}

void ConsoleWindow::Zoom(bool piu) {
    if (display_->ZoomAlLimite(piu)) {
        piattaforma_.dialoghi.Beep();
        return;
    }
    if (modulo_.VersoTabellone != 1) {
        piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(QStringLiteral(
                "Attenzione il tabellone viene ripristinato nella posizione con Locali a sinistra "
                "e Ospiti a destra. Dopo il settaggio dello zoom sarà di nuovo possibile invertire "
                "i pannelli")),
            Pulsanti::Ok);
        sidesSwappedMark->setChecked(false);
        modulo_.VersoTabellone = 1;
        // Without the band the panels stay where the swap put them.
        if (modulo_.BarraSponsor != 0) {
            Zooma(true);
        }
    }
    display_->PassoZoom(piu);
}

void ConsoleWindow::zoomIn() {
    Zoom(true);
}

void ConsoleWindow::zoomOut() {
    Zoom(false);
}

void ConsoleWindow::Zooma(bool cosa) {
    display_->zooma(cosa);
    zoomAllButton->setText(cosa ? QStringLiteral("Zoom All +") : QStringLiteral("Zoom All -"));
}

void ConsoleWindow::toggleZoomAll() {
    Zooma(ingrandito_);
    ingrandito_ = !ingrandito_;
    // Back to normal without the band: its layout again, which also hides the slots.
    if (!ingrandito_) {
        display_->LayoutSenzaSponsor();
    }
}

void ConsoleWindow::swapDisplaySides() {
    if (piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(QStringLiteral(
                "Attenzione se procedi i punteggi del tabellone verranno invertiti (destra vs "
                "sinistra e viceversa), nella console del computer però i locali sono sempre a "
                "sinistra e gli ospiti sono sempre a destra. Vuoi invertire il tabellone?")),
            Pulsanti::SiNo) == Risposta::No) {
        return;
    }
    sidesSwappedMark->setChecked(!sidesSwappedMark->isChecked());
    modulo_.VersoTabellone = -modulo_.VersoTabellone;
    display_->GiraTabellone();
}

void ConsoleWindow::RipristinaVerso() {
    if (modulo_.VersoTabellone == -1) {
        swapDisplaySides();
    }
}

void ConsoleWindow::TabelloneNormale() {
    modulo_.VersoTabellone = 1;
    sidesSwappedMark->setChecked(false);
    Zooma(true);
}

void ConsoleWindow::openSponsorManager() {
    SponsorManager gestione({modulo_, piattaforma_, *display_, [this] { TabelloneNormale(); }});
    piattaforma_.modali.Mostra(gestione);
}
