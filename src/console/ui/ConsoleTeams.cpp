// The console's team choice and point attribution.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "shared/Numbers.h"
#include "shared/ui/Images.h"
#include "teams/TeamChoice.h"
#include "teams/Teams.h"

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
    ShowLogo(side, ready.value_or(QImage()));
    if (!ready) {
        logos_.Prepare(s.Logo, LogoWidth);
    }
    state_.Rosters[side] = RosterRows(s.Lines);
    ShowRoster(side);
    match_.Display.Name[side] = s.Name;
    match_.Rosters[side] = s.Athletes;
    Update();
}

void ConsoleWindow::ShowRoster(int side) {
    rosterLists[side]->clear();
    for (const RosterRow& row : state_.Rosters[side]) {
        rosterLists[side]->addItem(row.Line);
    }
}

void ConsoleWindow::ShowLogo(int side, const QImage& logo) {
    const QPixmap image = logo.isNull() ? smallTeamLogos[side]->pixmap() : QPixmap::fromImage(logo);
    teamLogos[side]->setPixmap(image);
    display_->ShowLogo(side, image);
}

void ConsoleWindow::chooseTeam(int Index) {
    doubleClick(Index);
    if (common_.TowardsDisplay == -1) {
        sidesSwappedMark->setChecked(true);
    }
}

void ConsoleWindow::ChooseFromFile(int side, const QString& name) {
    const auto found = teamLists[side]->findItems(
        name, side == 0 ? Qt::MatchExactly | Qt::MatchCaseSensitive : Qt::MatchFixedString);
    if (name.isEmpty() || found.isEmpty()) {
        return;
    }
    teamLists[side]->setCurrentItem(found.first());
    doubleClick(side);
}

void ConsoleWindow::pickAthlete(int Index) {
    // The row the operator chose; what it holds comes from the state.
    const int line = rosterLists[Index]->currentRow();
    const auto& rows = state_.Rosters[Index];
    if (line < 0 || line >= static_cast<int>(rows.size())) {
        return;
    }
    const RosterRow& row = rows[static_cast<std::size_t>(line)];
    codeBoxes[Index]->setText(row.Code);
    if (row.Code != QStringLiteral("E") && NumericValue(row.Code) > 0) {
        match_.ScorerNumber = row.Code;
        match_.ScorerName = row.Name;
        PrepareScorerPhoto(Index);
    }
}

void ConsoleWindow::scoreForAthlete(int Index) {
    pickAthlete(Index);
    changeScore(Index == 0 ? 0 : 3);
    if (common_.TowardsDisplay == -1) {
        sidesSwappedMark->setChecked(true);
    }
}

void ConsoleWindow::PrepareScorerPhoto(int side) {
    display_->PrepareAthletePhoto(
        AthletePhoto(TeamFolder(common_.DataFolder, match_.TeamName[side]), match_.ScorerNumber));
}
