#include "console/ui/ConsoleWindow.h"

#include "control/Remote.h"
#include "display/Animations.h"
#include "display/ui/CountdownWindow.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/ScreenFollower.h"
#include "live/Broadcast.h"
#include "live/Snapshot.h"
#include "match/Archive.h"
#include "match/EmergencyCopy.h"
#include "match/MatchFile.h"
#include "match/Score.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/LiveServer.h"
#include "platform/Platform.h"
#include "shared/Palette16.h"
#include "shared/ui/Preview.h"
#include "venue/CourtPublisher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>

namespace {
constexpr int DrawingWidth = 16575;
constexpr int DrawingHeight = 9630;
} // namespace

ConsoleWindow::ConsoleWindow(Platform& platform)
    : platform_(platform), player_(platform.audio, platform.dialogs) {
    setObjectName(QStringLiteral("ConsoleWindow"));
    copy_ = std::make_unique<EmergencyCopy>(platform_.disk, platform_.folders.Temporary(),
                                            platform_.folders.User());
    connect(copy_.get(), &EmergencyCopy::Failed, this, &ConsoleWindow::CopyNotWritten);
    connect(copy_.get(), &EmergencyCopy::Resumed, this, [this] { copyFailing_ = false; });
    const QString user = platform_.folders.User();
    archive_ = std::make_unique<Archive>(
        platform_.disk,
        user.isEmpty() ? QString() : QDir(user).filePath(QStringLiteral("Backups")));
    connect(archive_.get(), &Archive::Failed, this, &ConsoleWindow::BackupNotWritten);
    CreateControls();
    CreateMenu();
    area_->setFixedSize(TwipsInPixel(DrawingWidth), TwipsInPixel(DrawingHeight));
    adjustSize();
    area_->setMinimumSize(0, 0);
    area_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    area_->installEventFilter(this);
    SponsorHeightTimer.setInterval(100);
    DisplayTimer.setInterval(500);
    CheerTimer.setInterval(10000);
    TimerStat.setInterval(10000);
    TimerFrames.setInterval(2000);
    EnumerateControls();
    Link();
    display_ = std::make_unique<DisplayWindow>(platform_, match_, common_, player_);
    follow_ = std::make_unique<ScreenFollower>(*display_, *this);
    connect(display_.get(), &DisplayWindow::Event, this,
            [this](bool inProgress, const QString& text) { Light(inProgress, text); });
    connect(display_.get(), &DisplayWindow::Resized, this, [this] { SponsorHeightTimer.start(); });
    live_ = std::make_unique<Broadcast>(
        platform_.live,
        [this](qint64 version) {
            const bool count = countdown_ && countdown_->isVisible();
            return LiveState({match_, display_->Screen(), display_->Presentation(),
                              common_.Languages, common_.DataFolder, count,
                              count && countdown_->CourtChange(),
                              count ? state_.CountdownText : QString()},
                             version);
        },
        [this] { return common_.DataFolder; });
    connect(display_.get(), &DisplayWindow::Changed, live_.get(), &Broadcast::Changed);
    connect(display_.get(), &DisplayWindow::AnimationStarted, this, [this] {
        Light(true);
        TimerFrames.stop();
    });
    connect(display_.get(), &DisplayWindow::AnimationFinished, this, [this] {
        Light(false);
        TimerFrames.start();
    });
    connect(&logos_, &ImageCache::ReadyImage, this, [this](const QString& path, int w) {
        for (int side = 0; side < 2; ++side) {
            if (logoExpected_[side] == path) {
                ShowLogo(side, logos_.Image(path, w));
            }
        }
    });
    qApp->installEventFilter(this);
    setAcceptDrops(true);
    codeBoxes[0]->setFocus();
    StartRemote();
    Light(false);
    // Enabled by design: the band-off layout 100 ms after loading, the live preview.
    SponsorHeightTimer.start();
    DisplayTimer.start();
}

ConsoleWindow::~ConsoleWindow() = default;

void ConsoleWindow::EnumerateControls() {
    controls_.clear();
    auto with = [this](QWidget* w) { controls_.push_back({w, true}); };
    auto without = [this](QObject* o) { controls_.push_back({o, false}); };
    for (QPushButton* b : scoreButtons)
        with(b);
    for (QPushButton* b :
         {exitButton, lockButton, statisticsButton, endStatisticsButton, leadingTeamButton,
          lastPointsButton, presentationButton, fullScreenButton, zoomInButton, saveMatchButton,
          loadMatchButton, newMatchButton, swapSidesButton, optionsButton, undoButton,
          refreshPreviewButton, zoomAllButton, zoomOutButton}) {
        with(b);
    }
    for (QRadioButton* o : pointTypeButtons)
        with(o);
    with(sidesSwappedMark);
    for (QListWidget* l : teamLists)
        with(l);
    for (QListWidget* l : rosterLists)
        with(l);
    with(historyList);
    with(statisticsList);
    with(statisticsChoiceList);
    for (QLineEdit* t : codeBoxes)
        with(t);
    for (QLabel* e : scoreLabels)
        with(e);
    for (QLabel* e : teamNameLabels)
        with(e);
    with(teamChoiceCaption);
    for (QLabel* e : setsWonLabels)
        with(e);
    with(historyCaption);
    for (QLabel* e : timeoutLabels)
        with(e);
    for (QLabel* e : {statisticsCaption, eventLight, previewCaption})
        with(e);
    for (QLabel* e : timeoutIcons)
        without(e);
    for (QLabel* e : teamLogos)
        without(e);
    without(previewImage);
    for (QLabel* e : smallTeamLogos)
        without(e);
    for (QLabel* e : savedTeamLogos)
        without(e);
    without(previewCopy);
    for (QObject* m : std::initializer_list<QObject*>{
             fileMenu, newMatchAction, saveMatchAction, loadMatchAction, soundsAction,
             teamEditorAction, sponsorAction, saveDisplayPositionAction, statisticsMenu,
             matchStatisticsAction}) {
        without(m);
    }
    for (QAction* m : setStatisticsActions)
        without(m);
    for (QObject* m : std::initializer_list<QObject*>{
             lastPointsAction, presentationAction, exitAction, optionsMenu, languageMenu,
             languageActions[0], helpMenu, aboutAction, emergencyCopyAction, updatesAction,
             helpAction, sponsorHelpAction, teamHelpAction}) {
        without(m);
    }
    for (QTimer* t : {&SponsorHeightTimer, &DisplayTimer, &CheerTimer, &TimerStat, &TimerFrames}) {
        without(t);
    }
}

void ConsoleWindow::Link() {
    for (int i = 0; i < 4; ++i) {
        connect(scoreButtons[i], &QPushButton::clicked, this, [this, i] { changeScore(i); });
    }
    connect(lockButton, &QPushButton::clicked, this, [this] { toggleLock(); });
    for (int i = 0; i < 2; ++i) {
        connect(teamLists[i], &QListWidget::itemDoubleClicked, this, [this, i] { chooseTeam(i); });
        connect(rosterLists[i], &QListWidget::itemClicked, this, [this, i] { pickAthlete(i); });
        // A double-click arrives after the click of its first press: only the score is left.
        connect(rosterLists[i], &QListWidget::itemDoubleClicked, this,
                [this, i] { scoreForAthlete(i); });
    }
    for (int i = 0; i < 5; ++i) {
        connect(pointTypeButtons[i], &QRadioButton::clicked, this,
                [this, i] { choosePointType(i); });
    }
    connect(&SponsorHeightTimer, &QTimer::timeout, this, [this] { sponsorHeightTick(); });
    connect(&DisplayTimer, &QTimer::timeout, this, [this] { displayTick(); });
    connect(&TimerFrames, &QTimer::timeout, this, [this] { framesTick(); });
    connect(refreshPreviewButton, &QPushButton::clicked, this, [this] { refreshPreview(); });
    connect(presentationButton, &QPushButton::clicked, this, [this] { togglePresentation(); });
    connect(presentationAction, &QAction::triggered, this, [this] { togglePresentation(); });
    connect(soundsAction, &QAction::triggered, this, [this] { openSoundsWindow(); });
    connect(statisticsButton, &QPushButton::clicked, this, [this] { showStatistics(); });
    connect(endStatisticsButton, &QPushButton::clicked, this, [this] { startEndStatistics(); });
    connect(leadingTeamButton, &QPushButton::clicked, this, [this] { showLeadingTeam(); });
    connect(lastPointsButton, &QPushButton::clicked, this, [this] { showLastPoints(); });
    connect(lastPointsAction, &QAction::triggered, this, [this] { showLastPoints(); });
    connect(statisticsChoiceList, &QListWidget::itemDoubleClicked, this,
            [this] { showStatisticsOfChosenSet(); });
    connect(&TimerStat, &QTimer::timeout, this, [this] { statisticsTick(); });
    connect(matchStatisticsAction, &QAction::triggered, this, [this] {
        statisticsChoiceList->setCurrentRow(0);
        showStatistics();
    });
    for (int i = 0; i < 5; ++i) {
        connect(setStatisticsActions[i], &QAction::triggered, this, [this, i] {
            statisticsChoiceList->setCurrentRow(i + 1);
            showStatistics();
        });
    }
    connect(&CheerTimer, &QTimer::timeout, this, [this] { cheerTick(); });
    connect(historyList, &QListWidget::itemDoubleClicked, this,
            [this] { rollBackToSelectedLine(); });
    connect(undoButton, &QPushButton::clicked, this, [this] { undoLastLine(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitProgram(); });
    connect(newMatchButton, &QPushButton::clicked, this, [this] { newMatchFromButton(); });
    connect(optionsButton, &QPushButton::clicked, this, [this] { openOptions(); });
    connect(newMatchAction, &QAction::triggered, this, [this] { newMatch(); });
    connect(languageActions[0], &QAction::triggered, this, [this] { chooseLanguage(0); });
    connect(exitAction, &QAction::triggered, this, [this] { exitProgram(); });
    connect(saveMatchButton, &QPushButton::clicked, this, [this] { saveMatch(); });
    connect(loadMatchButton, &QPushButton::clicked, this, [this] { loadMatchFromButton(); });
    connect(sponsorAction, &QAction::triggered, this, [this] { openSponsorManager(); });
    connect(helpAction, &QAction::triggered, this, [this] { openHelp(); });
    connect(teamHelpAction, &QAction::triggered, this, [this] { openTeamHelp(); });
    connect(sponsorHelpAction, &QAction::triggered, this, [this] { openSponsorHelp(); });
    connect(aboutAction, &QAction::triggered, this, [this] { openAboutBox(); });
    connect(updatesAction, &QAction::triggered, this, [this] { checkForUpdates(); });
    connect(teamEditorAction, &QAction::triggered, this, [this] { openTeamEditor(); });
    connect(fullScreenButton, &QPushButton::clicked, this, [this] { putDisplayFullScreen(); });
    connect(saveDisplayPositionAction, &QAction::triggered, this,
            [this] { saveDisplayPosition(); });
    connect(zoomInButton, &QPushButton::clicked, this, [this] { zoomIn(); });
    connect(zoomOutButton, &QPushButton::clicked, this, [this] { zoomOut(); });
    connect(zoomAllButton, &QPushButton::clicked, this, [this] { toggleZoomAll(); });
    connect(swapSidesButton, &QPushButton::clicked, this, [this] { swapDisplaySides(); });
    connect(saveMatchAction, &QAction::triggered, this, [this] { saveMatch(); });
    connect(loadMatchAction, &QAction::triggered, this, [this] { loadMatch(); });
    connect(emergencyCopyAction, &QAction::triggered, this, [this] { loadEmergencyCopy(); });
    connect(reportAction, &QAction::triggered, this, [this] { writeReport(); });
    connect(backupsFolderAction, &QAction::triggered, this, [this] { openBackupsFolder(); });
    connect(keysAction, &QAction::triggered, this, [this] { openKeysWindow(); });
    connect(remoteAction, &QAction::triggered, this, [this] { openRemoteWindow(); });
    connect(importTeamAction, &QAction::triggered, this, [this] { importTeam(); });
    connect(exportSettingsAction, &QAction::triggered, this, [this] { exportSettings(); });
    connect(importSettingsAction, &QAction::triggered, this, [this] { importSettings(); });
    for (int i = 0; i < 2; ++i) {
        timeoutIcons[i]->installEventFilter(this);
        teamLogos[i]->installEventFilter(this);
    }
    TabOrder();
}

bool ConsoleWindow::eventFilter(QObject* object, QEvent* event) {
    if (object == area_ && event->type() == QEvent::Resize) {
        layOutControls();
    }
    if (event->type() == QEvent::KeyPress && object->isWidgetType()) {
        // Keys reach the console from either window, never from a window open over them.
        auto* w = static_cast<QWidget*>(object);
        if ((w->window() == this || w->window() == display_.get()) &&
            QApplication::activeModalWidget() == nullptr &&
            PressedKey(w, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
        return QMainWindow::eventFilter(object, event);
    }
    for (int i = 0; i < 2; ++i) {
        if (event->type() != QEvent::MouseButtonDblClick) {
            continue;
        }
        if (object == timeoutIcons[i] && timeoutIcons[i]->isEnabled()) {
            callTimeout(i);
            return true;
        }
        if (object == teamLogos[i]) {
            showTeamStatistics(i);
            return true;
        }
    }
    return QMainWindow::eventFilter(object, event);
}

void ConsoleWindow::layOutControls() {
    if (isMinimized() || geometry_.empty()) {
        return;
    }
    GeometryScale(geometry_, InTwips(area_->size()), controls_, false);
    if (venueMark != nullptr) {
        venueMark->setGeometry(width() - 22, 2, 18, 18);
    }
}

void ConsoleWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    platform_.dialogs.Message(
        common_.Translate(QStringLiteral("Usa il bottone <Esci> Per terminare l'applicazione")),
        Buttons::Ok);
}

void ConsoleWindow::choosePointType(int Index) {
    state_.PointType = Index;
    ShowPointType();
}

void ConsoleWindow::ShowPointType() {
    for (int i = 0; i < 5; ++i) {
        QFont f = pointTypeButtons[i]->font();
        f.setUnderline(i == state_.PointType);
        pointTypeButtons[i]->setFont(f);
        pointTypeButtons[i]->setText(state_.PointTypeCaptions[i]);
    }
    pointTypeButtons[state_.PointType]->setChecked(true);
}

QString ConsoleWindow::CurrentTime() const {
    return platform_.clock.Now().time().toString(QStringLiteral("HH:mm:ss"));
}

void ConsoleWindow::changeScore(int Index) {
    PointRequest r;
    r.Index = Index;
    r.Code = codeBoxes[Index <= 1 ? 0 : 1]->text();
    r.PointType = state_.PointType;
    r.Now = CurrentTime();
    for (int i = 0; i < 5; ++i) {
        r.TypeCaptions[i] = state_.PointTypeCaptions[i];
    }
    const auto linesBefore = match_.History.size();
    const bool beforeFinished = match_.FinishedMatch != 0;
    clickInProgress_ = true;
    const bool scored = ScorePoint(match_, r, common_, *this);
    clickInProgress_ = false;
    if (!beforeFinished && match_.FinishedMatch != 0) {
        KeepMatch();
        // Offered once, after the winner is announced.
        deferred_.push_back([this] {
            if (platform_.dialogs.Message(
                    common_.Translate(QStringLiteral("Vuoi creare il report della partita?")),
                    Buttons::SiNo) == Answer::Si) {
                writeReport();
            }
        });
    }
    if (scored) {
        choosePointType(0);
        rosterLists[Index <= 1 ? 0 : 1]->setCurrentRow(0);
        codeBoxes[0]->clear();
        codeBoxes[1]->clear();
        SaveEmergencyCopy();
    } else if (match_.History.size() != linesBefore) {
        // A refused point may still have opened the set's history.
        SaveEmergencyCopy();
    }
    Update();
    ShowDeferred();
}

void ConsoleWindow::ShowDeferred() {
    if (remoteInProgress_) {
        QTimer::singleShot(0, this, [this] { ShowDeferred(); });
        return;
    }
    auto deferred = std::move(deferred_);
    deferred_.clear();
    // A message keeps the hall waiting anyway: the copy on disk is whole before it opens.
    if (!deferred.empty()) {
        copy_->Wait(2000);
    }
    for (const auto& show : deferred) {
        show();
    }
}

void ConsoleWindow::sponsorHeightTick() {
    display_->LayoutWithoutSponsor();
    SponsorHeightTimer.stop();
}

void ConsoleWindow::displayTick() {
    refreshPreview();
}

void ConsoleWindow::refreshPreview() {
    DisplayCopy(*display_, *previewImage);
}

void ConsoleWindow::framesTick() {
    frameColour_ = NextFrameColour(frameColour_);
    display_->Blink(frameColour_);
}

// The event light: red while a display animation runs, green and silent after it.
void ConsoleWindow::Light(bool animation, const QString& text) {
    if (animation != redLight_) {
        redLight_ = animation;
        const Rgb c = Palette16[animation ? 4 : 2];
        eventLight->setStyleSheet(QStringLiteral("background-color:rgb(%1,%2,%3);color:white;")
                                      .arg(c.r)
                                      .arg(c.g)
                                      .arg(c.b));
    }
    if (!animation || !text.isEmpty()) {
        eventLight->setText(text);
    }
}

void ConsoleWindow::Update() {
    for (int i = 0; i < 2; ++i) {
        scoreLabels[i]->setText(QString::number(match_.Points[i]));
        setsWonLabels[i]->setText(QString::number(match_.SetsWon[i]));
        timeoutLabels[i]->setText(QString::number(match_.TimeoutsCalled[i]));
        teamNameLabels[i]->setText(match_.TeamName[i]);
        rosterLists[i]->setEnabled(match_.ActiveScore);
        timeoutIcons[i]->setEnabled(match_.ActiveTimeouts);
        teamLists[i]->setEnabled(!match_.Locked);
    }
    for (QPushButton* b : scoreButtons) {
        b->setEnabled(match_.ActiveScore);
    }
    undoButton->setEnabled(match_.UndoActive);
    endStatisticsButton->setEnabled(match_.FinalStatisticsActive);
    presentationButton->setEnabled(match_.ActivePresentation);
    lockButton->setText(
        common_.Translate(match_.Locked ? QStringLiteral("Sblocca") : QStringLiteral("Blocca")));
    exitButton->setEnabled(!match_.Locked);
    fileMenu->menuAction()->setEnabled(!match_.Locked);
    optionsMenu->menuAction()->setEnabled(!match_.Locked);

    const auto& history = match_.History;
    const bool equalPrefix =
        historyList->count() <= history.size() &&
        (historyList->count() == 0 ||
         historyList->item(historyList->count() - 1)->text() == history[historyList->count() - 1]);
    if (!equalPrefix) {
        historyList->clear();
    }
    for (qsizetype i = historyList->count(); i < history.size(); ++i) {
        historyList->addItem(history[i]);
    }
    historyList->setCurrentRow(match_.SelectedLine);
    display_->Update();
    live_->Changed();
    PublishCourt();
}

void ConsoleWindow::StartLive(quint16 port, bool lan) {
    const std::pair<quint16, bool> wanted{port, lan};
    if (liveStarted_ == wanted) {
        return;
    }
    liveStarted_ = wanted;
    remote_->Safety().SetLan(lan);
    live_->Stop();
    if (port != 0 && !live_->Start(port, lan)) {
        platform_.dialogs.Message(
            common_.Translate(
                QStringLiteral("Uscita live non disponibile: la porta è già in uso. Porta:")) +
                u' ' + QString::number(port),
            Buttons::Ok);
    }
    remote_->Safety().SetPort(live_->Port());
}

void ConsoleWindow::Warning(const QString& text) {
    const auto show = [this, text] { platform_.dialogs.Message(text, Buttons::Ok); };
    if (clickInProgress_) {
        deferred_.push_back(show);
    } else {
        show();
    }
}

void ConsoleWindow::RefusedCode(int side) {
    codeBoxes[side]->clear();
    rosterLists[side]->setCurrentRow(0);
}

void ConsoleWindow::LockConsole() {
    toggleLock();
}

void ConsoleWindow::StartBlink() {
    TimerFrames.start();
}

void ConsoleWindow::StartScroll() {
    display_->StartScroll(InView::Scorer);
}

void ConsoleWindow::OpenCourtChange() {
    const auto open = [this] {
        OpenCount(common_.Translate(QStringLiteral("Cambio campo per ultimo SET")), true);
    };
    if (clickInProgress_) {
        deferred_.push_back(open);
    } else {
        open();
    }
}

void ConsoleWindow::Cheer(int pointType) {
    player_.StopAudio();
    player_.PlayAudio(common_.CheerSounds[pointType]);
    // A duration never saved gives no interval: the sound is then not cut.
    if (CheerTimer.interval() > 0) {
        CheerTimer.start();
    }
}

void ConsoleWindow::cheerTick() {
    CheerTimer.stop();
    player_.StopAudio();
}

void ConsoleWindow::MatchEnd() {
    if (court_ && !loadingFile_) {
        // After the click: the file then holds the winning point.
        QTimer::singleShot(0, this, [this] {
            court_->PublishResult(MatchFileLines(match_, platform_.clock.Now(), common_.Languages));
        });
    }
    TimerStat.start();
    TimerFrames.stop();
    display_->StopAnimations();
}
