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
        azione(c.Image1[k], d.Image1[k]);
        azione(c.Shape1[k], d.Shape1[k]);
        azione(c.Label3[k], d.Label3[k]);
        azione(c.Label6[k], d.Label6[k]);
    }
    for (int k = 0; k < 4; ++k) {
        azione(c.Image8[k], d.Image8[k]);
    }
    azione(c.Label1, d.Label1);
    azione(c.Label2, d.Label2);
    azione(c.Label4, d.Label4);
    azione(c.Image4, d.Image4);
}

template <typename Azione, typename C>
void PerGiro(C& c, DisplayWindow& d, Azione azione) {
    for (int k = 0; k < 2; ++k) {
        azione(c.LabScore[k], d.LabScore[k]);
        azione(c.Shape1[k], d.Shape1[k]);
        azione(c.Label3[k], d.Label3[k]);
        azione(c.Label6[k], d.Label6[k]);
        azione(c.Image1[k], d.Image1[k]);
        azione(c.Label10[k], d.Label10[k]);
        azione(c.Label9[k], d.Label9[k]);
        azione(c.Image5[k], d.Image5[k]);
    }
    azione(c.Label1, d.Label1);
    azione(c.Label2, d.Label2);
    for (int i = 0; i < 4; ++i) {
        azione(c.Label11[i], d.Label11[i]);
        azione(c.Label12[i], d.Label12[i]);
        azione(c.Label13[i], d.Label13[i]);
        azione(c.Label14[i], d.Label14[i]);
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
        Shape1[k]->setGeometry(LabScore[k]->x(), LabScore[k]->y(), Shape1[k]->width(),
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
