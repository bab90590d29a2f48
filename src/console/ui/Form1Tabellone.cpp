// The display adapted to the hall: full screen, zoom, the magnified centre, swapped panels.
#include "console/ui/Form1.h"
#include "display/ui/Form2.h"
#include "display/ui/SegueSchermo.h"
#include "platform/Dialoghi.h"
#include "platform/FinestreModali.h"
#include "platform/Piattaforma.h"
#include "sponsor/ui/Form5.h"

#include <QScreen>

// A real full screen, without frame or title bar, on the screen where the display lies.
void Form1::Command9_Click() {
    form2_->showFullScreen();
    form2_->SalvaPosizione();
    segui_->Ricorda();
}

void Form1::TabelloneEsc() {
    if (form2_->isFullScreen() && form2_->screen() == screen()) {
        segui_->Lascia();
        const QRect area = form2_->screen()->availableGeometry();
        form2_->showNormal();
        form2_->resize(area.size() * 2 / 3);
        form2_->move(area.topLeft() + QPoint(area.width() / 6, area.height() / 6));
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void Form1::MenuSIR_Click() {
    form2_->SalvaPosizione();
}

void Form1::Zoom(bool piu) {
    if (form2_->ZoomAlLimite(piu)) {
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
    form2_->PassoZoom(piu);
}

void Form1::Command10_Click() {
    Zoom(true);
}

void Form1::Command19_Click() {
    Zoom(false);
}

void Form1::Zooma(bool cosa) {
    form2_->zooma(cosa);
    Command18->setText(cosa ? QStringLiteral("Zoom All +") : QStringLiteral("Zoom All -"));
}

void Form1::Command18_Click() {
    Zooma(ingrandito_);
    ingrandito_ = !ingrandito_;
    // Back to normal without the band: its layout again, which also hides the slots.
    if (!ingrandito_) {
        form2_->LayoutSenzaSponsor();
    }
}

void Form1::Command14_Click() {
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
    form2_->GiraTabellone();
}

void Form1::RipristinaVerso() {
    if (modulo_.VersoTabellone == -1) {
        Command14_Click();
    }
}

void Form1::TabelloneNormale() {
    modulo_.VersoTabellone = 1;
    Option1->setChecked(false);
    Zooma(true);
}

void Form1::MenuSponsor_Click() {
    Form5 gestione({modulo_, piattaforma_, *form2_, [this] { TabelloneNormale(); }});
    piattaforma_.modali.Mostra(gestione);
}
