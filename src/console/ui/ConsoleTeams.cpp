// The console's teams: the choice of each side's team, the athlete a point goes to (roster and
// code box), the team editor and team packages (imported or dropped on the console).
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "shared/Numbers.h"
#include "shared/ui/Images.h"
#include "teams/TeamChoice.h"
#include "teams/TeamPackage.h"
#include "teams/Teams.h"
#include "teams/ui/TeamEditor.h"
#include "teams/ui/TeamPackageImport.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>

namespace {
// Logos are shown at most this wide anywhere; decoding more is wasted.
constexpr int LogoWidth = 512;
} // namespace

void ConsoleWindow::doubleClick(int side) {
    const QListWidgetItem* item = teamLists[side]->currentItem();
    const ChosenTeam s = ChooseTeam(common_.DataFolder, item != nullptr ? item->text() : QString(),
                                    common_.Languages);
    match_.TeamName[side] = s.Name;
    logoExpected_[side] = s.Logo;
    const auto ready =
        s.Logo.isEmpty() ? std::optional<QImage>(QImage()) : logos_.Ready(s.Logo, LogoWidth);
    showLogo(side, ready.value_or(QImage()));
    if (!ready) {
        logos_.Prepare(s.Logo, LogoWidth);
    }
    state_.Rosters[side] = RosterRows(s.Lines);
    showRoster(side);
    match_.Display.Name[side] = s.Name;
    match_.Rosters[side] = s.Athletes;
    showMatch();
}

void ConsoleWindow::showRoster(int side) {
    rosterLists[side]->clear();
    for (const RosterRow& row : state_.Rosters[side]) {
        rosterLists[side]->addItem(row.Line);
    }
}

void ConsoleWindow::showLogo(int side, const QImage& logo) {
    const QPixmap image = logo.isNull() ? defaultLogos_[side] : QPixmap::fromImage(logo);
    teamLogos[side]->setPixmap(image);
    display_->showLogo(side, image);
}

void ConsoleWindow::chooseTeam(int index) {
    doubleClick(index);
    if (common_.DisplaySidesSwapped) {
        sidesSwappedMark->setChecked(true);
    }
}

void ConsoleWindow::chooseFromFile(int side, const QString& name) {
    const auto found = teamLists[side]->findItems(
        name, side == 0 ? Qt::MatchExactly | Qt::MatchCaseSensitive : Qt::MatchFixedString);
    if (name.isEmpty() || found.isEmpty()) {
        return;
    }
    teamLists[side]->setCurrentItem(found.first());
    doubleClick(side);
}

void ConsoleWindow::pickAthlete(int index) {
    // The row the operator chose; what it holds comes from the state.
    const int line = rosterLists[index]->currentRow();
    const auto& rows = state_.Rosters[index];
    if (line < 0 || line >= static_cast<int>(rows.size())) {
        return;
    }
    const RosterRow& row = rows[static_cast<std::size_t>(line)];
    codeBoxes[index]->setText(row.Code);
    if (row.Code != QStringLiteral("E") && NumericValue(row.Code) > 0) {
        match_.PickedAthlete = row.Code;
        prepareScorerPhoto(index);
    }
}

void ConsoleWindow::scoreForAthlete(int index) {
    pickAthlete(index);
    changeScore(index == 0 ? 0 : 3);
    if (common_.DisplaySidesSwapped) {
        sidesSwappedMark->setChecked(true);
    }
}

void ConsoleWindow::prepareScorerPhoto(int side) {
    display_->prepareAthletePhoto(
        AthletePhoto(TeamFolder(common_.DataFolder, match_.TeamName[side]), match_.PickedAthlete));
}

void ConsoleWindow::importTeam() {
    const QString file = platform_.dialogs.OpenFile(
        common_.Translate(QStringLiteral("Importa squadra")), QDir::homePath(),
        QStringLiteral("Brivanta (*") + TeamPackage::Extension + u')');
    if (!file.isEmpty()) {
        importTeamFile(file);
    }
}

void ConsoleWindow::importTeamFile(const QString& file) {
    if (match_.Locked) {
        return;
    }
    if (ImportTeamPackage(platform_.dialogs, common_, file)) {
        // The start-up sequence lists the teams again, the new one among them.
        load();
    }
}

void ConsoleWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!match_.Locked && !DroppedTeamPackage(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void ConsoleWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedTeamPackage(event->mimeData());
    if (!match_.Locked && !file.isEmpty()) {
        event->acceptProposedAction();
        importTeamFile(file);
    }
}

void ConsoleWindow::openTeamEditor() {
    TeamEditor editor(common_, platform_, player_);
    editor.load();
    platform_.modal.Show(editor);
    // Team folders created or renamed in the editor reach the team lists.
    load();
    activateWindow();
}

int ConsoleWindow::codeLine(int side, const QString& code) const {
    return RosterRowOf(state_, side, code);
}

void ConsoleWindow::chooseCode(int side, const QString& code) {
    if (const int line = codeLine(side, code); line >= 0) {
        rosterLists[side]->setCurrentRow(line);
        pickAthlete(side);
        return;
    }
    codeBoxes[side]->setText(code);
    codeBoxChanged(side);
}

// A code typed in the box names its athlete as a click on the roster would, so the scorer's
// panel never shows the athlete clicked before.
void ConsoleWindow::codeBoxChanged(int index) {
    const QString code = codeBoxes[index]->text().trimmed();
    const int line = codeLine(index, code);
    if (line < 0) {
        match_.PickedAthlete.clear();
    } else if (code.compare(QStringLiteral("E"), Qt::CaseInsensitive) != 0) {
        const RosterRow& row = state_.Rosters[index][static_cast<std::size_t>(line)];
        match_.PickedAthlete = row.Code;
        prepareScorerPhoto(index);
    }
}
