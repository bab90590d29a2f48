// The scoreboard window: its timers, its place on the screen, and the match it shows.
#include "display/ui/DisplayWindow.h"
#include "shared/SettingsTable.h"

#include "display/Winner.h"
#include "display/ui/WinnerOverlay.h"

#include "match/Match.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "shared/CommonSettings.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int DrawingWidth = 7080;
constexpr int DrawingHeight = 3315;
// The designed window with its title bar and borders.
constexpr double ExternalWidth = 7335;
constexpr double ExternalHeight = 3930;
constexpr int OffScreen = 1000; // the banner's rest beyond the right edge
constexpr double BannerProportion = 164.0 / 640.0;
} // namespace

DisplayWindow::DisplayWindow(Platform& platform, const Match& match, CommonSettings& common,
                             Player& player)
    : platform_(platform), match_(match), common_(common), player_(player) {
    presentationJob_.setMaxThreadCount(1);
    setObjectName(QStringLiteral("DisplayWindow"));
    setWindowTitle(QStringLiteral("Brivanta"));
    resize(TwipsInPixel(DrawingWidth), TwipsInPixel(DrawingHeight));
    createControls();
    // Made after every control: the card lies over all of them.
    winnerCard = new WinnerOverlay(*this);
    clockTimer.setInterval(1000);
    sponsorTimer.setInterval(4000);
    panelSlideTimer.setInterval(10);
    connect(&clockTimer, &QTimer::timeout, this, [this] { clockTick(); });
    connect(&sponsorTimer, &QTimer::timeout, this, [this] { sponsorTick(); });
    connect(&panelSlideTimer, &QTimer::timeout, this, [this] { panelSlideTick(); });
    connect(&presentationTimer, &QTimer::timeout, this, [this] { presentationTick(); });
    photoZoomTimer.setInterval(16);
    connect(&photoZoomTimer, &QTimer::timeout, this, [this] { zoomTick(); });
    connect(&photo_, &ImageCache::ReadyImage, this, [this](const QString& path, int width) {
        if (path == shownPhoto_ && width == scorerPhotoWidth()) {
            showScorerPhoto();
        }
    });
    connect(&sponsor_, &ImageCache::ReadyImage, this, [this](const QString& path, int width) {
        for (int k = 0; k < BandSlot; ++k) {
            if (expectedSlots_[k] == path && width == sponsorSlotWidth()) {
                expectedSlots_[k].clear();
                showSponsor(k, path, sponsor_.Image(path, width));
            }
        }
    });
    clockTimer.start();
    sponsorTimer.start();
    load();
}

void DisplayWindow::load() {
    controls_.clear();
    auto text = [this](QWidget* w) { controls_.push_back({w, true}); };
    auto picture = [this](QObject* o) { controls_.push_back({o, false}); };
    picture(headerLogo);
    for (QLabel* e : teamLogos)
        picture(e);
    text(setLabel);
    text(clockLabel);
    for (QLabel* e : partialLabels)
        text(e);
    text(homeNameLabel);
    for (QLabel* e : scoreLabels)
        text(e);
    text(guestsNameLabel);
    for (QFrame* f : scoreFrames)
        picture(f);
    for (QLabel* e : setsWonLabels)
        text(e);
    for (QLabel* e : timeoutLabels)
        text(e);
    for (QLabel* e : sideIcons)
        picture(e);
    for (QLabel* e : sponsorSlots)
        picture(e);
    text(designSizeLabel);
    picture(overlayPanels[1]);
    text(scorerTitle);
    picture(scorerPhoto);
    for (QLabel* e : {scorerName, scorerNumberBackdrop, scorerNumber})
        text(e);
    picture(scorerBall);
    picture(overlayPanels[0]);
    text(statisticsTitle);
    for (int i = 0; i < 2; ++i) {
        text(statisticsTeamNames[i]);
        picture(statisticsLogos[i]);
        text(statisticsTotals[i]);
    }
    for (int i = 0; i < 4; ++i) {
        for (QLabel* e : {statisticsHomeNames[i], statisticsHomePoints[i],
                          statisticsGuestsPoints[i], statisticsGuestsNames[i]})
            text(e);
    }
    picture(presentationCard);
    text(presentationHeading);
    picture(presentationPhoto);
    for (QLabel* e : {presentationSide, presentationNumber, presentationRole})
        text(e);
    picture(bannerFrame);
    text(bannerText);
    picture(bannerPicture);
    picture(bannerIcon);
    picture(spareImage);
    for (QLabel* e : builtInPictures)
        picture(e);
    for (QTimer* t : {&clockTimer, &sponsorTimer, &panelSlideTimer, &presentationTimer})
        picture(t);
    geometry_ = RecordGeometry({ExternalWidth, ExternalHeight}, controls_);
}

void DisplayWindow::savePosition() {
    auto& settings = platform_.settings;
    WriteDecimal(settings, Setting::Top, PixelInTwips(y()));
    WriteDecimal(settings, Setting::Left, PixelInTwips(x()));
    WriteFlag(settings, Setting::FullScreen, isFullScreen());
}

void DisplayWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layOutControls();
}

void DisplayWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
        layOutControls();
    }
}

void DisplayWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void DisplayWindow::showMatch() {
    const Match& match = match_;
    winnerCard->showResult(WinnerScreenText(match, common_.Languages));
    const auto& t = match.Display;
    homeNameLabel->setText(t.Name[0]);
    guestsNameLabel->setText(t.Name[1]);
    setLabel->setText(match.SetLabel);
    for (int i = 0; i < 2; ++i) {
        scoreLabels[i]->setText(t.Points[i]);
        setsWonLabels[i]->setText(QString::number(match.SetsWon[i]));
        timeoutLabels[i]->setText(QString::number(match.TimeoutsCalled[i]));
        scoreFrames[i]->setVisible(t.Serving[i]);
        if (t.Serving[i]) {
            scoreFrames[i]->raise();
        }
    }
    for (int i = 0; i < 5; ++i) {
        partialLabels[i]->setText(match.Partials[i]);
    }
    bannerText->setText(t.BannerText);
    bannerIcon->setPixmap(builtInPictures[t.BannerMatchPoint ? 4 : 3]->pixmap());
    if (t.Banner) {
        placeBanner();
    } else {
        hideBanner();
    }
    // The leading team stays as it was filled until its slide ends.
    if (leadingTeamShown_) {
        return;
    }
    const auto& panel = t.Panel;
    scorerTitle->setText(panel.Title);
    panelStyle(panel.Side);
    if (panel.Scrolls) {
        scorerName->setText(panel.Surname);
        scorerNumberBackdrop->setText(panel.Number);
        scorerNumber->setText(panel.Number);
    }
    if (match.ScorerPhoto.isEmpty()) {
        shownPhoto_.clear();
    } else if (match.ScorerPhoto != shownPhoto_) {
        showScorerPhoto();
    }
}

void DisplayWindow::showLogo(int side, const QPixmap& logo) {
    teamLogos[side]->setPixmap(logo);
    statisticsLogos[side]->setPixmap(logo);
    builtInPictures[2]->setPixmap(logo);
}

void DisplayWindow::placeBanner() {
    const int width = bannerIcon->width();
    bannerIcon->setGeometry(outerWidth() / 2 - width / 2 - TwipsInPixel(50), 0, width,
                            static_cast<int>(width * BannerProportion));
    bannerIcon->setVisible(true);
    bannerIcon->raise();
}

void DisplayWindow::hideBanner() {
    bannerFrame->move(outerWidth() + OffScreen, bannerFrame->y());
    bannerIcon->move(outerWidth() + OffScreen, bannerIcon->y());
}
