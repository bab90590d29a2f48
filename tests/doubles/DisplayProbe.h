#pragma once

#include "display/ui/DisplayWindow.h"
#include "display/ui/WinnerOverlay.h"
#include "shared/CommonSettings.h"

// The display under test, read through what the hall sees and driven through its timers' ticks.
// It lends the display's labels and panels to the tests that measure where and how they are
// drawn; the program itself reaches none of them.
class DisplayProbe {
  public:
    explicit DisplayProbe(DisplayWindow& w) : w_(w) {}

    DisplayWindow& window() { return w_; }

    // What the hall reads.
    QString shownScore(int side) const { return w_.scoreLabels[side]->text(); }
    QString shownSets(int side) const { return w_.setsWonLabels[side]->text(); }
    QString shownTimeouts(int side) const { return w_.timeoutLabels[side]->text(); }

    // The labels and panels, for their place, size, font and picture.
    QLabel* headerLogo() const { return w_.headerLogo; }
    QLabel* teamLogo(int side) const { return w_.teamLogos[side]; }
    QLabel* setLabel() const { return w_.setLabel; }
    FittedLabel* clockLabel() const { return w_.clockLabel; }
    QLabel* partialLabel(int set) const { return w_.partialLabels[set]; }
    QLabel* homeNameLabel() const { return w_.homeNameLabel; }
    QLabel* scoreLabel(int side) const { return w_.scoreLabels[side]; }
    QLabel* guestsNameLabel() const { return w_.guestsNameLabel; }
    QFrame* scoreFrame(int side) const { return w_.scoreFrames[side]; }
    FittedLabel* setsWonLabel(int side) const { return w_.setsWonLabels[side]; }
    FittedLabel* timeoutLabel(int side) const { return w_.timeoutLabels[side]; }
    QLabel* serveMarker(int side) const { return w_.serveMarkers[side]; }
    QLabel* sponsorSlot(int slot) const { return w_.sponsorSlots[slot]; }
    const std::array<QLabel*, 5>& sponsorSlots() const { return w_.sponsorSlots; }
    QFrame* overlayPanel(int i) const { return w_.overlayPanels[i]; }
    QLabel* scorerTitle() const { return w_.scorerTitle; }
    QLabel* scorerPhoto() const { return w_.scorerPhoto; }
    QLabel* scorerName() const { return w_.scorerName; }
    QLabel* scorerNumberBackdrop() const { return w_.scorerNumberBackdrop; }
    QLabel* scorerNumber() const { return w_.scorerNumber; }
    QLabel* scorerBall() const { return w_.scorerBall; }
    FittedLabel* statisticsTitle() const { return w_.statisticsTitle; }
    FittedLabel* statisticsTeamName(int side) const { return w_.statisticsTeamNames[side]; }
    QLabel* statisticsLogo(int side) const { return w_.statisticsLogos[side]; }
    FittedLabel* statisticsTotal(int side) const { return w_.statisticsTotals[side]; }
    FittedLabel* statisticsHomeName(int row) const { return w_.statisticsHomeNames[row]; }
    QLabel* statisticsHomePoint(int row) const { return w_.statisticsHomePoints[row]; }
    QLabel* statisticsGuestsPoint(int row) const { return w_.statisticsGuestsPoints[row]; }
    FittedLabel* statisticsGuestsName(int row) const { return w_.statisticsGuestsNames[row]; }
    QFrame* presentationCard() const { return w_.presentationCard; }
    QLabel* presentationHeading() const { return w_.presentationHeading; }
    QLabel* presentationPhoto() const { return w_.presentationPhoto; }
    QLabel* presentationSide() const { return w_.presentationSide; }
    QLabel* presentationNumber() const { return w_.presentationNumber; }
    QLabel* presentationRole() const { return w_.presentationRole; }
    FittedLabel* bannerText() const { return w_.bannerText; }
    QLabel* bannerIcon() const { return w_.bannerIcon; }
    // The result card at the end of the match: the card, its winner line and its sets' line.
    WinnerOverlay* winnerCard() const { return w_.winnerCard; }
    QLabel* winnerLine() const { return w_.winnerCard->winnerLabel; }
    QLabel* setsLine() const { return w_.winnerCard->setsLabel; }

    // The timers, by what they pace.
    bool presenting() const { return w_.presentationTimer.isActive(); }
    int presentationInterval() const { return w_.presentationTimer.interval(); }
    bool panelSliding() const { return w_.panelSlideTimer.isActive(); }
    bool bandRotating() const { return w_.sponsorTimer.isActive(); }
    void startBandRotation() { w_.sponsorTimer.start(); }
    bool photoZooming() const { return w_.photoZoomTimer.isActive(); }

    // The ticks and what the console calls.
    void load() { w_.load(); }
    void layOutControls() { w_.layOutControls(); }
    void clockTick() { w_.clockTick(); }
    void sponsorTick() { w_.sponsorTick(); }
    void panelSlideTick() { w_.panelSlideTick(); }
    void presentationTick() { w_.presentationTick(); }
    void zoomTick() { w_.zoomTick(); }
    void showMatch() { w_.showMatch(); }
    void startOrStopPresentation() { w_.startOrStopPresentation(); }
    void waitForPresentationPhoto() { w_.waitForPresentationPhoto(); }
    // The swap as the console makes it: the one setting changes, the display follows.
    void swapDisplay() {
        w_.common_.DisplaySidesSwapped = !w_.common_.DisplaySidesSwapped;
        w_.showSides();
    }
    void zoomStep(bool plus) { w_.zoomStep(plus); }
    void zoom(bool what) { w_.zoom(what); }
    void LayoutWithoutSponsor() { w_.LayoutWithoutSponsor(); }
    void showLeadingTeam(int side, const QString& title, const QString& photo, const QString& set,
                         const QString& score) {
        w_.showLeadingTeam(side, title, photo, set, score);
    }
    const PanelColours& Colours() const { return w_.Colours(); }
    const PresentationState& presentation() const { return w_.presentation(); }
    const BandState& band() const { return w_.band(); }
    const ScreenState& screenState() const { return w_.screenState(); }
    const ControlsGeometry& designGeometry() const { return w_.designGeometry(); }
    ImageCache& preparedPhotos() { return w_.preparedPhotos(); }
    ImageCache& preparedSponsors() { return w_.preparedSponsors(); }
    int outerWidth() const { return w_.outerWidth(); }
    int outerHeight() const { return w_.outerHeight(); }

    // The window itself.
    QPixmap grab() { return w_.grab(); }
    void ensurePolished() const { w_.ensurePolished(); }
    QSize size() const { return w_.size(); }
    void resize(int w, int h) { w_.resize(w, h); }
    void resize(const QSize& s) { w_.resize(s); }
    QRect frameGeometry() const { return w_.frameGeometry(); }
    QRect geometry() const { return w_.geometry(); }
    int width() const { return w_.width(); }
    int height() const { return w_.height(); }
    int x() const { return w_.x(); }
    int y() const { return w_.y(); }
    bool isFullScreen() const { return w_.isFullScreen(); }
    bool isVisible() const { return w_.isVisible(); }
    QScreen* screen() const { return w_.screen(); }
    void show() { w_.show(); }
    bool close() { return w_.close(); }
    void move(int x, int y) { w_.move(x, y); }
    QPoint pos() const { return w_.pos(); }
    bool isMaximized() const { return w_.isMaximized(); }
    void showMaximized() { w_.showMaximized(); }
    void showMinimized() { w_.showMinimized(); }

  private:
    DisplayWindow& w_;
};
