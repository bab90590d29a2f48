// The console without the mouse: the key map and its window, the pending code, Return and Tab.
#include "console/ui/ConsoleWindow.h"
#include "control/ui/KeysWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"

#include <QAbstractButton>
#include <QKeySequence>

namespace {
// Athlete codes are at most this long; more typing starts a new code.
constexpr int CodeLength = 3;

bool Sending(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

bool ConsoleWindow::runAction(Action a) {
    const auto se = [](QWidget* w, auto&& make) {
        if (!w->isEnabled()) {
            return false;
        }
        make();
        return true;
    };
    switch (a) {
    case Action::HomePlus:
        return se(scoreButtons[0], [this] { changeScore(0); });
    case Action::HomeMinus:
        return se(scoreButtons[1], [this] { changeScore(1); });
    case Action::MinusGuests:
        return se(scoreButtons[2], [this] { changeScore(2); });
    case Action::PlusGuests:
        return se(scoreButtons[3], [this] { changeScore(3); });
    case Action::Undo:
        return se(undoButton, [this] { undoLastLine(); });
    case Action::HomeTimeout:
        return se(timeoutIcons[0], [this] { callTimeout(0); });
    case Action::GuestsTimeout:
        return se(timeoutIcons[1], [this] { callTimeout(1); });
    case Action::Type0:
    case Action::Type1:
    case Action::Type2:
    case Action::Type3:
    case Action::Type4:
        choosePointType(static_cast<int>(a) - static_cast<int>(Action::Type0));
        return true;
    case Action::CodeE:
        pendingCode_ = QStringLiteral("E");
        showPendingCode();
        return true;
    case Action::ClearCodes:
        pendingCode_.clear();
        for (int side = 0; side < 2; ++side) {
            codeBoxes[side]->clear();
            codeBoxChanged(side);
        }
        showPendingCode();
        return true;
    case Action::Preview:
        refreshPreview();
        return true;
    case Action::Statistics:
        return se(statisticsButton, [this] { showStatistics(); });
    case Action::LastPoints:
        return se(lastPointsButton, [this] { showLastPoints(); });
    case Action::LeadingTeam:
        return se(leadingTeamButton, [this] { showLeadingTeam(); });
    case Action::Presentation:
        return se(presentationButton, [this] { togglePresentation(); });
    }
    return false;
}

void ConsoleWindow::runKey(Action a) {
    const int side = a == Action::HomePlus ? 0 : 1;

    if ((a == Action::HomePlus || a == Action::PlusGuests) && !pendingCode_.isEmpty() &&
        scoreButtons[side == 0 ? 0 : 3]->isEnabled()) {
        chooseCode(side, pendingCode_);
        pendingCode_.clear();
        showPendingCode();
    }
    runAction(a);
}

void ConsoleWindow::setKeys(const KeysMap& keys) {
    keys_ = keys;
    keys_.Write(platform_.settings);
    showKeyTips();
}

void ConsoleWindow::showPendingCode() {
    for (QLineEdit* t : codeBoxes) {
        t->setPlaceholderText(pendingCode_);
    }
}

void ConsoleWindow::setUpTabOrder() {
    setTabOrder(codeBoxes[0], scoreButtons[0]);
    setTabOrder(scoreButtons[0], codeBoxes[1]);
    setTabOrder(codeBoxes[1], scoreButtons[3]);
    for (int i = 0; i < 2; ++i) {
        connect(codeBoxes[i], &QLineEdit::textEdited, this, [this, i] { codeBoxChanged(i); });
    }
}

bool ConsoleWindow::pressedKey(QWidget* recipient, const QKeyEvent& e) {
    const int key = e.key();
    if (key == Qt::Key_unknown || key == Qt::Key_Shift || key == Qt::Key_Control ||
        key == Qt::Key_Alt || key == Qt::Key_Meta || key == Qt::Key_AltGr) {
        return false;
    }
    const Qt::KeyboardModifiers commands =
        e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool writes = !e.text().isEmpty() && e.text()[0].isPrint() && commands == 0;
    // The display never traps the operator: Esc there is always the way back.
    if (key == Qt::Key_Escape && recipient->window() == display_.get()) {
        displayEsc();
        return true;
    }
    auto* box = qobject_cast<QLineEdit*>(recipient);
    if (!(box != nullptr && writes)) {
        const QString name = QKeySequence(e.keyCombination()).toString(QKeySequence::PortableText);
        if (const auto a = keys_.ActionOf(name)) {
            // A number typed in one side's box, then the other side's +1 key: meant for the
            // side of the key.
            const int other = *a == Action::HomePlus ? 1 : *a == Action::PlusGuests ? 0 : -1;
            if (other >= 0 && box == codeBoxes[other] && pendingCode_.isEmpty() &&
                !box->text().trimmed().isEmpty()) {
                pendingCode_ = box->text().trimmed();
                box->clear();
                codeBoxChanged(other);
            }
            runKey(*a);
            return true;
        }
    }
    if (Sending(key) && commands == 0) {
        for (int i = 0; i < 2; ++i) {
            if (recipient == codeBoxes[i]) {
                runAction(i == 0 ? Action::HomePlus : Action::PlusGuests);
                return true;
            }
            if (recipient == teamLists[i] && teamLists[i]->currentItem() != nullptr) {
                if (teamLists[i]->isEnabled()) {
                    chooseTeam(i);
                }
                return true;
            }
            if (recipient == rosterLists[i] && rosterLists[i]->currentItem() != nullptr) {
                if (rosterLists[i]->isEnabled()) {
                    scoreForAthlete(i);
                }
                return true;
            }
        }
        if (auto* button = qobject_cast<QAbstractButton*>(recipient)) {
            if (button->isEnabled()) {
                button->click();
            }
            return true;
        }
        return false;
    }
    // Typing a code with no box to type in: it waits for a side's +1 key.
    if (box != nullptr || recipient == teamLists[0] || recipient == teamLists[1]) {
        return false;
    }
    if (key == Qt::Key_Backspace && !pendingCode_.isEmpty()) {
        pendingCode_.chop(1);
        showPendingCode();
        return true;
    }
    if (writes && (e.text()[0].isDigit() ||
                   e.text().compare(QStringLiteral("e"), Qt::CaseInsensitive) == 0)) {
        if (pendingCode_.size() >= CodeLength || pendingCode_ == QStringLiteral("E")) {
            pendingCode_.clear();
        }
        pendingCode_ += e.text().toUpper();
        if (pendingCode_.size() > 1 && pendingCode_.contains(u'E')) {
            pendingCode_ = e.text().toUpper();
        }
        showPendingCode();
        return true;
    }
    return false;
}

void ConsoleWindow::openKeysWindow() {
    KeysWindow window(common_, platform_.dialogs, keys_);
    platform_.modal.Show(window);
    if (window.result() == QDialog::Accepted) {
        setKeys(window.map());
    }
}
