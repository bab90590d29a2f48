// The scoreboard window: its timers, its place on the screen, and the match it shows.
#include "display/ui/DisplayWindow.h"
#include "display/ScoreBand.h"
#include "display/ui/FittedLabel.h"
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
#include <QPainter>

namespace {
constexpr int DrawingWidth = 7080;
constexpr int DrawingHeight = 3315;
// The designed window with its title bar and borders.
constexpr double ExternalWidth = 7335;
constexpr double ExternalHeight = 3930;
constexpr int OffScreen = 1000; // the banner's rest beyond the right edge
constexpr double BannerProportion = 164.0 / 640.0;
// The serve ball's side, of the window's width.
constexpr double ServeBallShare = 0.055;
// The banner's text fills this share of its box's height before it is fitted to the width.
constexpr double BannerTextHeight = 0.55;
const QColor BannerBackground(0x0b, 0x1a, 0x33);
const QColor SetPointColour(0xf5, 0xc4, 0x00);
const QColor MatchPointColour(0xff, 0x33, 0x33);

// The banner without its words: they are drawn over it in the current language.
QPixmap BannerBackdrop(const QSize& size, const QColor& colour, const QPixmap& ball) {
    QPixmap backdrop(size);
    backdrop.fill(BannerBackground);
    const BannerParts parts = BannerLayout(size);
    QPainter painter(&backdrop);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(parts.TopStripe, colour);
    painter.fillRect(parts.BottomStripe, colour);
    painter.drawPixmap(parts.Ball.toRect(), ball);
    return backdrop;
}
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
    for (QLabel* e : serveMarkers)
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
        for (QLabel* e :
             std::initializer_list<QLabel*>{statisticsHomeNames[i], statisticsHomePoints[i],
                                            statisticsGuestsPoints[i], statisticsGuestsNames[i]})
            text(e);
    }
    picture(presentationCard);
    text(presentationHeading);
    picture(presentationPhoto);
    for (QLabel* e : {presentationSide, presentationNumber, presentationRole})
        text(e);
    text(bannerText);
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
        setsWonLabels[i]->setCaption(common_.Translate(QStringLiteral("SET VINTI")));
        timeoutLabels[i]->setText(QString::number(match.TimeoutsCalled[i]));
        timeoutLabels[i]->setCaption(common_.Translate(QStringLiteral("T.O.")));
        scoreFrames[i]->setVisible(t.Serving[i]);
        serveMarkers[i]->setVisible(t.Serving[i]);
        if (t.Serving[i]) {
            scoreFrames[i]->raise();
            serveMarkers[i]->raise();
        }
    }
    for (int i = 0; i < 5; ++i) {
        partialLabels[i]->setText(match.Partials[i]);
    }
    bannerText->setText(t.BannerText);
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
    const QSize size(width, static_cast<int>(width * BannerProportion));
    bannerIcon->setGeometry(outerWidth() / 2 - width / 2 - TwipsInPixel(50), 0, size.width(),
                            size.height());
    const QColor colour = match_.Display.BannerMatchPoint ? MatchPointColour : SetPointColour;
    bannerIcon->setPixmap(BannerBackdrop(size, colour, serveMarkers[0]->pixmap()));
    const QRect text = BannerLayout(size).Text.toRect();
    bannerText->setGeometry(text);
    bannerText->setFont(Character(QStringLiteral("Tahoma"),
                                  text.height() * BannerTextHeight * 72 / logicalDpiY(), true));
    bannerText->setStyleSheet(
        QStringLiteral("color:%1;background:transparent;").arg(colour.name()));
    bannerIcon->setVisible(true);
    bannerIcon->raise();
}

void DisplayWindow::placeServeMarkers() {
    const std::array<QLabel*, 2> names{homeNameLabel, guestsNameLabel};
    for (int i = 0; i < 2; ++i) {
        const QRect name = names[i]->geometry();
        const bool scoreOnRight = scoreLabels[i]->x() > name.x();
        serveMarkers[i]->setGeometry(
            ServeMarkerPlace(name, scoreOnRight, outerWidth() * ServeBallShare).toRect());
    }
    for (QFrame* frame : scoreFrames) {
        frame->setStyleSheet(serveFrameStyle());
    }
}

QString DisplayWindow::serveFrameStyle() const {
    return QStringLiteral("border:%1px solid %2;background:transparent;")
        .arg(ServeFrameWidth(outerWidth()))
        .arg(serveFrameColour_.name());
}

void DisplayWindow::hideBanner() {
    bannerIcon->move(outerWidth() + OffScreen, bannerIcon->y());
}
