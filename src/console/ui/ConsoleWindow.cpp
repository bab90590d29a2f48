#include "console/ui/ConsoleWindow.h"

#include "console/Messages.h"
#include "control/Remote.h"
#include "display/ui/CountdownOverlay.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/ScreenFollower.h"
#include "live/Broadcast.h"
#include "live/Snapshot.h"
#include "match/Archive.h"
#include "match/EmergencyCopy.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/LiveServer.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "shared/ScreenFit.h"
#include "venue/CourtPublisher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int DrawingWidth = 17820;
constexpr int DrawingHeight = 9630;
} // namespace

ConsoleWindow::ConsoleWindow(Platform& platform)
    : platform_(platform), player_(platform.audio, platform.dialogs) {
    setObjectName(QStringLiteral("ConsoleWindow"));
    copy_ = std::make_unique<EmergencyCopy>(platform_.disk, platform_.folders.Temporary(),
                                            platform_.folders.User());
    connect(copy_.get(), &EmergencyCopy::Failed, this, &ConsoleWindow::copyNotWritten);
    connect(copy_.get(), &EmergencyCopy::Resumed, this, [this] { copyFailing_ = false; });
    connect(copy_.get(), &EmergencyCopy::Moved, this, &ConsoleWindow::copyMoved);
    const QString user = platform_.folders.User();
    archive_ = std::make_unique<Archive>(
        platform_.disk,
        user.isEmpty() ? QString() : QDir(user).filePath(QStringLiteral("Backups")));
    connect(archive_.get(), &Archive::Failed, this, &ConsoleWindow::backupNotWritten);
    platform_.settings.WhenNotStored(
        [this](const QString& file, const QString& reason) { settingsNotWritten(file, reason); });
    createControls();
    createMenu();
    area_->setFixedSize(TwipsInPixel(DrawingWidth), TwipsInPixel(DrawingHeight));
    adjustSize();
    area_->setMinimumSize(0, 0);
    area_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    area_->installEventFilter(this);
    bandLayoutTimer.setInterval(100);
    previewTimer.setInterval(500);
    cheerTimer.setInterval(10000);
    statisticsTimer.setInterval(10000);
    blinkTimer.setInterval(2000);
    enumerateControls();
    connectControls();
    display_ = std::make_unique<DisplayWindow>(platform_, match_, common_, player_);
    follow_ = std::make_unique<ScreenFollower>(*display_, *this);
    connect(display_.get(), &DisplayWindow::eventLightChanged, this,
            [this](bool inProgress, const QString& text) { showEventLight(inProgress, text); });
    connect(display_.get(), &DisplayWindow::resized, this, [this] { bandLayoutTimer.start(); });
    live_ = std::make_unique<Broadcast>(
        platform_.live,
        [this](qint64 version) {
            const bool count = countdown_ != nullptr && countdown_->isOpen();
            return LiveState({match_, display_->screenState(), display_->presentation(),
                              common_.Languages, common_.DataFolder, count,
                              count && countdown_->courtChange(),
                              count ? state_.CountdownText : QString()},
                             version);
        },
        [this] { return common_.DataFolder; });
    connect(display_.get(), &DisplayWindow::changed, live_.get(), &Broadcast::Changed);
    connect(display_.get(), &DisplayWindow::animationStarted, this, [this] {
        showEventLight(true);
        blinkTimer.stop();
    });
    connect(display_.get(), &DisplayWindow::animationFinished, this, [this] {
        showEventLight(false);
        blinkTimer.start();
    });
    connect(&logos_, &ImageCache::ReadyImage, this, [this](const QString& path, int w) {
        for (int side = 0; side < 2; ++side) {
            if (logoExpected_[side] == path) {
                showLogo(side, logos_.Image(path, w));
            }
        }
    });
    qApp->installEventFilter(this);
    setAcceptDrops(true);
    codeBoxes[0]->setFocus();
    startRemote();
    showEventLight(false);
    // Enabled by design: the band-off layout 100 ms after loading, the live preview.
    bandLayoutTimer.start();
    previewTimer.start();
}

ConsoleWindow::~ConsoleWindow() {
    platform_.settings.WhenNotStored({});
}

void ConsoleWindow::connectControls() {
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
    connect(&bandLayoutTimer, &QTimer::timeout, this, [this] { sponsorHeightTick(); });
    connect(&previewTimer, &QTimer::timeout, this, [this] { displayTick(); });
    connect(&blinkTimer, &QTimer::timeout, this, [this] { framesTick(); });
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
    connect(&statisticsTimer, &QTimer::timeout, this, [this] { statisticsTick(); });
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
    connect(&cheerTimer, &QTimer::timeout, this, [this] { cheerTick(); });
    connect(historyList, &QListWidget::itemDoubleClicked, this,
            [this] { rollBackToSelectedLine(); });
    historyList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(historyList, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& where) { showHistoryMenu(where); });
    connect(setEndSwapButton, &QPushButton::clicked, this, [this] { swapSidesFromNote(); });
    connect(setEndCloseButton, &QPushButton::clicked, this, [this] { closeSetEndNote(); });
    connect(undoButton, &QPushButton::clicked, this, [this] { undoLastLine(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitProgram(); });
    connect(newMatchButton, &QPushButton::clicked, this, [this] { newMatchFromButton(); });
    connect(optionsButton, &QPushButton::clicked, this, [this] { openSettings(); });
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
        connect(timeoutButtons[i], &QPushButton::clicked, this, [this, i] { callTimeout(i); });
        timeoutIcons[i]->installEventFilter(this);
        teamLogos[i]->installEventFilter(this);
    }
    setUpTabOrder();
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
            pressedKey(w, *static_cast<QKeyEvent*>(event))) {
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

void ConsoleWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (std::exchange(displayInFront_, false)) {
        display_->raise();
    }
    if (std::exchange(placed_, true)) {
        return;
    }
    // Before the first show a window manager's frame is unknown: its border could hang off.
    QTimer::singleShot(0, this, [this] {
        if (const QScreen* s = screen(); s && !s->availableGeometry().contains(frameGeometry())) {
            move(ConsolePosition(frameGeometry().size(), s->availableGeometry()));
        }
    });
}

void ConsoleWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    platform_.dialogs.Message(common_.Translate(ConsoleMessages::UseExit), Buttons::Ok);
}

void ConsoleWindow::showMatch() {
    for (int i = 0; i < 2; ++i) {
        scoreLabels[i]->setText(QString::number(match_.Points[i]));
        setsWonLabels[i]->setText(QString::number(match_.SetsWon[i]));
        timeoutLabels[i]->setText(QString::number(match_.TimeoutsCalled[i]));
        teamNameLabels[i]->setText(match_.TeamName[i]);
        rosterLists[i]->setEnabled(match_.ActiveScore);
        timeoutIcons[i]->setEnabled(match_.ActiveTimeouts);
        timeoutButtons[i]->setEnabled(match_.ActiveTimeouts);
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
    // A match under way shuts only what would replace it, its teams or its rules.
    for (QAction* item : {newMatchAction, loadMatchAction, teamEditorAction, importTeamAction,
                          exitAction, importSettingsAction}) {
        item->setEnabled(!match_.Locked);
    }

    showHistory();
    showSetEndNote();
    display_->showMatch();
    live_->Changed();
    publishCourt();
}
