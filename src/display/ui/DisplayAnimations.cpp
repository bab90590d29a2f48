// The display's own timed behaviours: clock, panel slide, blink.
#include "display/ui/DisplayWindow.h"

#include "match/Partita.h"
#include "platform/Orologio.h"
#include "platform/Piattaforma.h"
#include "shared/Modulo1.h"
#include "shared/Tavolozza16.h"

namespace {
constexpr int MargineSenzaBanda = 65; // twips below the team name's top
} // namespace

void DisplayWindow::clockTick() {
    const QString ora = piattaforma_.orologio.Adesso().time().toString(QStringLiteral("HH:mm:ss"));
    if (const auto testo = TickOrologio(orologio_, partita_.SetCorrente, partita_.Parziali, ora)) {
        clockLabel->setText(*testo);
    }
    setLabel->setText(partita_.EtichettaSet);
}

void DisplayWindow::AvviaScorrimento(InVista cosa) {
    overlayPanels[0]->move(0, Altezza());
    schermo_.Pannello = cosa;
    panelSlideTimer.start();
    emit Cambiato();
}

void DisplayWindow::panelSlideTick() {
    emit AnimazioneIniziata();
    QFrame* pannello = overlayPanels[partita_.PannelloAnimato == 1 ? 1 : 0];
    pannello->setVisible(true);
    pannello->raise();
    if (modulo_.BarraSponsor == 0) {
        pannello->resize(pannello->width(),
                         homeNameLabel->y() + TwipsInPixel(MargineSenzaBanda));
    }
    const PassoScorrimento passo =
        Scorri(tickPannello_, static_cast<int>(PixelInTwips(pannello->y())),
               static_cast<int>(PixelInTwips(Altezza())));
    pannello->move(pannello->x(), TwipsInPixel(passo.Top));
    if (passo.Fine) {
        panelSlideTimer.stop();
        scorerPhoto->setPixmap(scorerBall->pixmap());
        fotoMostrata_.clear();
        squadraInTesta_ = false;
        schermo_.Pannello = InVista::Nessuno;
        emit AnimazioneFinita();
        emit Cambiato();
    }
}

void DisplayWindow::FermaAnimazioni() {
    panelSlideTimer.stop();
    squadraInTesta_ = false;
    schermo_.Pannello = InVista::Nessuno;
    sponsorTimer.stop();
    overlayPanels[0]->move(0, Altezza());
    overlayPanels[1]->move(0, Altezza());
}

void DisplayWindow::Lampeggia(int coloreCornice) {
    const Rgb c = Tavolozza16[static_cast<size_t>(coloreCornice) % Tavolozza16.size()];
    for (QFrame* marcatore : scoreFrames) {
        if (marcatore->isVisible()) {
            marcatore->setStyleSheet(
                QStringLiteral("border:3px solid rgb(%1,%2,%3);background:transparent;")
                    .arg(c.r)
                    .arg(c.g)
                    .arg(c.b));
        }
    }
    if (partita_.StatoSetPoint != 0) {
        bannerFrame->setVisible(!bannerFrame->isVisible());
        bannerIcon->setVisible(!bannerIcon->isVisible());
    }
}
