#include "display/ui/DisplayWindow.h"
#include "shared/SettingsTable.h"

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
    CreateControls();
    clockTimer.setInterval(1000);
    sponsorTimer.setInterval(4000);
    panelSlideTimer.setInterval(10);
    connect(&clockTimer, &QTimer::timeout, this, [this] { clockTick(); });
    connect(&sponsorTimer, &QTimer::timeout, this, [this] { sponsorTick(); });
    connect(&panelSlideTimer, &QTimer::timeout, this, [this] { panelSlideTick(); });
    connect(&presentationTimer, &QTimer::timeout, this, [this] { presentationTick(); });
    ZoomTimer.setInterval(16);
    connect(&ZoomTimer, &QTimer::timeout, this, [this] { zoomTick(); });
    connect(&photo_, &ImageCache::ReadyImage, this, [this](const QString& path, int width) {
        if (path == shownPhoto_ && width == PhotoWidth()) {
            ShowScorerPhoto();
        }
    });
    connect(&sponsor_, &ImageCache::ReadyImage, this, [this](const QString& path, int width) {
        for (int k = 0; k < BandSlot; ++k) {
            if (expectedSlots_[k] == path && width == SlotWidth()) {
                expectedSlots_[k].clear();
                ShowSponsor(k, path, sponsor_.Image(path, width));
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

void DisplayWindow::layOutControls() {
    if (isMinimized()) {
        return;
    }
    emit Resized();
    if (isMaximized() || isFullScreen()) {
        SavePosition();
    }
    GeometryScale(geometry_, InTwips(frameGeometry().size()), controls_, true);
    AfterLayout();
    SetBand();
}

void DisplayWindow::SavePosition() {
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

void DisplayWindow::Update() {
    const Match& p = match_;
    const auto& t = p.Display;
    homeNameLabel->setText(t.Name[0]);
    guestsNameLabel->setText(t.Name[1]);
    setLabel->setText(p.SetLabel);
    for (int i = 0; i < 2; ++i) {
        scoreLabels[i]->setText(t.Points[i]);
        setsWonLabels[i]->setText(QString::number(p.SetsWon[i]));
        timeoutLabels[i]->setText(QString::number(p.TimeoutsCalled[i]));
        scoreFrames[i]->setVisible(t.Scorer[i]);
        if (t.Scorer[i]) {
            scoreFrames[i]->raise();
        }
    }
    for (int i = 0; i < 5; ++i) {
        partialLabels[i]->setText(p.Partials[i]);
    }
    bannerText->setText(t.BannerText);
    bannerIcon->setPixmap(builtInPictures[t.BannerMatchPoint ? 4 : 3]->pixmap());
    if (t.Banner) {
        PlaceBanner();
    } else {
        HideBanner();
    }
    // The leading team stays as it was filled until its slide ends.
    if (teamInHead_) {
        return;
    }
    const auto& panel = t.Panel;
    scorerTitle->setText(panel.Title);
    PanelStyle(panel.Side);
    if (panel.Scrolls) {
        scorerName->setText(panel.Surname);
        scorerNumberBackdrop->setText(panel.Number);
        scorerNumber->setText(panel.Number);
    }
    if (p.ScorerPhoto.isEmpty()) {
        shownPhoto_.clear();
    } else if (p.ScorerPhoto != shownPhoto_) {
        ShowScorerPhoto();
    }
}

int DisplayWindow::PhotoWidth() const {
    return static_cast<int>(Width() / 1.6);
}

// The photo comes from the few recently decoded, else it is decoded now on a worker while
// the panel rises (it slides for longer than a phone photo takes); the default picture when
// there is none or it is not a picture.
void DisplayWindow::ShowScorerPhoto() {
    shownPhoto_ = match_.ScorerPhoto;
    std::optional<QImage> photo = QImage();
    if (QFileInfo::exists(shownPhoto_)) {
        photo = photo_.Ready(shownPhoto_, PhotoWidth());
        if (!photo) {
            scorerPhoto->clear();
            photo_.Prepare(shownPhoto_, PhotoWidth());
            return;
        }
    }
    const QPixmap image = photo->isNull() ? scorerBall->pixmap() : QPixmap::fromImage(*photo);
    scorerPhoto->setPixmap(image);
    const int width = PhotoWidth();
    const QSize natural = image.size().isEmpty() ? QSize(1, 1) : image.size();
    scorerPhoto->setGeometry(0, scorerPhoto->y(), width,
                             width * natural.height() / natural.width());
}

void DisplayWindow::PrepareAthletePhoto(const QString& path) {
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        photo_.Prepare(path, PhotoWidth());
    }
}

void DisplayWindow::ShowStatistics(const StatisticsPanel& data) {
    screen_.Statistics = data;
    overlayPanels[0]->setVisible(true);
    statisticsTitle->setText(data.Title);
    for (int i = 0; i < 2; ++i) {
        statisticsTotals[i]->setText(data.Totals[i]);
        statisticsTeamNames[i]->setText(data.Names[i]);
    }
    for (int r = 0; r < 4; ++r) {
        statisticsHomeNames[r]->setText(data.HomeNames[r]);
        statisticsHomePoints[r]->setText(data.HomePoints[r]);
        statisticsGuestsPoints[r]->setText(data.GuestsPoints[r]);
        statisticsGuestsNames[r]->setText(data.GuestsNames[r]);
    }
}

// The number on the panel is two labels: scorerNumber carries the text, scorerNumberBackdrop behind
// it the side's colour, so the pair reads as one number.
void DisplayWindow::PanelStyle(int side) {
    const QString style = scoreLabels[side]->styleSheet();
    // Restyling is costly: only when the side's colours really change.
    if (style == panelStyle_) {
        return;
    }
    panelStyle_ = style;
    const QString background = CssColour(colours_[side == 0 ? HomePoints : GuestsPoints]);
    scorerName->setStyleSheet(style);
    scorerNumberBackdrop->setStyleSheet(
        QStringLiteral("background-color:%1;color:%1;").arg(background));
    scorerNumber->setStyleSheet(style + QStringLiteral("background:transparent;"));
}

void DisplayWindow::ShowLeadingTeam(int side, const QString& title, const QString& photo,
                                    const QString& set, const QString& score) {
    teamInHead_ = true;
    screen_.Leading = {side, title, set, score};
    PanelStyle(side);
    scorerTitle->setText(title);
    const int width = static_cast<int>(Width() / 1.72);
    const QImage image = photo.isEmpty() ? QImage() : photo_.Image(photo, width);
    if (image.isNull()) {
        scorerPhoto->setPixmap(QPixmap(QStringLiteral(":/teams/team.png")));
    } else {
        scorerPhoto->setPixmap(QPixmap::fromImage(image));
        scorerPhoto->resize(width, width * image.height() / image.width());
    }
    shownPhoto_.clear();
    if (!set.isEmpty()) {
        scorerNumberBackdrop->setText(set);
        scorerNumber->setText(set);
        scorerName->setText(score);
    }
}

void DisplayWindow::ShowLogo(int side, const QPixmap& logo) {
    teamLogos[side]->setPixmap(logo);
    statisticsLogos[side]->setPixmap(logo);
    builtInPictures[2]->setPixmap(logo);
}

void DisplayWindow::PlaceBanner() {
    const int width = bannerIcon->width();
    bannerIcon->setGeometry(Width() / 2 - width / 2 - TwipsInPixel(50), 0, width,
                            static_cast<int>(width * BannerProportion));
    bannerIcon->setVisible(true);
    bannerIcon->raise();
}

void DisplayWindow::HideBanner() {
    bannerFrame->move(Width() + OffScreen, bannerFrame->y());
    bannerIcon->move(Width() + OffScreen, bannerIcon->y());
}
