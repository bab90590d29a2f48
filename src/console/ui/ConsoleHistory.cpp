// The history list in words, mending the scorer of a rally, and the note at a set's end.
#include "console/ui/ConsoleWindow.h"
#include "console/ui/ScorerChooser.h"
#include "match/HistoryText.h"
#include "match/ScorerEdit.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"

#include <QMenu>

void ConsoleWindow::showHistory() {
    const auto& history = match_.History;
    qsizetype same = 0;
    if (shownLanguage_ == common_.Languages.CurrentLanguage && shownTeams_ == match_.TeamName) {
        const qsizetype common = std::min(history.size(), shownHistory_.size());
        while (same < common && history[same] == shownHistory_[same]) {
            ++same;
        }
    }
    while (historyList->count() > same) {
        delete historyList->takeItem(historyList->count() - 1);
    }
    for (qsizetype i = same; i < history.size(); ++i) {
        auto* item = new QListWidgetItem(
            ReadableHistoryLine(history[i], match_.TeamName, match_.Rosters, common_.Languages),
            historyList);
        // The stored line, as the match file and the report's play-by-play have it.
        item->setToolTip(history[i].Text);
    }
    shownHistory_ = history;
    shownLanguage_ = common_.Languages.CurrentLanguage;
    shownTeams_ = match_.TeamName;
    historyList->setCurrentRow(match_.SelectedLine);
}

void ConsoleWindow::showHistoryMenu(const QPoint& where) {
    const QListWidgetItem* item = historyList->itemAt(where);
    const int line = item != nullptr ? historyList->row(item) : -1;
    QMenu menu(this);
    QAction* edit = menu.addAction(common_.Translate(QStringLiteral("Cambia marcatore")) +
                                   QStringLiteral("..."));
    edit->setEnabled(ScorerEditable(match_, line));
    if (menu.exec(historyList->viewport()->mapToGlobal(where)) == edit) {
        editScorer(line);
    }
}

void ConsoleWindow::editScorer(int line) {
    if (!ScorerEditable(match_, line)) {
        return;
    }
    const HistoryEvent& point = match_.History[line];
    ScorerChooser chooser(ScorerChoices(match_.Rosters[point.Side]), point.Athlete, common_, this);
    chooser.setWindowTitle(
        common_.Translate(QStringLiteral("Cambia marcatore")) + QStringLiteral(" - ") +
        ReadableHistoryLine(point, match_.TeamName, match_.Rosters, common_.Languages));
    platform_.modal.Show(chooser);
    if (chooser.result() != QDialog::Accepted) {
        return;
    }
    auto edited = WithScorer(match_, line, chooser.chosenNumber());
    if (!edited) {
        return;
    }
    match_ = std::move(*edited);
    match_.SelectedLine = line;
    saveEmergencyCopy();
    showMatch();
}

void ConsoleWindow::showSetEndNote() {
    const auto& history = match_.History;
    bool up = setEndLine_ >= 0 && setEndLine_ < history.size() &&
              history[setEndLine_].Kind == HistoryKind::SetStart;
    // Timeouts called after the set's end leave the note up; a point takes it down.
    for (qsizetype i = setEndLine_ + 1; up && i < history.size(); ++i) {
        up = !history[i].HasScore();
    }
    if (!up) {
        setEndLine_ = -1;
        setEndNote->hide();
        return;
    }
    setEndNoteText->setText(SetEndNote(match_, history[setEndLine_].Set - 1, common_.Languages));
    setEndSwapButton->setText(common_.Translate(QStringLiteral("Cambia campo")));
    setEndCloseButton->setToolTip(common_.Translate(QStringLiteral("Chiudi")));
    setEndNote->show();
    setEndNote->raise();
}

void ConsoleWindow::closeSetEndNote() {
    setEndLine_ = -1;
    setEndNote->hide();
}

void ConsoleWindow::swapSidesFromNote() {
    swapDisplaySides(false);
    closeSetEndNote();
}
