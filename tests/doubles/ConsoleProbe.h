#pragma once

#include "console/ui/ConsoleWindow.h"
#include "display/ui/CountdownOverlay.h"
#include "doubles/DisplayProbe.h"

#include <QListWidget>
#include <QMenu>
#include <QStringList>
#include <optional>

// A console under test: the real window, read through what the operator sees and driven through
// the handlers its buttons, keys and timers call. Only the widgets that take typing and clicks
// are handed out, for the tests that drive them key by key.
class ConsoleProbe {
  public:
    explicit ConsoleProbe(Platform& platform) : w_(platform) {}
    ConsoleProbe(const ConsoleProbe&) = delete;
    ConsoleProbe& operator=(const ConsoleProbe&) = delete;

    ConsoleWindow& window() { return w_; }
    Match& match() { return w_.match_; }
    const CommonSettings& common() const { return w_.common_; }
    const ControlsGeometry& geometry() const { return w_.geometry_; }
    DisplayProbe display() { return DisplayProbe(*w_.display_); }
    CountdownOverlay* countdown() { return w_.countdown(); }
    // The open countdown: its reason, the seconds it shows, and one tick of its timer.
    QLabel* countdownReasonLabel() const { return w_.countdown_->reasonLabel; }
    QLabel* countdownSecondsLabel() const { return w_.countdown_->secondsLabel; }
    QString countdownReason() const { return w_.countdown_->reasonLabel->text(); }
    QString countdownSeconds() const { return w_.countdown_->secondsLabel->text(); }
    void countdownTick() { w_.countdown_->tick(); }
    Broadcast& live() { return w_.live(); }
    Remote& remoteControl() { return w_.remoteControl(); }
    ScreenFollower& follows() { return w_.follows(); }
    const EmergencyCopy& emergencyCopy() const { return w_.emergencyCopy(); }
    Archive& backups() { return w_.backups(); }
    ImageCache& logos() { return w_.logos(); }
    Player& audio() { return w_.audio(); }
    const KeysMap& keys() const { return w_.keys(); }
    const QString& pendingCode() const { return w_.pendingCode(); }

    // What the operator sees.
    QString shownScore(int side) const { return w_.scoreLabels[side]->text(); }
    QString shownSets(int side) const { return w_.setsWonLabels[side]->text(); }
    QString shownTimeouts(int side) const { return w_.timeoutLabels[side]->text(); }
    QString shownTeamName(int side) const { return w_.teamNameLabels[side]->text(); }
    QRect scoreGeometry(int side) const { return w_.scoreLabels[side]->geometry(); }
    qreal scoreFontSize(int side) const { return w_.scoreLabels[side]->font().pointSizeF(); }
    QPixmap shownLogo(int side) const { return w_.teamLogos[side]->pixmap(); }
    QPixmap defaultLogo(int side) const { return w_.defaultLogos_[side]; }
    int historyCount() const { return w_.historyList->count(); }
    // The stored line, in the row's tooltip; the row itself reads in words.
    QString historyLine(int line) const { return w_.historyList->item(line)->toolTip(); }
    QString readableHistoryLine(int line) const { return w_.historyList->item(line)->text(); }
    QString lastHistoryLine() const { return historyLine(historyCount() - 1); }
    int selectedHistoryLine() const { return w_.historyList->currentRow(); }
    int statisticsLineCount() const { return w_.statisticsList->count(); }
    QString statisticsLine(int line) const { return w_.statisticsList->item(line)->text(); }
    QString statisticsTip(int line) const { return w_.statisticsList->item(line)->toolTip(); }
    // The note at a set's end: whether it shows, its text, and its two buttons.
    bool setEndNoteShown() const { return w_.setEndNote->isVisibleTo(&w_); }
    QString setEndNoteText() const { return w_.setEndNoteText->text(); }
    QPushButton* setEndSwapButton() { return w_.setEndSwapButton; }
    QPushButton* setEndCloseButton() { return w_.setEndCloseButton; }
    QStringList statisticsChoices() const { return Items(w_.statisticsChoiceList); }
    int chosenStatistics() const { return w_.statisticsChoiceList->currentRow(); }
    QStringList teamChoices(int side) const { return Items(w_.teamLists[side]); }
    QStringList rosterLines(int side) const { return Items(w_.rosterLists[side]); }
    int chosenRosterLine(int side) const { return w_.rosterLists[side]->currentRow(); }
    QString lockCaption() const { return w_.lockButton->text(); }
    QString exitCaption() const { return w_.exitButton->text(); }
    QString zoomAllCaption() const { return w_.zoomAllButton->text(); }
    bool undoEnabled() const { return w_.undoButton->isEnabled(); }
    bool exitEnabled() const { return w_.exitButton->isEnabled(); }
    bool endStatisticsEnabled() const { return w_.endStatisticsButton->isEnabled(); }
    bool optionsMenuEnabled() const { return w_.optionsMenu->menuAction()->isEnabled(); }
    // Whether the File or Options menu item with this caption can be chosen; nothing when
    // neither menu has it.
    std::optional<bool> menuItemEnabled(const QString& caption) const {
        for (const QMenu* menu : {w_.fileMenu, w_.optionsMenu}) {
            for (const QAction* item : menu->findChildren<QAction*>()) {
                if (item->text() == caption) {
                    return menu->menuAction()->isEnabled() && item->isEnabled();
                }
            }
        }
        return std::nullopt;
    }
    bool pointTypeShownChosen(int type) const {
        return w_.pointTypeButtons[type]->font().underline();
    }
    bool sidesSwappedShown() const { return w_.sidesSwappedMark->isChecked(); }
    QString eventLightText() const { return w_.eventLight->text(); }
    QString eventLightStyle() const { return w_.eventLight->styleSheet(); }
    QPixmap previewPicture() const { return w_.previewImage->pixmap(); }
    QSize previewSize() const { return w_.previewImage->size(); }
    const std::vector<QAction*>& languageActions() const { return w_.languageActions; }
    QString windowTitle() const { return w_.windowTitle(); }
    QRect frameGeometry() const { return w_.frameGeometry(); }
    int y() const { return w_.y(); }
    bool isVisible() const { return w_.isVisible(); }
    void show() { w_.show(); }
    bool close() { return w_.close(); }
    // The drawing area the controls are laid out on.
    QWidget* centralWidget() { return w_.centralWidget(); }

    // The timers, by what they pace.
    bool blinking() const { return w_.blinkTimer.isActive(); }
    bool statisticsCycleRunning() const { return w_.statisticsTimer.isActive(); }
    bool bandLayoutPending() const { return w_.bandLayoutTimer.isActive(); }
    bool cheerRunning() const { return w_.cheerTimer.isActive(); }
    int cheerInterval() const { return w_.cheerTimer.interval(); }
    int previewInterval() const { return w_.previewTimer.interval(); }

    // The widgets that take the operator's typing, clicks and keys.
    QLineEdit* codeBox(int side) { return w_.codeBoxes[side]; }
    QPushButton* scoreButton(int index) { return w_.scoreButtons[index]; }
    QListWidget* teamList(int side) { return w_.teamLists[side]; }
    QListWidget* rosterList(int side) { return w_.rosterLists[side]; }
    QListWidget* statisticsChoice() { return w_.statisticsChoiceList; }
    QPushButton* timeoutButton(int side) { return w_.timeoutButtons[side]; }
    // The controls a key reaches, by the action, for their captions, tooltips and places.
    std::vector<std::pair<Action, QWidget*>> keyedControls() {
        auto& w = w_;
        std::vector<std::pair<Action, QWidget*>> all{
            {Action::HomePlus, w.scoreButtons[0]},
            {Action::HomeMinus, w.scoreButtons[1]},
            {Action::MinusGuests, w.scoreButtons[2]},
            {Action::PlusGuests, w.scoreButtons[3]},
            {Action::Undo, w.undoButton},
            {Action::HomeTimeout, w.timeoutIcons[0]},
            {Action::HomeTimeout, w.timeoutButtons[0]},
            {Action::GuestsTimeout, w.timeoutIcons[1]},
            {Action::GuestsTimeout, w.timeoutButtons[1]},
            {Action::Preview, w.refreshPreviewButton},
            {Action::Statistics, w.statisticsButton},
            {Action::LastPoints, w.lastPointsButton},
            {Action::LeadingTeam, w.leadingTeamButton},
            {Action::Presentation, w.presentationButton},
        };
        for (int i = 0; i < 5; ++i) {
            all.push_back(
                {static_cast<Action>(static_cast<int>(Action::Type0) + i), w.pointTypeButtons[i]});
        }
        return all;
    }

    // The operator's choices in the lists.
    void selectHistoryLine(int line) { w_.historyList->setCurrentRow(line); }
    void selectStatistics(int row) { w_.statisticsChoiceList->setCurrentRow(row); }
    void selectRosterLine(int side, int line) { w_.rosterLists[side]->setCurrentRow(line); }
    // The team named `name` chosen in a side's list, as a click on it does; false when absent.
    bool selectTeam(int side, const QString& name) {
        const auto found = w_.teamLists[side]->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) {
            return false;
        }
        w_.teamLists[side]->setCurrentItem(found.first());
        return true;
    }
    // The history list loses its last row, as if it had never been drawn.
    void forgetLastShownHistoryLine() {
        delete w_.historyList->takeItem(w_.historyList->count() - 1);
    }
    void chooseExitFromMenu() { w_.exitAction->trigger(); }

    // The handlers.
    void load() { w_.load(); }
    void resumeIfInterrupted() { w_.resumeIfInterrupted(); }
    void layOutControls() { w_.layOutControls(); }
    void changeScore(int index) { w_.changeScore(index); }
    void toggleLock() { w_.toggleLock(); }
    void choosePointType(int index) { w_.choosePointType(index); }
    void sponsorHeightTick() { w_.sponsorHeightTick(); }
    void displayTick() { w_.displayTick(); }
    void framesTick() { w_.framesTick(); }
    void refreshPreview() { w_.refreshPreview(); }
    void rollBackToSelectedLine(bool ask = true) { w_.rollBackToSelectedLine(ask); }
    void undoLastLine(bool ask = true) { w_.undoLastLine(ask); }
    void callTimeout(int index) { w_.callTimeout(index); }
    void newMatch() { w_.newMatch(); }
    void newMatchFromButton() { w_.newMatchFromButton(); }
    void exitProgram() { w_.exitProgram(); }
    void saveMatch() { w_.saveMatch(); }
    void loadMatch() { w_.loadMatch(); }
    void loadMatchFromButton() { w_.loadMatchFromButton(); }
    void loadEmergencyCopy() { w_.loadEmergencyCopy(); }
    void doubleClick(int side) { w_.doubleClick(side); }
    void chooseLanguage(int index) { w_.chooseLanguage(index); }
    void togglePresentation() { w_.togglePresentation(); }
    void showStatistics() { w_.showStatistics(); }
    void startEndStatistics() { w_.startEndStatistics(); }
    void showStatisticsOfChosenSet() { w_.showStatisticsOfChosenSet(); }
    void statisticsTick() { w_.statisticsTick(); }
    void showLeadingTeam() { w_.showLeadingTeam(); }
    void showLastPoints() { w_.showLastPoints(); }
    void showTeamStatistics(int index) { w_.showTeamStatistics(index); }
    void openSoundsWindow() { w_.openSoundsWindow(); }
    void cheerTick() { w_.cheerTick(); }
    void chooseTeam(int index) { w_.chooseTeam(index); }
    void pickAthlete(int index) { w_.pickAthlete(index); }
    void scoreForAthlete(int index) { w_.scoreForAthlete(index); }
    void openSponsorManager() { w_.openSponsorManager(); }
    void openHelp() { w_.openHelp(); }
    void openTeamHelp() { w_.openTeamHelp(); }
    void openSponsorHelp() { w_.openSponsorHelp(); }
    void openAboutBox() { w_.openAboutBox(); }
    void checkForUpdates() { w_.checkForUpdates(); }
    void openTeamEditor() { w_.openTeamEditor(); }
    void putDisplayFullScreen() { w_.putDisplayFullScreen(); }
    void saveDisplayPosition() { w_.saveDisplayPosition(); }
    void zoomIn() { w_.zoomIn(); }
    void zoomOut() { w_.zoomOut(); }
    void toggleZoomAll() { w_.toggleZoomAll(); }
    void swapDisplaySides() { w_.swapDisplaySides(); }
    void editScorer(int line) { w_.editScorer(line); }
    void writeReport() { w_.writeReport(); }
    void openKeysWindow() { w_.openKeysWindow(); }
    void importTeam() { w_.importTeam(); }
    void importTeamFile(const QString& file) { w_.importTeamFile(file); }
    void exportSettings() { w_.exportSettings(); }
    void importSettings() { w_.importSettings(); }
    void openRemoteWindow() { w_.openRemoteWindow(); }
    void openBackupsFolder() { w_.openBackupsFolder(); }
    bool runAction(Action a) { return w_.runAction(a); }
    void runKey(Action a) { w_.runKey(a); }
    std::optional<QString> runRemote(const Command& command) { return w_.runRemote(command); }
    void chooseCode(int side, const QString& code) { w_.chooseCode(side, code); }
    void codeBoxChanged(int index) { w_.codeBoxChanged(index); }
    int codeLine(int side, const QString& code) const { return w_.codeLine(side, code); }
    std::optional<QString> grantTimeout(int index) { return w_.grantTimeout(index); }
    void setKeys(const KeysMap& keys) { w_.setKeys(keys); }
    void displayEsc() { w_.displayEsc(); }
    void zoomAll(bool what) { w_.zoomAll(what); }
    void loadMatchFile(const QString& path) { w_.loadMatchFile(path); }
    QString emergencyPath() const { return w_.emergencyPath(); }
    bool waitForCopy(int ms = 5000) { return w_.waitForCopy(ms); }
    QString venueState() const { return w_.venueState(); }
    void startVenue() { w_.startVenue(); }
    void publishCourt() { w_.publishCourt(); }
    void startLive(quint16 port, bool lan) { w_.startLive(port, lan); }

  private:
    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->item(i)->text();
        }
        return items;
    }

    ConsoleWindow w_;
};
