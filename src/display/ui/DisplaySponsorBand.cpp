// The sponsor band: header logo, five slots, rotation, and the layout without the band.
#include "display/LayoutSenzaSponsor.h"
#include "display/ui/DisplayWindow.h"
#include "shared/Modulo1.h"

#include <QFileInfo>

int DisplayWindow::LarghezzaSlot() const {
    return static_cast<int>(Larghezza() / 5.2);
}

void DisplayWindow::MostraSponsor(int k, const QString& file, const QImage& immagine) {
    QLabel* slot = sponsorSlots[k];
    schermo_.Sponsor[k] = file;
    schermo_.UltimoSlot = k;
    emit Cambiato();
    if (immagine.isNull()) {
        return;
    }
    const int larghezza = LarghezzaSlot();
    slot->resize(larghezza, larghezza * immagine.height() / immagine.width());
    slot->setPixmap(QPixmap::fromImage(immagine));
}

bool DisplayWindow::MostraLogoTestata(const QString& percorso) {
    if (percorso.isEmpty()) {
        return false;
    }
    const int larghezza = static_cast<int>(Larghezza() / 3.7);
    const QImage logo = sponsor_.Immagine(percorso, larghezza);
    if (logo.isNull()) {
        return false;
    }
    headerLogo->resize(larghezza, larghezza * logo.height() / logo.width());
    headerLogo->setPixmap(QPixmap::fromImage(logo));
    return true;
}

void DisplayWindow::ImpostaBanda() {
    sponsor_.Svuota();
    attesiSlot_ = {};
    const ElencoSponsor elenco = ElencaSponsor(modulo_.CartellaDati);
    if (elenco.Vuota) {
        modulo_.BarraSponsor = 0;
        return;
    }
    MostraLogoTestata(elenco.Logo);
    const int ultimo = AvviaBanda(banda_, elenco.File);
    if (modulo_.BarraSponsor == 0) {
        return;
    }
    // The pictures arrive as they are decoded; a slot keeps what it showed until then.
    for (int k = 0; k <= ultimo; ++k) {
        attesiSlot_[k] = banda_.FileSponsor[k];
        sponsor_.Prepara(attesiSlot_[k], LarghezzaSlot());
    }
    if (const auto passo = ProssimoPasso(banda_, modulo_.BarraSponsor)) {
        sponsor_.Prepara(banda_.FileSponsor[passo->Indice], LarghezzaSlot());
    }
}

void DisplayWindow::MostraBanda() {
    sponsorTimer.start();
    for (QLabel* slot : sponsorSlots) {
        slot->show();
    }
}

void DisplayWindow::sponsorTick() {
    const auto passo = ProssimoPasso(banda_, modulo_.BarraSponsor);
    if (!passo) {
        return;
    }
    const QString& file = banda_.FileSponsor[passo->Indice];
    const QImage immagine =
        QFileInfo::exists(file) ? sponsor_.Immagine(file, LarghezzaSlot()) : QImage();
    if (immagine.isNull()) {
        sponsorTimer.stop();
        return;
    }
    attesiSlot_[passo->Slot].clear();
    MostraSponsor(passo->Slot, file, immagine);
    AvanzaBanda(banda_);
    if (const auto prossimo = ProssimoPasso(banda_, modulo_.BarraSponsor)) {
        sponsor_.Prepara(banda_.FileSponsor[prossimo->Indice], LarghezzaSlot());
    }
}

void DisplayWindow::LayoutSenzaSponsor() {
    if (modulo_.BarraSponsor != 0) {
        return;
    }
    sponsorTimer.stop();
    for (QLabel* slot : sponsorSlots) {
        slot->hide();
    }
    ControlliSenzaSponsor c;
    for (int k = 0; k < 2; ++k) {
        c.LabScore[k] = LeggiControllo(LabScore[k], true);
        c.teamLogos[k] = LeggiControllo(teamLogos[k], false);
        c.setsWonLabels[k] = LeggiControllo(setsWonLabels[k], true);
        c.timeoutLabels[k] = LeggiControllo(timeoutLabels[k], true);
        c.scoreFrames[k] = LeggiControllo(scoreFrames[k], false);
    }
    for (int k = 0; k < 4; ++k) {
        c.sideIcons[k] = LeggiControllo(sideIcons[k], false);
    }
    c.homeNameLabel = LeggiControllo(homeNameLabel, true);
    c.guestsNameLabel = LeggiControllo(guestsNameLabel, true);
    ::LayoutSenzaSponsor(c, PixelInTwips(Larghezza()), PixelInTwips(Altezza()));
    for (int k = 0; k < 2; ++k) {
        ApplicaControllo(LabScore[k], c.LabScore[k], true);
        ApplicaControllo(setsWonLabels[k], c.setsWonLabels[k], true);
        ApplicaControllo(timeoutLabels[k], c.timeoutLabels[k], true);
        ApplicaControllo(scoreFrames[k], c.scoreFrames[k], false);
    }
    for (int k = 0; k < 4; ++k) {
        ApplicaControllo(sideIcons[k], c.sideIcons[k], false);
    }
    ApplicaControllo(homeNameLabel, c.homeNameLabel, true);
    ApplicaControllo(guestsNameLabel, c.guestsNameLabel, true);
    DopoLayout();
}
