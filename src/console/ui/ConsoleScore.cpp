// The score click: the point type, the point itself, and what the match logic asks of the
// console in return (warnings, the lock, the blink, the scorer panel, the match's end).
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "match/EmergencyCopy.h"
#include "match/MatchFile.h"
#include "match/Score.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "venue/CourtPublisher.h"

#include <QTimer>

void ConsoleWindow::choosePointType(int index) {
    state_.PointType = index;
    showPointType();
}

void ConsoleWindow::showPointType() {
    for (int i = 0; i < 5; ++i) {
        QFont f = pointTypeButtons[i]->font();
        f.setUnderline(i == state_.PointType);
        pointTypeButtons[i]->setFont(f);
        pointTypeButtons[i]->setText(state_.PointTypeCaptions[i]);
    }
    pointTypeButtons[state_.PointType]->setChecked(true);
}

QString ConsoleWindow::currentTime() const {
    return platform_.clock.Now().time().toString(QStringLiteral("HH:mm:ss"));
}

void ConsoleWindow::changeScore(int index) {
    PointRequest r;
    r.Button = index;
    r.Code = codeBoxes[index <= 1 ? 0 : 1]->text();
    r.PointType = state_.PointType;
    r.Now = currentTime();
    for (int i = 0; i < 5; ++i) {
        r.TypeCaptions[i] = state_.PointTypeCaptions[i];
    }
    const auto linesBefore = match_.History.size();
    const bool beforeFinished = match_.MatchOver;
    const int setBefore = match_.CurrentSet;
    clickInProgress_ = true;
    const bool scored = ScorePoint(match_, r, common_, *this);
    clickInProgress_ = false;
    if (!beforeFinished && match_.MatchOver) {
        keepMatch();
        // Offered once, after the winner is announced.
        deferred_.push_back([this] {
            if (platform_.dialogs.Message(common_.Translate(ConsoleMessages::ReportQuestion),
                                          Buttons::YesNo) == Answer::Yes) {
                writeReport();
            }
        });
    }
    if (match_.CurrentSet > setBefore && !match_.MatchOver) {
        setEndLine_ = static_cast<int>(match_.History.size()) - 1;
    }
    if (scored) {
        choosePointType(0);
        rosterLists[index <= 1 ? 0 : 1]->setCurrentRow(0);
        codeBoxes[0]->clear();
        codeBoxes[1]->clear();
        saveEmergencyCopy();
    } else if (match_.History.size() != linesBefore) {
        // A refused point may still have opened the set's history.
        saveEmergencyCopy();
    }
    showMatch();
    showDeferred();
}

void ConsoleWindow::showDeferred() {
    if (remoteInProgress_) {
        QTimer::singleShot(0, this, [this] { showDeferred(); });
        return;
    }
    auto deferred = std::move(deferred_);
    deferred_.clear();
    // A message keeps the hall waiting anyway: the copy on disk is whole before it opens.
    if (!deferred.empty()) {
        copy_->Wait(2000);
    }
    for (const auto& show : deferred) {
        show();
    }
}

void ConsoleWindow::Warning(const QString& text) {
    const auto show = [this, text] { platform_.dialogs.Message(text, Buttons::Ok); };
    if (clickInProgress_) {
        deferred_.push_back(show);
    } else {
        show();
    }
}

void ConsoleWindow::RefusedCode(int side) {
    codeBoxes[side]->clear();
    rosterLists[side]->setCurrentRow(0);
}

void ConsoleWindow::LockConsole() {
    toggleLock();
}

void ConsoleWindow::StartBlink() {
    blinkTimer.start();
}

void ConsoleWindow::StartScroll() {
    display_->startScroll(InView::Scorer);
}

void ConsoleWindow::OpenCourtChange() {
    const auto open = [this] {
        openCountdown(common_.Translate(QStringLiteral("Cambio campo per ultimo SET")), true);
    };
    if (clickInProgress_) {
        deferred_.push_back(open);
    } else {
        open();
    }
}

void ConsoleWindow::MatchEnd() {
    if (court_ && !loadingFile_) {
        // After the click: the file then holds the winning point.
        QTimer::singleShot(0, this, [this] {
            court_->PublishResult(MatchFileLines(match_, platform_.clock.Now(), common_.Languages));
        });
    }
    statisticsTimer.start();
    blinkTimer.stop();
    display_->stopAnimations();
}
