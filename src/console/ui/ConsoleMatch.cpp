// The console's match commands: lock, undo and rollback, timeouts, new match and exit.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/CountdownOverlay.h"
#include "display/ui/DisplayWindow.h"
#include "match/EmergencyCopy.h"
#include "match/Rollback.h"
#include "match/Timeout.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ConsoleWindow::toggleLock() {
    if (!match_.Locked) {
        match_.Locked = true;
        match_.ActivePresentation = false;
    } else {
        const QString question = common_.Translate(ConsoleMessages::EndMatchQuestion);
        if (platform_.dialogs.Message(question, Buttons::YesNo, Default::GiveUp) == Answer::No) {
            return;
        }
        keepMatch();
        ClearMatch(match_, common_.Languages);
    }
    showMatch();
}

void ConsoleWindow::rollBackToSelectedLine(bool ask) {
    rollBackTo(historyList->currentRow(), false, ask);
}

void ConsoleWindow::rollBackTo(int line, bool forUndo, bool ask) {
    match_.SelectedLine = line;
    const auto destination = RollbackDestination(match_, line, forUndo);
    if (!destination) {
        return;
    }
    if (ask && platform_.dialogs.Message(RollbackQuestion(match_, *destination, common_.Languages),
                                         Buttons::YesNo) == Answer::No) {
        return;
    }
    RunRollback(match_, *destination, common_.Languages);
    saveEmergencyCopy();
    showMatch();
}

void ConsoleWindow::undoLastLine(bool ask) {
    const auto line = UndoLine(match_);
    if (!line) {
        return;
    }
    rollBackTo(*line, true, ask);
    if (match_.History.size() < 2) {
        match_.UndoActive = false;
    }
    showMatch();
}

void ConsoleWindow::callTimeout(int index) {
    auto& dialogs = platform_.dialogs;
    if (match_.History.isEmpty()) {
        dialogs.Message(common_.Translate(ConsoleMessages::NotStarted), Buttons::Ok);
        return;
    }
    const QString question = common_.Translate(ConsoleMessages::TimeoutQuestion) +
                             match_.TeamName[index] + QStringLiteral("\n") +
                             common_.Translate(ConsoleMessages::CancelOrConfirm);
    if (dialogs.Message(question, Buttons::OkCancel) == Answer::Cancel) {
        return;
    }
    if (const auto refusal = grantTimeout(index)) {
        dialogs.Message(*refusal, Buttons::Ok);
    }
}

std::optional<QString> ConsoleWindow::grantTimeout(int index) {
    if (match_.History.isEmpty()) {
        return common_.Translate(ConsoleMessages::NotStarted);
    }
    if (!GrantTimeout(match_, index, currentTime(), common_.Languages)) {
        return common_.Translate(ConsoleMessages::NoTimeoutsLeft) +
               SideWord(index, common_.Languages);
    }
    openCountdown(
        TimeoutText(match_.Display.Name[index], match_.TimeoutsCalled[index], common_.Languages),
        false);
    saveEmergencyCopy();
    showMatch();
    return std::nullopt;
}

void ConsoleWindow::openCountdown(const QString& text, bool courtChange) {
    if (countdown_ == nullptr) {
        countdown_ = new CountdownOverlay(match_, *display_, blinkTimer);
    }
    state_.CountdownText = text;
    countdown_->open(text, courtChange);
}

// Asks before throwing a running match away, then starts afresh; false when the operator keeps it.
// A finished match went to the backups when it ended: nothing of it is lost.
bool ConsoleWindow::abandonMatch(const char* question) {
    if (!match_.History.isEmpty() && !match_.MatchOver &&
        platform_.dialogs.Message(common_.Translate(QString::fromUtf8(question)), Buttons::OkCancel,
                                  Default::GiveUp) == Answer::Cancel) {
        return false;
    }
    keepMatch();
    ClearMatch(match_, common_.Languages);
    showMatch();
    return true;
}

void ConsoleWindow::newMatch() {
    abandonMatch(ConsoleMessages::AbandonForNewMatch);
}

void ConsoleWindow::newMatchFromButton() {
    restoreDirection();
    newMatch();
}

void ConsoleWindow::exitProgram() {
    const QString question = common_.Translate(ConsoleMessages::ExitQuestion);
    if (platform_.dialogs.Message(question, Buttons::OkCancel, Default::GiveUp) == Answer::Cancel) {
        return;
    }
    copy_->EndInUse(3000);
    platform_.process.End();
}
