// Zoom steps, the magnified centre and the swapped panels: a zoom step is undone by the next
// resize, the swap never (every layout puts the panels back on the sides it asks for).
#include "display/Zoom.h"
#include "display/ui/DisplayWindow.h"
#include "shared/CommonSettings.h"

namespace {

// Reads (or writes back) a control in twips; pictures and frames have no font.
template <typename W> void Read(ControlGeometry& g, const W* w) {
    g = ReadControl(w, qobject_cast<const QLabel*>(w) != nullptr);
}
template <typename W> void Write(const ControlGeometry& g, W* w) {
    ApplyControl(w, g, qobject_cast<const QLabel*>(w) != nullptr);
}

const auto Reading = [](ControlGeometry& g, const auto* w) { Read(g, w); };
const auto Writing = [](const ControlGeometry& g, auto* w) { Write(g, w); };

} // namespace

template <typename Action, typename C>
void DisplayWindow::perZoom(C& c, DisplayWindow& d, Action action) {
    for (int k = 0; k < 2; ++k) {
        action(c.scoreLabels[k], d.scoreLabels[k]);
        action(c.teamLogos[k], d.teamLogos[k]);
        action(c.scoreFrames[k], d.scoreFrames[k]);
        action(c.setsWonLabels[k], d.setsWonLabels[k]);
        action(c.timeoutLabels[k], d.timeoutLabels[k]);
    }
    action(c.homeNameLabel, d.homeNameLabel);
    action(c.guestsNameLabel, d.guestsNameLabel);
    action(c.clockLabel, d.clockLabel);
    action(c.headerLogo, d.headerLogo);
}

template <typename Action, typename C>
void DisplayWindow::perSwap(C& c, DisplayWindow& d, Action action) {
    for (int k = 0; k < 2; ++k) {
        action(c.scoreLabels[k], d.scoreLabels[k]);
        action(c.scoreFrames[k], d.scoreFrames[k]);
        action(c.setsWonLabels[k], d.setsWonLabels[k]);
        action(c.timeoutLabels[k], d.timeoutLabels[k]);
        action(c.teamLogos[k], d.teamLogos[k]);
        action(c.statisticsTeamNames[k], d.statisticsTeamNames[k]);
        action(c.statisticsTotals[k], d.statisticsTotals[k]);
        action(c.statisticsLogos[k], d.statisticsLogos[k]);
    }
    action(c.homeNameLabel, d.homeNameLabel);
    action(c.guestsNameLabel, d.guestsNameLabel);
    for (int i = 0; i < 4; ++i) {
        action(c.statisticsHomePoints[i], d.statisticsHomePoints[i]);
        action(c.statisticsHomeNames[i], d.statisticsHomeNames[i]);
        action(c.statisticsGuestsPoints[i], d.statisticsGuestsPoints[i]);
        action(c.statisticsGuestsNames[i], d.statisticsGuestsNames[i]);
    }
}

bool DisplayWindow::zoomAtLimit(bool plus) {
    ZoomControls c;
    perZoom(c, *this, Reading);
    return plus ? ZoomPlusAtLimit(c) : ZoomMinusAtLimit(c);
}

void DisplayWindow::zoomStep(bool plus) {
    // The steps grow home on the left; a swapped display is stepped unswapped, then swapped.
    if (sidesShownSwapped_) {
        swapControls();
    }
    ZoomControls c;
    perZoom(c, *this, Reading);
    const double W = PixelInTwips(outerWidth());
    const bool band = common_.SponsorBar != 0;
    if (plus) {
        ZoomPlus(c, W, band);
    } else {
        ZoomMinus(c, W, band);
    }
    perZoom(c, *this, Writing);
    afterLayout();
    showSides();
}

void DisplayWindow::zoom(bool what) {
    if (what) {
        layOutControls();
        return;
    }
    if (isMinimized() || geometry_.empty()) {
        return;
    }
    const QSizeF window = InTwips(frameGeometry().size());
    for (size_t k = 0; k < controls_.size() && k + 1 < geometry_.size(); ++k) {
        if (auto* w = qobject_cast<QWidget*>(controls_[k].object)) {
            ApplyControl(w,
                         Enlarge(geometry_[k + 1], geometry_[0], window.width(), window.height()),
                         controls_[k].hasFont);
        }
    }
    for (int k = 0; k < 2; ++k) {
        scoreFrames[k]->setGeometry(scoreLabels[k]->x(), scoreLabels[k]->y(),
                                    scoreFrames[k]->width(), scoreLabels[k]->height());
    }
    sidesShownSwapped_ = false;
    afterLayout();
    showSides();
}

void DisplayWindow::showSides() {
    if (sidesShownSwapped_ != common_.DisplaySidesSwapped) {
        swapControls();
    }
}

void DisplayWindow::swapControls() {
    SwapControls c;
    perSwap(c, *this, Reading);
    ::SwapDisplay(c, PixelInTwips(outerWidth()), common_.SponsorBar != 0);
    perSwap(c, *this, Writing);
    sidesShownSwapped_ = !sidesShownSwapped_;
    afterLayout();
}
