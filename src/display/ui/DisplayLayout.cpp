// The display's controls: where each one is drawn, the lower panels, the colours, and the
// layout that scales them.
#include "display/ui/DisplayWindow.h"
#include "display/ui/FittedLabel.h"
#include "shared/ui/LargeLabel.h"

#include <QPixmap>
#include <QStyle>

namespace {

const QString Tahoma = QStringLiteral("Tahoma");

template <class Kind>
Kind* Make(QWidget* parent, int l, int t, int w, int h, const QString& text, double points,
           Qt::Alignment alignment) {
    auto* e = new Kind(text, parent);
    Place(e, l, t, w, h);
    e->setFont(Character(Tahoma, points, true));
    e->setAlignment(alignment);
    return e;
}

QLabel* Label(QWidget* parent, int l, int t, int w, int h, const QString& text, double points,
              Qt::Alignment alignment = Qt::AlignCenter) {
    return Make<LargeLabel>(parent, l, t, w, h, text, points, alignment);
}

// A short text that must be read whole in its box, in any language.
FittedLabel* Fitted(QWidget* parent, int l, int t, int w, int h, const QString& text, double points,
                    Qt::Alignment alignment = Qt::AlignCenter) {
    return Make<FittedLabel>(parent, l, t, w, h, text, points, alignment);
}

QLabel* Image(QWidget* parent, int l, int t, int w, int h) {
    auto* e = new QLabel(parent);
    Place(e, l, t, w, h);
    e->setScaledContents(true);
    return e;
}

QLabel* Container(QWidget* parent, const QString& resource) {
    auto* e = new QLabel(parent);
    e->setPixmap(QPixmap(resource));
    e->hide();
    return e;
}

QFrame* Panel(QWidget* parent, int l, int t, int w, int h) {
    auto* f = new QFrame(parent);
    Place(f, l, t, w, h);
    f->setAutoFillBackground(true);
    return f;
}

} // namespace

void DisplayWindow::createControls() {
    setAttribute(Qt::WA_StyledBackground, true);

    headerLogo = Image(this, 120, 60, 1815, 1110);
    teamLogos[0] = Image(this, 2280, 0, 1185, 1185);
    teamLogos[1] = Image(this, 3720, 0, 1185, 1185);
    setLabel = Label(this, 5040, 0, 1215, 375, QStringLiteral("SET 1"), 12);
    // Right-aligned, clear of the set label: a finished set's score there reads on its own.
    clockLabel = Fitted(this, 6180, 0, 1095, 375, QStringLiteral("00:00"), 12,
                        Qt::AlignRight | Qt::AlignVCenter);
    const int leftPartial[5] = {5040, 6240, 5040, 6240, 5640};
    const int topPartial[5] = {240, 240, 540, 540, 840};
    for (int i = 0; i < 5; ++i) {
        partialLabels[i] =
            Label(this, leftPartial[i], topPartial[i], 975, 375, QStringLiteral("25/16"), 15.75);
        partialLabels[i]->hide();
    }
    // The band spans the window; the two scores stand apart with the board between them, so
    // "24 20" never reads as one number, and their digits leave the bottom to the counters.
    homeNameLabel = Label(this, 0, 1200, 2040, 1845, QStringLiteral("Locali"), 15.75);
    scoreLabels[0] = Label(this, 2040, 1200, 1560, 1845, QStringLiteral("0"), 54);
    scoreLabels[1] = Label(this, 3735, 1200, 1560, 1845, QStringLiteral("0"), 54);
    guestsNameLabel = Label(this, 5295, 1200, 2040, 1845, QStringLiteral("Ospiti"), 15.75);
    for (QLabel* e : {homeNameLabel, guestsNameLabel}) {
        e->setWordWrap(true);
    }
    for (QLabel* e : scoreLabels) {
        e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    for (int i = 0; i < 2; ++i) {
        scoreFrames[i] = new QFrame(this);
        scoreFrames[i]->setGeometry(scoreLabels[i]->geometry());
        scoreFrames[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        scoreFrames[i]->hide();
    }
    // Sets won on the outer side, timeouts on the inner one, each with its name.
    setsWonLabels[0] = Fitted(this, 2100, 2580, 720, 420, QStringLiteral("0"), 21.75);
    timeoutLabels[0] = Fitted(this, 2880, 2580, 660, 420, QStringLiteral("0"), 21.75);
    timeoutLabels[1] = Fitted(this, 3795, 2580, 660, 420, QStringLiteral("0"), 21.75);
    setsWonLabels[1] = Fitted(this, 4515, 2580, 720, 420, QStringLiteral("0"), 21.75);
    // The ball marks the serving side; it is placed beside its score after every layout.
    serveMarkers[0] = Image(this, 1575, 2580, 405, 405);
    serveMarkers[1] = Image(this, 5355, 2580, 405, 405);
    for (QLabel* e : serveMarkers) {
        e->setPixmap(QPixmap(QStringLiteral(":/display/ball.png")));
        e->hide();
    }
    // The band sits on the bottom edge: no strip of the screen is left unused below it.
    const int leftSponsor[5] = {84, 1523, 2962, 4401, 5840};
    for (int i = 0; i < 5; ++i) {
        sponsorSlots[i] = Image(this, leftSponsor[i], 3060, 1335, 821);
    }
    designSizeLabel = Label(this, 1080, 0, 1575, 255, QString(), 8.25);
    designSizeLabel->hide();
    createPanels();
    ApplyColours(colours_);
    afterLayout();
}

// After every layout, swapped or not: the last points' names lean towards the centre, and
// the presentation card stays out of sight unless a presentation runs.
void DisplayWindow::afterLayout() {
    for (int i = 0; i < 4; ++i) {
        const bool homeOnRight = statisticsHomeNames[i]->x() >= statisticsGuestsNames[i]->x();
        statisticsHomeNames[i]->setAlignment(homeOnRight ? Qt::AlignLeft : Qt::AlignRight);
        statisticsGuestsNames[i]->setAlignment(homeOnRight ? Qt::AlignRight : Qt::AlignLeft);
    }
    if (!presentationTimer.isActive()) {
        parkPresentation();
    }
    placeServeMarkers();
}

QString DisplayWindow::sideStyle(int side) const {
    return QStringLiteral("background-color:%1;color:%2;")
        .arg(CssColour(colours_[side == 0 ? HomePoints : GuestsPoints]),
             CssColour(colours_[side == 0 ? HomeText : GuestsText]));
}

void DisplayWindow::ApplyColours(const PanelColours& colours) {
    colours_ = colours;
    screen_.Colours = colours;
    // The clock, set label and partials sit on the board: their text follows it, so every
    // scheme the options can make stays readable (near-black on the design's white).
    setStyleSheet(
        QStringLiteral("DisplayWindow{background-color:%1;} QLabel{color:%2;}")
            .arg(CssColour(colours[Background]), CssColour(ReadableText(colours[Background]))));
    // A sheet replaced before the first show keeps the old background unless polished again.
    style()->unpolish(this);
    style()->polish(this);
    const auto style = [](std::uint32_t background, std::uint32_t text) {
        return QStringLiteral("background-color:%1;color:%2;")
            .arg(CssColour(background), CssColour(text));
    };
    homeNameLabel->setStyleSheet(style(colours[HomeName], colours[HomeText]));
    scoreLabels[0]->setStyleSheet(sideStyle(0));
    guestsNameLabel->setStyleSheet(style(colours[GuestsName], colours[GuestsText]));
    scoreLabels[1]->setStyleSheet(sideStyle(1));
    // The set and timeout counters sit on their side's score panel: they take its text colour.
    for (int side = 0; side < 2; ++side) {
        const QString text = QStringLiteral("color:%1;background:transparent;")
                                 .arg(CssColour(colours[side == 0 ? HomeText : GuestsText]));
        setsWonLabels[side]->setStyleSheet(text);
        timeoutLabels[side]->setStyleSheet(text);
    }
}

void DisplayWindow::createPanels() {
    // Both lower panels reach down to the sponsor band: nothing of the score band shows
    // under them.
    overlayPanels[1] = Panel(this, 0, 6720, 7335, 3060);
    scorerTitle =
        Label(overlayPanels[1], 0, 0, 7335, 495, QStringLiteral("HA FATTO IL PUNTO:"), 15.75);
    scorerPhoto = Image(overlayPanels[1], 0, 480, 4260, 2325);
    scorerName = Label(overlayPanels[1], 3150, 480, 4140, 555, QString(), 21.75, Qt::AlignRight);
    scorerNumberBackdrop =
        Label(overlayPanels[1], 4320, 1080, 3135, 1935, QStringLiteral("99"), 78);
    scorerNumber = Label(overlayPanels[1], 4260, 1020, 3135, 1695, QStringLiteral("99"), 78);
    // Both from their tops: the shadow keeps only its designed 60-twip offset.
    for (QLabel* e : {scorerNumberBackdrop, scorerNumber}) {
        e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    scorerBall = Container(overlayPanels[1], QStringLiteral(":/display/ball_in_hands.png"));

    overlayPanels[0] = Panel(this, 0, 4020, 7335, 3060);
    statisticsTitle = Fitted(overlayPanels[0], 0, 0, 7335, 495, QString(), 15.75);
    for (int i = 0; i < 2; ++i) {
        statisticsTeamNames[i] =
            Fitted(overlayPanels[0], i == 0 ? 0 : 5400, 480, 1815, 855, QString(), 12);
        statisticsLogos[i] = Image(overlayPanels[0], i == 0 ? 1800 : 4560, 480, 850, 850);
        // Apart, as the scores are: "25 20", not "2520".
        statisticsTotals[i] =
            Fitted(overlayPanels[0], i == 0 ? 2650 : 3705, 480, 855, 855, QString(), 36);
    }
    for (int i = 0; i < 4; ++i) {
        const int top = 1320 + 360 * i;
        statisticsHomeNames[i] =
            Fitted(overlayPanels[0], 0, top, 2655, 375, QString(), 12, Qt::AlignLeft);
        statisticsHomePoints[i] = Label(overlayPanels[0], 2640, top, 975, 375, QString(), 14.25);
        statisticsGuestsPoints[i] = Label(overlayPanels[0], 3600, top, 975, 375, QString(), 14.25);
        statisticsGuestsNames[i] =
            Fitted(overlayPanels[0], 4560, top, 2655, 375, QString(), 12, Qt::AlignRight);
    }
    for (QFrame* f : overlayPanels) {
        f->setStyleSheet(QStringLiteral("QFrame{background-color:#10204a;} QLabel{color:white;}"));
    }

    presentationCard = Panel(this, 7260, 0, 2415, 3675);
    // It rests under the right border; a window without borders would show its edge.
    presentationCard->hide();
    presentationHeading = Label(presentationCard, 0, 0, 2415, 255, QString(), 9.75);
    presentationPhoto = Image(presentationCard, 0, 240, 2115, 3195);
    presentationSide =
        Label(presentationCard, 2200, 720, 195, 1635, QStringLiteral("L O C A L I"), 12);
    presentationSide->setFont(Character(QStringLiteral("Courier New"), 12, true));
    presentationSide->setWordWrap(true);
    presentationNumber = Label(presentationCard, 1680, 2760, 735, 675, QStringLiteral("99"), 26.25);
    presentationRole = Label(presentationCard, 0, 3420, 2415, 255, QString(), 9.75);

    // The banner is drawn: its backdrop as a picture, its words over it in the language of
    // the day, fitted to their box.
    bannerIcon = Image(this, 9960, 2520, 3300, 720);
    bannerText = Fitted(bannerIcon, 1120, 80, 2060, 560, QStringLiteral("MATCH POINT"), 15.75);
    spareImage = Container(this, QString());
    Place(spareImage, 1380, 3420, 1095, 495);
    const char* resources[5] = {":/display/athlete.png", nullptr, nullptr, nullptr, nullptr};
    for (int i = 0; i < 5; ++i) {
        builtInPictures[i] =
            Container(this, resources[i] ? QString::fromLatin1(resources[i]) : QString());
    }
}

void DisplayWindow::layOutControls() {
    if (isMinimized()) {
        return;
    }
    emit resized();
    if (isMaximized() || isFullScreen()) {
        savePosition();
    }
    GeometryScale(geometry_, InTwips(frameGeometry().size()), controls_, true);
    sidesShownSwapped_ = false;
    afterLayout();
    setBand();
    showSides();
}
