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
void ConsoleWindow::Command9_Click() {
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

void ConsoleWindow::MenuSIR_Click() {
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
        Option1->setChecked(false);
        modulo_.VersoTabellone = 1;
        // Without the band the panels stay where the swap put them.
        if (modulo_.BarraSponsor != 0) {
            Zooma(true);
        }
    }
    display_->PassoZoom(piu);
}

void ConsoleWindow::Command10_Click() {
    Zoom(true);
}

void ConsoleWindow::Command19_Click() {
    Zoom(false);
}

void ConsoleWindow::Zooma(bool cosa) {
    display_->zooma(cosa);
    Command18->setText(cosa ? QStringLiteral("Zoom All +") : QStringLiteral("Zoom All -"));
}

void ConsoleWindow::Command18_Click() {
    Zooma(ingrandito_);
    ingrandito_ = !ingrandito_;
    // Back to normal without the band: its layout again, which also hides the slots.
    if (!ingrandito_) {
        display_->LayoutSenzaSponsor();
    }
}

void ConsoleWindow::Command14_Click() {
    if (piattaforma_.dialoghi.Messaggio(
            modulo_.Traduci(QStringLiteral(
                "Attenzione se procedi i punteggi del tabellone verranno invertiti (destra vs "
                "sinistra e viceversa), nella console del computer però i locali sono sempre a "
                "sinistra e gli ospiti sono sempre a destra. Vuoi invertire il tabellone?")),
            Pulsanti::SiNo) == Risposta::No) {
        return;
    }
    Option1->setChecked(!Option1->isChecked());
    modulo_.VersoTabellone = -modulo_.VersoTabellone;
    display_->GiraTabellone();
}

void ConsoleWindow::RipristinaVerso() {
    if (modulo_.VersoTabellone == -1) {
        Command14_Click();
    }
}

void ConsoleWindow::TabelloneNormale() {
    modulo_.VersoTabellone = 1;
    Option1->setChecked(false);
    Zooma(true);
}

void ConsoleWindow::MenuSponsor_Click() {
    SponsorManager gestione({modulo_, piattaforma_, *display_, [this] { TabelloneNormale(); }});
    piattaforma_.modali.Mostra(gestione);
}
