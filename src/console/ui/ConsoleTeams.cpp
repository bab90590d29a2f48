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
    rosterLists[side]->clear();
    rosterLists[side]->addItems(s.Lines);
    match_.Display.Name[side] = s.Name;
    match_.Rosters[side] = s.Athletes;
    Update();
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
    const QListWidgetItem* item = rosterLists[Index]->currentItem();
    if (item == nullptr) {
        return;
    }
    const QString code = CodeFromLine(item->text());
    codeBoxes[Index]->setText(code);
    if (code != QStringLiteral("E") && NumericValue(code) > 0) {
        match_.ScorerNumber = code;
        match_.ScorerName = NameFromLine(item->text());
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
