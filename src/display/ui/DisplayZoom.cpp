// Zoom steps, the magnified centre and the swapped panels: all undone by the next resize.
#include "display/Zoom.h"
#include "display/ui/DisplayWindow.h"
#include "shared/Modulo1.h"

namespace {

// Reads (or writes back) a control in twips; pictures and frames have no font.
template <typename W>
void Leggi(GeometriaControllo& g, const W* w) {
    g = LeggiControllo(w, qobject_cast<const QLabel*>(w) != nullptr);
}
template <typename W>
void Scrivi(const GeometriaControllo& g, W* w) {
    ApplicaControllo(w, g, qobject_cast<const QLabel*>(w) != nullptr);
}

template <typename Azione, typename C>
void PerZoom(C& c, DisplayWindow& d, Azione azione) {
    for (int k = 0; k < 2; ++k) {
        azione(c.LabScore[k], d.LabScore[k]);
        azione(c.teamLogos[k], d.teamLogos[k]);
        azione(c.scoreFrames[k], d.scoreFrames[k]);
        azione(c.setsWonLabels[k], d.setsWonLabels[k]);
        azione(c.timeoutLabels[k], d.timeoutLabels[k]);
    }
    for (int k = 0; k < 4; ++k) {
        azione(c.sideIcons[k], d.sideIcons[k]);
    }
    azione(c.homeNameLabel, d.homeNameLabel);
    azione(c.guestsNameLabel, d.guestsNameLabel);
    azione(c.clockLabel, d.clockLabel);
    azione(c.headerLogo, d.headerLogo);
}

template <typename Azione, typename C>
void PerGiro(C& c, DisplayWindow& d, Azione azione) {
    for (int k = 0; k < 2; ++k) {
        azione(c.LabScore[k], d.LabScore[k]);
        azione(c.scoreFrames[k], d.scoreFrames[k]);
        azione(c.setsWonLabels[k], d.setsWonLabels[k]);
        azione(c.timeoutLabels[k], d.timeoutLabels[k]);
        azione(c.teamLogos[k], d.teamLogos[k]);
        azione(c.statisticsTeamNames[k], d.statisticsTeamNames[k]);
        azione(c.statisticsTotals[k], d.statisticsTotals[k]);
        azione(c.statisticsLogos[k], d.statisticsLogos[k]);
    }
    azione(c.homeNameLabel, d.homeNameLabel);
    azione(c.guestsNameLabel, d.guestsNameLabel);
    for (int i = 0; i < 4; ++i) {
        azione(c.statisticsHomePoints[i], d.statisticsHomePoints[i]);
        azione(c.statisticsHomeNames[i], d.statisticsHomeNames[i]);
        azione(c.statisticsGuestsPoints[i], d.statisticsGuestsPoints[i]);
        azione(c.statisticsGuestsNames[i], d.statisticsGuestsNames[i]);
    }
}

const auto Lettura = [](GeometriaControllo& g, const auto* w) { Leggi(g, w); };
const auto Scrittura = [](const GeometriaControllo& g, auto* w) { Scrivi(g, w); };

} // namespace

bool DisplayWindow::ZoomAlLimite(bool piu) {
    ControlliZoom c;
    PerZoom(c, *this, Lettura);
    return piu ? ZoomPiuAlLimite(c) : ZoomMenoAlLimite(c);
}

void DisplayWindow::PassoZoom(bool piu) {
    ControlliZoom c;
    PerZoom(c, *this, Lettura);
    const double W = PixelInTwips(Larghezza());
    const bool banda = modulo_.BarraSponsor != 0;
    if (piu) {
        ZoomPiu(c, W, banda);
    } else {
        ZoomMeno(c, W, banda);
    }
    PerZoom(c, *this, Scrittura);
    DopoLayout();
}

void DisplayWindow::zooma(bool cosa) {
    if (cosa) {
        Form_Resize();
        return;
    }
    if (isMinimized() || geometria_.empty()) {
        return;
    }
    const QSizeF finestra = InTwips(frameGeometry().size());
    for (size_t k = 0; k < controlli_.size() && k + 1 < geometria_.size(); ++k) {
        if (auto* w = qobject_cast<QWidget*>(controlli_[k].oggetto)) {
            ApplicaControllo(w, Ingrandisci(geometria_[k + 1], geometria_[0], finestra.width(),
                                            finestra.height()),
                             controlli_[k].haFont);
        }
    }
    for (int k = 0; k < 2; ++k) {
        scoreFrames[k]->setGeometry(LabScore[k]->x(), LabScore[k]->y(), scoreFrames[k]->width(),
                               LabScore[k]->height());
    }
    DopoLayout();
}

void DisplayWindow::GiraTabellone() {
    ControlliGiro c;
    PerGiro(c, *this, Lettura);
    ::GiraTabellone(c, PixelInTwips(Larghezza()), modulo_.BarraSponsor != 0);
    PerGiro(c, *this, Scrittura);
    DopoLayout();
}
