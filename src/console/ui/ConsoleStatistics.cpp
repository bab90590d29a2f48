// The console's statistics, the end-of-match cycle, the overlays and the points summary.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "shared/Numbers.h"
#include "stats/Statistics.h"
#include "stats/ui/PointsSummary.h"
#include "teams/Searches.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int MaxSets = 5;
constexpr int LastPointsLines = 4;
} // namespace

void ConsoleWindow::showStatistics() {
    const int k = std::max(0, statisticsChoiceList->currentRow());
    match_.AnimatedPanel = 0;
    auto& dialogs = platform_.dialogs;
    if (match_.CurrentSet < k) {
        if (match_.ActiveScore) {
            dialogs.Message(common_.Translate(ConsoleMessages::SetNotStarted), Buttons::Ok);
        }
        return;
    }
    statisticsList->clear();
    if (match_.History.isEmpty()) {
        dialogs.Message(common_.Translate(ConsoleMessages::NotStarted), Buttons::Ok);
        return;
    }
    const std::vector<ScorerCount> counts = ScorerCounts(CreditedPoints(match_.History), k);
    const QStringList readable =
        ReadableStatisticsLines(counts, match_.TeamName, match_.Rosters, common_.Languages);
    const QStringList compact = StatisticsLines(counts);
    for (qsizetype i = 0; i < readable.size(); ++i) {
        auto* item = new QListWidgetItem(readable[i], statisticsList);
        item->setToolTip(compact[i]);
    }

    StatisticsPanel data;
    QString suffix;
    if (k == 0) {
        suffix = QStringList(match_.Partials.begin(), match_.Partials.end()).join(u' ');
        for (int i = 0; i < 2; ++i) {
            data.Totals[i] = QString::number(match_.SetsWon[i]);
        }
    } else {
        suffix = u' ' + SetLabelFor(k, common_.Languages);
        const bool finished =
            match_.CurrentSet - 1 >= k || match_.CurrentSet == 4 || match_.CurrentSet == 5;
        const QString& partial = match_.Partials[k - 1];
        data.Totals[0] = finished ? partial.left(2) : QString::number(match_.Points[0]);
        data.Totals[1] = finished ? partial.right(2) : QString::number(match_.Points[1]);
    }
    data.Title =
        common_.Translate(QStringLiteral("Statistiche:")) +
        (k == 0 && suffix.size() <= 5 ? u' ' + common_.Translate(QStringLiteral("SET")) + u' '
                                      : QString()) +
        suffix;
    data.Names[0] = match_.Display.Name[0];
    data.Names[1] = match_.Display.Name[1];
    const Best best = BestScorers(counts);
    for (int r = 0; r < best.Codes[0].size(); ++r) {
        data.HomeNames[r] =
            AthleteSurname(match_.Rosters[0], best.Codes[0][r], common_.Languages) + u' ';
        data.HomePoints[r] = best.Counts[0][r];
    }
    for (int r = 0; r < best.Codes[1].size(); ++r) {
        data.GuestsNames[r] =
            u' ' + AthleteSurname(match_.Rosters[1], best.Codes[1][r], common_.Languages);
        data.GuestsPoints[r] = best.Counts[1][r];
    }
    display_->showStatistics(data);
    display_->startScroll(InView::Statistics);
}

void ConsoleWindow::showStatisticsOfChosenSet() {
    showStatistics();
}

void ConsoleWindow::startEndStatistics() {
    statisticsTimer.start();
}

void ConsoleWindow::statisticsTick() {
    const QString text =
        statisticsStep_ == 0 ? QStringLiteral("TUTTO") : match_.Partials[statisticsStep_ - 1];
    if (!text.isEmpty()) {
        statisticsChoiceList->setCurrentRow(statisticsStep_);
        showStatistics();
        ++statisticsStep_;
    }
    if (text.isEmpty() || statisticsStep_ > MaxSets) {
        statisticsStep_ = 0;
        statisticsTimer.stop();
    }
}

void ConsoleWindow::showLeadingTeam() {
    const QString set = QString::number(match_.SetsWon[0]) + QString::number(match_.SetsWon[1]);
    int side = 0;
    if (QStringList{"10", "20", "21", "30", "31", "32"}.contains(set)) {
        side = 0;
    } else if (QStringList{"01", "02", "12", "03", "13", "23"}.contains(set)) {
        side = 1;
    } else if (QStringList{"00", "11", "22"}.contains(set)) {
        if (match_.Points[0] == match_.Points[1]) {
            return;
        }
        side = match_.Points[1] > match_.Points[0] ? 1 : 0;
    } else {
        return;
    }
    match_.AnimatedPanel = 1;
    const QString team = match_.TeamName[side];
    const QString folder = TeamFolder(common_.DataFolder, team);
    const QString photo =
        folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("team.jpg"));
    const QString title = match_.ActiveScore ? common_.Translate(QStringLiteral("In testa")) +
                                                   QStringLiteral(": ") + team
                                             : common_.Translate(QStringLiteral("Winner: ")) + team;
    // Level scores show the team alone, unless the last point went to an athlete.
    const bool level = match_.Display.Points[0] == match_.Display.Points[1];
    if (level && NumericValue(match_.LastPointCode) <= 0) {
        display_->showLeadingTeam(side, title, QFileInfo::exists(photo) ? photo : QString(), {},
                                  {});
        match_.PickedAthlete.clear();
        return;
    }
    const QString setsWon =
        QString::number(match_.SetsWon[0]) + u'-' + QString::number(match_.SetsWon[1]);
    QString score = SetLabelFor(match_.CurrentSet, common_.Languages) + QStringLiteral(" :  ");
    if (match_.ActiveScore) {
        score += QString::number(match_.Points[0]) + QStringLiteral(" - ") +
                 QString::number(match_.Points[1]) + u' ';
    } else {
        const QString partial = match_.CurrentSet >= 1 && match_.CurrentSet <= MaxSets
                                    ? match_.Partials[match_.CurrentSet - 1]
                                    : QString();
        score +=
            partial.left(2).trimmed() + QStringLiteral(" - ") + partial.right(2).trimmed() + u' ';
    }
    display_->showLeadingTeam(side, title, QFileInfo::exists(photo) ? photo : QString(), setsWon,
                              score);
    display_->startScroll(InView::LeadingTeam);
    showEventLight(true, common_.Translate(QStringLiteral("Visualizza squadra")));
}

void ConsoleWindow::showLastPoints() {
    match_.AnimatedPanel = 0;
    auto& dialogs = platform_.dialogs;
    if (match_.CurrentSet < std::max(0, statisticsChoiceList->currentRow())) {
        dialogs.Message(common_.Translate(ConsoleMessages::SetNotStarted), Buttons::Ok);
        return;
    }
    if (match_.History.isEmpty()) {
        dialogs.Message(common_.Translate(ConsoleMessages::NotStarted), Buttons::Ok);
        return;
    }
    StatisticsPanel data;
    data.Totals[0] = QString::number(match_.LastClickScore[0]);
    data.Totals[1] = QString::number(match_.LastClickScore[1]);
    const std::vector<CreditedPoint> points = CreditedPoints(match_.History);
    auto name = [this](const CreditedPoint& p) {
        if (p.Code == QStringLiteral("E")) {
            return common_.Translate(QStringLiteral("<ERRORE>"));
        }
        // A point given to no athlete is the team's: the hall reads its name.
        if (p.Code == QStringLiteral("N")) {
            return match_.Display.Name[p.Side];
        }
        return NumericValue(p.Code) > 0
                   ? AthleteSurname(match_.Rosters[p.Side], p.Code, common_.Languages)
                   : QString();
    };
    auto emptyIfZero = [](int points) { return points == 0 ? QString() : QString::number(points); };
    for (int r = 0; r < LastPointsLines && r < static_cast<int>(points.size()); ++r) {
        const CreditedPoint& p = points[points.size() - 1 - r];
        const QString who = name(p);
        if (p.Side == 0) {
            data.HomePoints[r] = emptyIfZero(p.Home);
            data.HomeNames[r] = who.isEmpty() ? QString() : who + u' ';
        } else {
            data.GuestsPoints[r] = emptyIfZero(p.Guests);
            data.GuestsNames[r] = who.isEmpty() ? QString() : u' ' + who;
        }
    }
    data.Title = common_.Translate(QStringLiteral("Ultimi 4 punti")) + u':';
    data.Names[0] = match_.Display.Name[0];
    data.Names[1] = match_.Display.Name[1];
    display_->showStatistics(data);
    display_->parkStatisticsPanel();
    display_->startScroll(InView::LastPoints);
    showEventLight(true, common_.Translate(QStringLiteral("Ultimi 4 punti")));
}

void ConsoleWindow::showTeamStatistics(int index) {
    if (match_.History.isEmpty()) {
        platform_.dialogs.Message(common_.Translate(ConsoleMessages::NotStarted), Buttons::Ok);
        return;
    }
    PointsSummary window(match_, index, common_, platform_);
    window.load();
    platform_.modal.Show(window);
}
