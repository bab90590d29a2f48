// The display's own timed behaviours: clock, panel slide, blink.
#include "display/ui/DisplayWindow.h"

#include "match/Match.h"
#include "match/Score.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "shared/CommonSettings.h"
#include "shared/Palette16.h"

namespace {
constexpr int MarginWithoutBand = 65; // twips below the team name's top
} // namespace

void DisplayWindow::clockTick() {
    const QString wallNow = platform_.clock.Now().time().toString(QStringLiteral("HH:mm:ss"));
    if (const auto text = TickClock(clock_, match_.CurrentSet, match_.Partials, wallNow,
                                    common_.Translate(QStringLiteral("Set %1: %2")))) {
        clockLabel->setText(*text);
    }
    setLabel->setText(match_.SetLabel);
}

void DisplayWindow::startScroll(InView what) {
    // One lower panel at a time: the one not sliding now leaves the screen.
    overlayPanels[0]->move(0, outerHeight());
    if (match_.AnimatedPanel != 1 && overlayPanels[1]->y() < outerHeight()) {
        overlayPanels[1]->move(0, outerHeight());
    }
    screen_.Panel = what;
    panelSlideTimer.start();
    emit changed();
}

void DisplayWindow::panelSlideTick() {
    emit animationStarted();
    QFrame* panel = overlayPanels[match_.AnimatedPanel == 1 ? 1 : 0];
    panel->setVisible(true);
    panel->raise();
    if (common_.SponsorBar == 0) {
        panel->resize(panel->width(), homeNameLabel->y() + TwipsInPixel(MarginWithoutBand));
    }
    const ScrollStep step = Scroll(tickPanel_, static_cast<int>(PixelInTwips(panel->y())),
                                   static_cast<int>(PixelInTwips(outerHeight())));
    panel->move(panel->x(), TwipsInPixel(step.Top));
    if (step.Finished) {
        panelSlideTimer.stop();
        scorerPhoto->setPixmap(scorerBall->pixmap());
        shownPhoto_.clear();
        leadingTeamShown_ = false;
        screen_.Panel = InView::None;
        emit animationFinished();
        emit changed();
    }
}

void DisplayWindow::stopAnimations() {
    panelSlideTimer.stop();
    leadingTeamShown_ = false;
    screen_.Panel = InView::None;
    sponsorTimer.stop();
    overlayPanels[0]->move(0, outerHeight());
    overlayPanels[1]->move(0, outerHeight());
}

void DisplayWindow::blink(int frameColour) {
    const Rgb c = Palette16[static_cast<size_t>(frameColour) % Palette16.size()];
    serveFrameColour_ = QColor(c.r, c.g, c.b);
    for (QFrame* scorer : scoreFrames) {
        if (scorer->isVisible()) {
            scorer->setStyleSheet(serveFrameStyle());
        }
    }
    if (BannerUp(match_)) {
        bannerIcon->setVisible(!bannerIcon->isVisible());
    }
}

void DisplayWindow::parkStatisticsPanel() {
    overlayPanels[1]->move(0, outerHeight() + 12);
}
