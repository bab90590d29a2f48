#include "console/Startup.h"
#include "console/ui/ConsoleWindow.h"
#include "control/Remote.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/ScreenFollower.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "shared/ScreenFit.h"
#include "shared/SettingsTable.h"
#include "shared/UserData.h"
#include "teams/Teams.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

// The start-up sequence; it is also the reload-everything routine, so it must be safe to rerun.
// A match under way keeps its place in the match: set, history, partials and selection.
void ConsoleWindow::load() {
    const bool inProgress = !match_.History.isEmpty();
    // The teams chosen in the lists are chosen again once the lists are read anew; a match under
    // way keeps the names of teams no list holds (a loaded match).
    std::array<QString, 2> chosenTeams;
    for (int side = 0; side < 2; ++side) {
        if (const QListWidgetItem* item = teamLists[side]->currentItem()) {
            chosenTeams[side] = item->text();
        }
    }
    const auto teamNames = match_.TeamName;
    const auto shownNames = match_.Display.Name;
    DefaultRules(match_);
    common_.ProgramFolder = ProgramFolder(platform_.folders);
    common_.DataFolder = DecideDataFolder(platform_.folders, common_.ProgramFolder);
    const StartupValues values = ReadSettings(platform_.settings, common_);
    if (values.CheerInterval) {
        cheerTimer.setInterval(*values.CheerInterval);
    }

    PanelColours colours = display_->Colours();
    if (ReadPanelColours(common_.PanelColoursText, colours)) {
        display_->ApplyColours(colours);
    }
    setWindowTitle(QStringLiteral("Brivanta : MATCH.txt"));
    display_->setWindowTitle(QStringLiteral("Brivanta"));
    previewTimer.setInterval(values.DisplayInterval);
    languageActions[0]->setChecked(common_.Languages.CurrentLanguage == QStringLiteral("ITA"));
    platform_.dialogs.SetLanguage(common_.Languages.CurrentLanguage);
    match_.AnimatedPanel = 0;
    match_.CountdownCancelled = false;
    if (!inProgress) {
        match_.Partials = {};
    }

    // The sequence reruns after the editors: a display already open keeps where it was put.
    const bool opening = !display_->isVisible();
    display_->setWindowState(display_->windowState() &
                             ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    if (opening) {
        display_->move(0, 0);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(ConsolePosition(frameGeometry().size(), screen->availableGeometry()));
    }

    loadLanguages();

    if (!inProgress) {
        match_.CurrentSet = 1;
        match_.History.clear();
        match_.SelectedLine = -1;
    }
    match_.SetLabel = SetLabelFor(match_.CurrentSet, common_.Languages);
    statisticsChoiceList->clear();
    statisticsChoiceList->addItem(common_.Translate(QStringLiteral("Della partita")));
    for (int set = 1; set <= static_cast<int>(match_.Partials.size()); ++set) {
        statisticsChoiceList->addItem(SetLabelFor(set, common_.Languages));
    }
    statisticsChoiceList->setCurrentRow(0);
    statisticsTimer.stop();
    match_.Display.Name = {common_.Translate(QStringLiteral("Locali")),
                           common_.Translate(QStringLiteral("Ospiti"))};
    showCaptions();
    geometry_ = RecordGeometry(InTwips(area_->size()), controls_);
    fitCaptions();
    match_.Display.Serving = {false, false};
    const std::array<QString, 2> unnamed = {QStringLiteral("Home"), QStringLiteral("Guests")};
    match_.TeamName = unnamed;
    for (int side = 0; side < 2; ++side) {
        if (inProgress && teamNames[side] != unnamed[side]) {
            match_.TeamName[side] = teamNames[side];
            match_.Display.Name[side] = shownNames[side];
        }
    }

    display_->show();
    const QString chosen = ReadText(platform_.settings, Setting::DisplayScreen);
    follow_->setChosen(chosen);
    const bool saved = values.Top && values.Left;
    // A TV beside the laptop, or the screen chosen in the options: the display opens there.
    if (!chosen.isEmpty() || (!saved && QGuiApplication::screens().size() >= 2)) {
        follow_->place();
    } else if (saved) {
        QList<QRect> screens;
        if (const QScreen* first = QGuiApplication::primaryScreen()) {
            screens.append(first->geometry());
        }
        for (const QScreen* screen : QGuiApplication::screens()) {
            screens.append(screen->geometry());
        }
        display_->move(
            DisplayPosition({TwipsInPixel(*values.Left), TwipsInPixel(*values.Top)}, screens));
        if (values.FullScreen) {
            display_->showFullScreen();
            follow_->remember();
        } else {
            display_->showMaximized();
        }
    } else if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && opening) {
        display_->setGeometry(DisplayOnSharedScreen(screen->availableGeometry()));
        displayInFront_ = true;
    }
    if (const auto teams = ListTeams(common_.DataFolder)) {
        for (QListWidget* list : teamLists) {
            list->clear();
            list->addItems(*teams);
        }
    }
    for (int side = 0; side < 2; ++side) {
        const auto found = teamLists[side]->findItems(chosenTeams[side], Qt::MatchExactly);
        if (!chosenTeams[side].isEmpty() && !found.isEmpty()) {
            teamLists[side]->setCurrentItem(found.first());
            chooseTeam(side);
        }
    }
    keys_ = KeysMap::Read(platform_.settings);
    showKeyTips(); // the captions were drawn before the stored keys were read
    remote_->Safety().SetSecret(RemoteSecret(platform_.settings));
    startLive(values.LivePort, values.LanLive);
    startVenue();
    showMatch();
}
