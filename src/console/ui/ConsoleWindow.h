#pragma once

#include "console/ConsoleState.h"
#include "control/Actions.h"
#include "control/Commands.h"

#include "match/Match.h"
#include "match/MatchView.h"
#include "shared/CommonSettings.h"
#include "shared/Geometry.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/Images.h"
#include "sound/Audio.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

struct Platform;
class DisplayWindow;
class CountdownOverlay;
class Broadcast;
class Remote;
class EmergencyCopy;
class CourtPublisher;
class Archive;
class ScreenFollower;

// The operator's console. Handlers gather what the operator did and hand it to the logic.
class ConsoleWindow : public QMainWindow, private MatchView {
    Q_OBJECT
  public:
    explicit ConsoleWindow(Platform& platform);
    ~ConsoleWindow() override;

    // The start-up sequence; also reloads everything after the options and the editors.
    void load();
    // At start, once: when the last run did not end through "Esci" and the emergency copy
    // holds a match under way, offers it back; a declined one goes to the backups.
    void resumeIfInterrupted();
    // At the first start, before anything else: which language to speak, offered from the
    // system's locale ("de_DE"); stored, so no later start asks.
    void askLanguageOnce(const QString& systemLocale);
    const Match& match() const { return match_; }
    // The options window. A match under way goes on: only its rules are locked there.
    void openSettings();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Tests read the console and drive its handlers through this one probe.
    friend class ConsoleProbe;

    // ConsoleWindow.cpp: the window, its connections and the drawing of the match.
    void connectControls();
    void showMatch();

    // ConsoleLayout.cpp: the controls, the menus and their scaled layout.
    void createControls();
    void createMenu();
    void createSetEndNote();
    void enumerateControls();
    void layOutControls();
    // A translation wider than its button: on two lines where there is room, else smaller.
    void fitCaptions();

    // ConsoleCaptions.cpp, ConsoleLanguages.cpp: the texts and the language.
    void showCaptions();
    // The tooltips of the controls a key reaches, each ending in its key ("… (F5)").
    void showKeyTips();
    // Loads Languages.csv from the program folder and rebuilds the language menu.
    void loadLanguages();
    void chooseLanguage(int index);

    // ConsoleScore.cpp: the score click and what the match logic asks back (MatchView).
    void changeScore(int index);
    void choosePointType(int index);
    // The five point-type buttons drawn from the state: the chosen one checked and underlined.
    void showPointType();
    QString currentTime() const;
    // Messages and windows a score click raises wait until both windows show its result and
    // the emergency copy holds it: the hall never sees a stale score behind a box, and a crash
    // while one is open loses nothing.
    void showDeferred();
    void Warning(const QString& text) override;
    void LockConsole() override;
    void StartBlink() override;
    void StartScroll() override;
    void OpenCourtChange() override;
    void MatchEnd() override;
    void RefusedCode(int side) override;

    // ConsoleHistory.cpp: the history list in words, mending a scorer, the set's end note.
    void showHistory();
    void showHistoryMenu(const QPoint& where);
    // Credits the rally of a history line to another athlete of its side, chosen in a window.
    void editScorer(int line);
    // The note stays from a set's end until the next point, or until the operator closes it.
    void showSetEndNote();
    void closeSetEndNote();
    void swapSidesFromNote();

    // ConsoleMatch.cpp: lock, undo and rollback, timeouts, new match and exit.
    void toggleLock();
    // The rollback and Undo ask first, except for the remote, whose page asked.
    void rollBackToSelectedLine(bool ask = true);
    void undoLastLine(bool ask = true);
    // The operator's rollback to a history line, or Undo's, which may take back the last line.
    void rollBackTo(int line, bool forUndo, bool ask);
    void callTimeout(int index);
    // A timeout granted without the question; the refusal's text otherwise.
    std::optional<QString> grantTimeout(int index);
    void openCountdown(const QString& text, bool courtChange);
    // The countdown window while it is open.
    CountdownOverlay* countdown() { return countdown_; }
    bool abandonMatch(const char* question);
    void newMatch();
    void newMatchFromButton();
    void exitProgram();

    // ConsoleTeams.cpp: the teams, the athlete a point goes to, the editor and team packages.
    void doubleClick(int side);
    void chooseTeam(int index);
    // Chooses the team named in a loaded file, when its list holds it.
    void chooseFromFile(int side, const QString& name);
    // A side's roster list drawn from the state.
    void showRoster(int side);
    void showLogo(int side, const QImage& logo);
    ImageCache& logos() { return logos_; }
    void pickAthlete(int index);
    void scoreForAthlete(int index);
    // The picked athlete's photo, decoded ahead for the display.
    void prepareScorerPhoto(int side);
    // The code in the side's box as the operator would give it: the roster's row when it
    // holds the code, else the code as typed.
    void chooseCode(int side, const QString& code);
    void codeBoxChanged(int index);
    // The roster row of a side whose code is `code` (any case), or -1.
    int codeLine(int side, const QString& code) const;
    void openTeamEditor();
    // A team package from a file, before the match is locked; the team lists follow.
    void importTeam();
    void importTeamFile(const QString& file);

    // ConsoleKeys.cpp: the console without the mouse.
    // Every action a key or the remote reaches, through the handler of its button; nothing
    // happens when that button is disabled. False then.
    bool runAction(Action a);
    // A key of the map pressed: the pending code goes to the side a +1 key names.
    void runKey(Action a);
    // The keys: the map, the pending code, Return and Tab as an operator expects them.
    bool pressedKey(QWidget* recipient, const QKeyEvent& e);
    void showPendingCode();
    void setUpTabOrder();
    const KeysMap& keys() const { return keys_; }
    void setKeys(const KeysMap& keys);
    const QString& pendingCode() const { return pendingCode_; }
    // The key map's window.
    void openKeysWindow();

    // ConsoleFiles.cpp: the match file, the emergency copy and the backups.
    void saveMatch();
    // False when it could not be written; `reason` (when given) says why.
    bool saveMatchTo(const QString& path, QString* reason = nullptr);
    void loadMatch();
    void loadMatchFromButton();
    // Reads a match file; only a real match file replaces the running match.
    void loadMatchFile(const QString& path);
    void loadEmergencyCopy();
    QString emergencyPath() const;
    // After every change the operator made, so a crash loses nothing. The copy is written on
    // a worker thread: the click hands the text over and goes on.
    void saveEmergencyCopy();
    // Waits for the emergency copy on disk to hold the last change; false after `ms`.
    bool waitForCopy(int ms = 5000);
    // Told once per run of failures.
    void copyNotWritten(const QString& path, const QString& reason);
    void copyMoved(const QString& folder, const QString& reason);
    const EmergencyCopy& emergencyCopy() const { return *copy_; }
    // A backup of the running match, when points were played in it.
    void keepMatch();
    void backupNotWritten(const QString& folder, const QString& reason = {});
    // The settings file kept as it was; told once per run of failures.
    void settingsNotWritten(const QString& file, const QString& reason);
    Archive& backups() { return *archive_; }
    // Opens the backups folder.
    void openBackupsFolder();

    // ConsoleDisplay.cpp: the display from the console, its preview and the event light.
    void putDisplayFullScreen();
    // Esc on the display: the console comes to the front, and a display full screen over the
    // console's own screen becomes a window again.
    void displayEsc();
    void saveDisplayPosition();
    ScreenFollower& follows() { return *follow_; }
    void zoom(bool plus);
    void zoomIn();
    void zoomOut();
    // The display's zoom, with the caption of the button that undoes it.
    void zoomAll(bool what);
    void toggleZoomAll();
    // The note's button is the operator's answer already: it swaps without asking.
    void swapDisplaySides(bool ask = true);
    // A new or loaded match starts with home on the left (the operator may decline).
    void restoreDirection();
    // The band switched on again: normal orientation, proportional layout.
    void displayNormal();
    DisplayWindow& display() { return *display_; }
    void sponsorHeightTick();
    void displayTick();
    void refreshPreview();
    void framesTick();
    void showEventLight(bool animation, const QString& text = {});

    // ConsoleStatistics.cpp: statistics, the end-of-match cycle, the overlays, points summary.
    void showStatistics();
    void startEndStatistics();
    void showStatisticsOfChosenSet();
    void statisticsTick();
    void showLeadingTeam();
    void showLastPoints();
    void showTeamStatistics(int index);

    // ConsolePresentation.cpp, ConsoleSounds.cpp, ConsoleSponsors.cpp, ConsoleHelp.cpp,
    // ConsoleReport.cpp, ConsoleSettings.cpp: the windows and commands around the match.
    void togglePresentation();
    void Cheer(int pointType) override;
    void cheerTick();
    void openSoundsWindow();
    Player& audio() { return player_; }
    void openSponsorManager();
    void openHelp();
    void openTeamHelp();
    void openSponsorHelp();
    void openAboutBox();
    void checkForUpdates();
    // The post-match pack: report.pdf, play-by-play.csv and result.png in a chosen folder.
    void writeReport();
    // Every setting to one file for a new laptop, and back.
    void exportSettings();
    void importSettings();

    // ConsoleLive.cpp, ConsoleRemote.cpp, ConsoleVenue.cpp: the console on the network.
    // Starts the live server with the stored port and LAN switch, or stops it (port 0);
    // a port that cannot be had is told once.
    void startLive(quint16 port, bool lan);
    // The live output: the console's change notice reaches it once per change.
    Broadcast& live() { return *live_; }
    void startRemote();
    // A remote request's command; the refusal's text when the console would not do it.
    std::optional<QString> runRemote(const Command& command);
    Remote& remoteControl() { return *remote_; }
    // The remote's pairing link, its phones and its secret.
    void openRemoteWindow();
    // The court on the venue's broker, when the settings name one.
    void startVenue();
    void publishCourt();
    void showVenueState();
    // "Venue <court>: connected", "…: refused: <reason>"; empty without a broker.
    QString venueState() const;

    std::array<QPushButton*, 4> scoreButtons;
    QPushButton* exitButton;
    QPushButton* lockButton;
    QPushButton* statisticsButton;
    QPushButton* endStatisticsButton;
    QPushButton* leadingTeamButton;
    QPushButton* lastPointsButton;
    QPushButton* presentationButton;
    QPushButton* fullScreenButton;
    QPushButton* zoomInButton;
    QPushButton* saveMatchButton;
    QPushButton* loadMatchButton;
    QPushButton* newMatchButton;
    QPushButton* swapSidesButton;
    QPushButton* optionsButton;
    QPushButton* undoButton;
    QPushButton* refreshPreviewButton;
    QPushButton* zoomAllButton;
    QPushButton* zoomOutButton;
    // One click for a timeout, beside each side's stopwatch.
    std::array<QPushButton*, 2> timeoutButtons;
    std::array<QRadioButton*, 5> pointTypeButtons;
    QRadioButton* sidesSwappedMark;
    std::array<QListWidget*, 2> teamLists;
    std::array<QListWidget*, 2> rosterLists;
    QListWidget* historyList;
    QListWidget* statisticsList;
    QListWidget* statisticsChoiceList;
    std::array<QLineEdit*, 2> codeBoxes;
    std::array<QLabel*, 2> scoreLabels;
    std::array<QLabel*, 2> teamNameLabels;
    QLabel* teamChoiceCaption;
    std::array<QLabel*, 2> setsWonLabels;
    QLabel* historyCaption;
    std::array<QLabel*, 2> timeoutLabels;
    QLabel* statisticsCaption;
    QLabel* eventLight;
    QLabel* previewCaption;
    std::array<QLabel*, 2> timeoutIcons;
    std::array<QLabel*, 2> teamLogos;
    QLabel* previewImage;
    QLabel* previewCopy;
    QFrame* setEndNote;
    QLabel* setEndNoteText;
    QPushButton* setEndSwapButton;
    QPushButton* setEndCloseButton;

    QMenu* fileMenu;
    QAction* newMatchAction;
    QAction* saveMatchAction;
    QAction* loadMatchAction;
    QAction* soundsAction;
    QAction* teamEditorAction;
    QAction* importTeamAction;
    QAction* sponsorAction;
    QAction* saveDisplayPositionAction;
    QMenu* statisticsMenu;
    QAction* matchStatisticsAction;
    std::array<QAction*, 5> setStatisticsActions; // menu1set .. menu5set
    QAction* lastPointsAction;
    QAction* presentationAction;
    QAction* exitAction;
    QMenu* optionsMenu;
    QMenu* languageMenu;
    std::vector<QAction*> languageActions;
    QMenu* helpMenu;
    QAction* aboutAction;
    QAction* emergencyCopyAction;
    QAction* backupsFolderAction;
    QAction* updatesAction;
    QAction* helpAction;
    QAction* sponsorHelpAction;
    QAction* teamHelpAction;
    QMenu* reportMenu;
    QAction* reportAction;
    QAction* keysAction;
    QAction* remoteAction;
    QAction* exportSettingsAction;
    QAction* importSettingsAction;

    QTimer bandLayoutTimer;
    QTimer previewTimer;
    QTimer cheerTimer;
    QTimer statisticsTimer;
    QTimer blinkTimer;

    Platform& platform_;
    CommonSettings common_;
    Player player_;
    Match match_;
    ConsoleState state_;
    std::unique_ptr<DisplayWindow> display_;
    // Drawn on the display, which owns it; made at the first countdown.
    CountdownOverlay* countdown_ = nullptr;
    std::unique_ptr<Broadcast> live_;
    std::unique_ptr<Remote> remote_;
    std::unique_ptr<CourtPublisher> court_;
    QLabel* venueMark = nullptr;
    bool courtPending_ = false;
    bool loadingFile_ = false;
    std::unique_ptr<EmergencyCopy> copy_;
    bool copyFailing_ = false;
    // The console's frame checked against its screen once a window manager has drawn it.
    bool placed_ = false;
    // A display sharing the console's screen is brought in front once, when the console shows.
    bool displayInFront_ = false;
    std::unique_ptr<Archive> archive_;
    std::unique_ptr<ScreenFollower> follow_;
    KeysMap keys_;
    // The key map the tooltips show.
    QString pendingCode_;
    std::optional<std::pair<quint16, bool>> liveStarted_;
    QWidget* area_ = nullptr;
    int frameColour_ = 0;
    std::optional<bool> redLight_;
    // Logos are decoded on the side; each side shows its default until its own arrives.
    ImageCache logos_;
    // Each side's logo until its team's own arrives.
    std::array<QPixmap, 2> defaultLogos_;
    std::array<QString, 2> logoExpected_;
    // What the history list was drawn from: a click redraws only the lines after the first
    // that changed, unless the language or a team changed them all.
    MatchHistory shownHistory_;
    QString shownLanguage_;
    std::array<QString, 2> shownTeams_;
    // The set-start line a set's end added, while its note is up; -1 without a note.
    int setEndLine_ = -1;
    int statisticsStep_ = 0;
    bool clickInProgress_ = false;
    // A remote action's messages wait for the next turn, after its answer has gone out.
    bool remoteInProgress_ = false;
    std::vector<std::function<void()>> deferred_;
    // Zoom All: the next click magnifies (false) or returns to normal (true).
    bool enlarged_ = false;
    Controls controls_;
    ControlsGeometry geometry_;
};
