#pragma once

#include "display/Animations.h"
#include "display/Colours.h"
#include "display/Presentation.h"
#include "display/ScreenState.h"
#include "display/Sponsor.h"
#include "display/ui/FittedLabel.h"
#include "display/ui/HeaderAndBand.h"
#include "shared/Geometry.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/Images.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

struct Match;
struct Platform;
struct CommonSettings;
class Player;
class WinnerOverlay;

constexpr qint64 PhotoMemory = 64LL * 1024 * 1024;

// The scoreboard the audience sees. It computes no rules: it shows the record.
class DisplayWindow : public QWidget, public DisplayColours, public HeaderAndBand {
    Q_OBJECT
  public:
    DisplayWindow(Platform& platform, const Match& match, CommonSettings& common, Player& player);

    // The window's position in the settings, for the next start to maximise it there again.
    void savePosition();
    void showMatch();
    // The lower panel slides in carrying `what`.
    void startScroll(InView what);
    // End of match: animations off, both lower panels parked below.
    void stopAnimations();
    // The presentation button: starts the line-ups, or asks a running one to stop.
    void startOrStopPresentation();
    bool presentationRunning() const { return presentationTimer.isActive(); }
    const PresentationState& presentation() const { return presentation_; }
    // The console's blink tick, on the display: marker border and banner.
    void blink(int frameColour);
    void LayoutWithoutSponsor() override;
    void ShowBand() override;
    void ShowDefaultHeaderLogo(const QPixmap& logo) override { headerLogo->setPixmap(logo); }
    // The header logo decoded at the size it is shown; false when the file gives none.
    bool ShowHeaderLogo(const QString& path) override;
    // The athlete the operator picked may score next: the photo is decoded ahead.
    void prepareAthletePhoto(const QString& path);
    void showStatistics(const StatisticsPanel& data);
    // The statistics panel waits just below the screen for its slide.
    void parkStatisticsPanel();
    // The leading team in the scorer panel: heading, team photo (or the default) and score.
    void showLeadingTeam(int side, const QString& title, const QString& photo, const QString& set,
                         const QString& score);
    // The seven panel colours: shown at once, read back for the options' samples.
    void ApplyColours(const PanelColours& colours) override;
    const PanelColours& Colours() const override { return colours_; }
    // A side's logo in both places the display shows it.
    void showLogo(int side, const QPixmap& logo);
    // Zoom + (piu) or Zoom -: at the limit a step changes nothing.
    bool zoomAtLimit(bool plus);
    void zoomStep(bool plus);
    // true: the proportional layout again; false: the scores magnified to fill the screen.
    void zoom(bool what);
    // Home and guests on the sides CommonSettings::DisplaySidesSwapped asks for (the console
    // keeps home on the left); every layout after this keeps them there.
    void showSides();
    const ScreenState& screenState() const { return screen_; }

  signals:
    // Every resize: the console re-lays the display out a moment later when the band is off.
    void resized();
    void animationStarted();
    void animationFinished();
    // The console's event light: on with a text, or off.
    void eventLightChanged(bool inProgress, const QString& text);
    // What the display shows changed by its own timers (band, panels, presentation).
    void changed();

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    // Tests read the display and drive its ticks through this one probe.
    friend class DisplayProbe;

    // The design is recorded once, at creation.
    void load();
    void layOutControls();
    void hideBanner();
    void clockTick();
    void sponsorTick();
    void panelSlideTick();
    void presentationTick();
    void zoomTick();
    // Lists the sponsor folder again, shows the header logo and the first slots.
    void setBand();
    ImageCache& preparedPhotos() { return photo_; }
    // Waits for the presented person's photo and its steps and takes them in.
    void waitForPresentationPhoto();
    ImageCache& preparedSponsors() { return sponsor_; }
    const BandState& band() const { return band_; }
    const ControlsGeometry& designGeometry() const { return geometry_; }
    // The window's outer size, as its design was drawn: the panels, 7335 twips wide, then
    // span a maximised display exactly.
    int outerWidth() const { return frameGeometry().width(); }
    int outerHeight() const { return frameGeometry().height(); }

    void createControls();
    void createPanels();
    void placeBanner();
    // The ball beside each name panel (shown for the serving side) and the score frames,
    // their border as thick as the window is wide asks.
    void placeServeMarkers();
    QString serveFrameStyle() const;
    void showScorerPhoto();
    void afterLayout();
    // Home and guests change places, whatever the settings say.
    void swapControls();
    void parkPresentation();
    void panelStyle(int side);
    // A side's score colours as a style sheet: its panels and cards wear them.
    QString sideStyle(int side) const;
    void showSponsor(int slot, const QString& file, const QImage& image);
    int scorerPhotoWidth() const;
    int sponsorSlotWidth() const;
    void presentationEnd();
    void loadPerson();
    void showPresentationPhoto(const QString& photo);
    // Every control a zoom step (or the swap) moves, paired with its design in `c`.
    template <typename Action, typename C>
    static void perZoom(C& c, DisplayWindow& d, Action action);
    template <typename Action, typename C>
    static void perSwap(C& c, DisplayWindow& d, Action action);

    QLabel* headerLogo;
    std::array<QLabel*, 2> teamLogos;
    QLabel* setLabel;
    FittedLabel* clockLabel;
    std::array<QLabel*, 5> partialLabels;
    QLabel* homeNameLabel;
    std::array<QLabel*, 2> scoreLabels;
    QLabel* guestsNameLabel;
    std::array<QFrame*, 2> scoreFrames;
    std::array<FittedLabel*, 2> setsWonLabels;
    std::array<FittedLabel*, 2> timeoutLabels;
    std::array<QLabel*, 2> serveMarkers;
    std::array<QLabel*, 5> sponsorSlots;
    QLabel* designSizeLabel;
    std::array<QFrame*, 2> overlayPanels;
    QLabel* scorerTitle;
    QLabel* scorerPhoto;
    QLabel* scorerName;
    QLabel* scorerNumberBackdrop;
    QLabel* scorerNumber;
    QLabel* scorerBall;
    FittedLabel* statisticsTitle;
    std::array<FittedLabel*, 2> statisticsTeamNames;
    std::array<QLabel*, 2> statisticsLogos;
    std::array<FittedLabel*, 2> statisticsTotals;
    std::array<FittedLabel*, 4> statisticsHomeNames;
    std::array<QLabel*, 4> statisticsHomePoints;
    std::array<QLabel*, 4> statisticsGuestsPoints;
    std::array<FittedLabel*, 4> statisticsGuestsNames;
    QFrame* presentationCard;
    QLabel* presentationHeading;
    QLabel* presentationPhoto;
    QLabel* presentationSide;
    QLabel* presentationNumber;
    QLabel* presentationRole;
    FittedLabel* bannerText;
    QLabel* bannerIcon;
    QLabel* spareImage;
    // The result over the score band once the match is over.
    WinnerOverlay* winnerCard;
    // The athlete silhouette and four spare places.
    std::array<QLabel*, 5> builtInPictures;
    QTimer clockTimer;
    QTimer sponsorTimer;
    QTimer panelSlideTimer;
    QTimer presentationTimer;
    // One enlargement step of the held photo a frame.
    QTimer photoZoomTimer;

    Platform& platform_;
    const Match& match_;
    CommonSettings& common_;
    Player& player_;
    Controls controls_;
    ControlsGeometry geometry_;
    QColor serveFrameColour_{Qt::red};
    QString shownPhoto_;
    QString panelStyle_;
    // The leading-team overlay fills the scorer panel until its slide ends.
    bool leadingTeamShown_ = false;
    // Where the controls are now: a fresh layout puts home on the left.
    bool sidesShownSwapped_ = false;
    ClockLoop clock_;
    int tickPanel_ = 0;
    BandState band_;
    PresentationState presentation_;
    ScreenState screen_;
    QRect photoGeometry_;
    // The presented person's photo and its enlargement steps, made on a worker while the
    // panel enters, so the tick that holds the person only shows them.
    struct PhotoSteps {
        std::vector<QImage> Images;
        std::vector<QRect> Rectangles;
    };
    std::optional<PhotoSteps> photoSteps_;
    quint64 presentedPerson_ = 0;
    std::size_t photoStep_ = 0;
    QThreadPool presentationJob_;
    // Design colours: white board, yellow and cyan sides, the system's near-black text.
    PanelColours colours_{0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FFFF, 0xFFFF00, 0x000008, 0x000008};
    // Which picture each slot waits for while it is decoded.
    std::array<QString, BandSlot> expectedSlots_;
    // A few recent photos only: a team of phone photos would not fit in memory decoded.
    ImageCache photo_{PhotoMemory};
    ImageCache sponsor_;
};
