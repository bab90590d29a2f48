#pragma once

#include "display/Animations.h"
#include "display/Colours.h"
#include "display/Presentation.h"
#include "display/ScreenState.h"
#include "display/Sponsor.h"
#include "display/ui/HeaderAndBand.h"
#include "shared/Geometry.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/Images.h"

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

constexpr qint64 PhotoMemory = 64LL * 1024 * 1024;

// The scoreboard the audience sees. It computes no rules: it shows the record.
class DisplayWindow : public QWidget, public DisplayColours, public HeaderAndBand {
    Q_OBJECT
  public:
    DisplayWindow(Platform& platform, const Match& match, CommonSettings& common, Player& player);

    // The design is recorded once, at creation.
    void load();
    void layOutControls();
    // The window's position in the settings, for the next start to maximise it there again.
    void SavePosition();
    void Update();
    // The lower panel slides in carrying `what`.
    void StartScroll(InView what);
    // End of match: animations off, both lower panels parked below.
    void StopAnimations();
    void HideBanner();

    void clockTick();
    void sponsorTick();
    void panelSlideTick();
    void presentationTick();
    void zoomTick();
    // The presentation button: starts the line-ups, or asks a running one to stop.
    void StartOrStopPresentation();
    const PresentationState& Presentation() const { return presentation_; }
    // The console's blink tick, on the display: marker border and banner.
    void Blink(int frameColour);
    void LayoutWithoutSponsor() override;
    void ShowBand() override;
    void ShowDefaultHeaderLogo(const QPixmap& logo) override { headerLogo->setPixmap(logo); }
    // Lists the sponsor folder again, shows the header logo and the first slots.
    void SetBand();
    // The header logo decoded at the size it is shown; false when the file gives none.
    bool ShowHeaderLogo(const QString& path) override;
    // The athlete the operator picked may score next: the photo is decoded ahead.
    void PrepareAthletePhoto(const QString& path);
    void ShowStatistics(const StatisticsPanel& data);
    // The leading team in the scorer panel: heading, team photo (or the default) and score.
    void ShowLeadingTeam(int side, const QString& title, const QString& photo, const QString& set,
                         const QString& score);
    // The seven panel colours: shown at once, read back for the options' samples.
    void ApplyColours(const PanelColours& colours) override;
    const PanelColours& Colours() const override { return colours_; }
    // A side's logo in both places the display shows it.
    void ShowLogo(int side, const QPixmap& logo);
    // Zoom + (piu) or Zoom -: at the limit a step changes nothing.
    bool ZoomAtLimit(bool plus);
    void ZoomStep(bool plus);
    // true: the proportional layout again; false: the scores magnified to fill the screen.
    void zoom(bool what);
    // Home and guests change sides; the console keeps home on the left.
    void SwapDisplay();
    ImageCache& PreparedPhotos() { return photo_; }
    // Waits for the presented person's photo and its steps and takes them in.
    void WaitForPresentationPhoto();
    ImageCache& PreparedSponsors() { return sponsor_; }
    const BandState& Band() const { return band_; }
    const ScreenState& Screen() const { return screen_; }

  signals:
    // Every resize: the console re-lays the display out a moment later when the band is off.
    void Resized();
    void AnimationStarted();
    void AnimationFinished();
    // The console's event light: on with a text, or off.
    void Event(bool inProgress, const QString& text);
    // What the display shows changed by its own timers (band, panels, presentation).
    void Changed();

  public:
    const ControlsGeometry& Geometry() const { return geometry_; }
    // The window's outer size, as its design was drawn: the panels, 7335 twips wide, then
    // span a maximised display exactly.
    int Width() const { return frameGeometry().width(); }
    int Height() const { return frameGeometry().height(); }

    QLabel* headerLogo;
    std::array<QLabel*, 2> teamLogos;
    QLabel* setLabel;
    QLabel* clockLabel;
    std::array<QLabel*, 5> partialLabels;
    QLabel* homeNameLabel;
    std::array<QLabel*, 2> scoreLabels;
    QLabel* guestsNameLabel;
    std::array<QFrame*, 2> scoreFrames;
    std::array<QLabel*, 2> setsWonLabels;
    std::array<QLabel*, 2> timeoutLabels;
    std::array<QLabel*, 4> sideIcons;
    std::array<QLabel*, 5> sponsorSlots;
    QLabel* designSizeLabel;
    std::array<QFrame*, 2> overlayPanels;
    QLabel* scorerTitle;
    QLabel* scorerPhoto;
    QLabel* scorerName;
    QLabel* scorerNumberBackdrop;
    QLabel* scorerNumber;
    QLabel* scorerBall;
    QLabel* statisticsTitle;
    std::array<QLabel*, 2> statisticsTeamNames;
    std::array<QLabel*, 2> statisticsLogos;
    std::array<QLabel*, 2> statisticsTotals;
    std::array<QLabel*, 4> statisticsHomeNames;
    std::array<QLabel*, 4> statisticsHomePoints;
    std::array<QLabel*, 4> statisticsGuestsPoints;
    std::array<QLabel*, 4> statisticsGuestsNames;
    QFrame* presentationCard;
    QLabel* presentationHeading;
    QLabel* presentationPhoto;
    QLabel* presentationSide;
    QLabel* presentationNumber;
    QLabel* presentationRole;
    QFrame* bannerFrame;
    QLabel* bannerText;
    QLabel* bannerPicture;
    QLabel* bannerIcon;
    QLabel* spareImage;
    // The athlete silhouette, two spare places, the set point and the match point pictures.
    std::array<QLabel*, 5> builtInPictures;
    QTimer clockTimer;
    QTimer sponsorTimer;
    QTimer panelSlideTimer;
    QTimer presentationTimer;
    // One enlargement step of the held photo a frame.
    QTimer ZoomTimer;

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void CreateControls();
    void CreatePanels();
    void PlaceBanner();
    void ShowScorerPhoto();
    void AfterLayout();
    void ParkPresentation();
    void PanelStyle(int side);
    void ShowSponsor(int slot, const QString& file, const QImage& image);
    int PhotoWidth() const;

    int SlotWidth() const;
    void PresentationEnd();
    void LoadPerson();
    void ShowPresentationPhoto(const QString& photo);

    Platform& platform_;
    const Match& match_;
    CommonSettings& common_;
    Player& player_;
    Controls controls_;
    ControlsGeometry geometry_;
    QString shownPhoto_;
    QString panelStyle_;
    // The leading-team overlay fills the scorer panel until its slide ends.
    bool teamInHead_ = false;
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
