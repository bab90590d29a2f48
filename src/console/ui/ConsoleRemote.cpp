// The console driven from the network: the remote's requests run the console's own handlers.
#include "console/Startup.h"
#include "console/ui/ConsoleWindow.h"
#include "control/Remote.h"
#include "control/RemoteData.h"
#include "control/ui/RemoteWindow.h"
#include "live/Broadcast.h"
#include "match/EmergencyCopy.h"
#include "match/Rollback.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "shared/SettingsTable.h"

void ConsoleWindow::startRemote() {
    remote_ = std::make_unique<Remote>(
        platform_.live,
        Remote::Console{
            [this](const Command& c) { return runRemote(c); },
            [this] { return platform_.modal.Open() || clickInProgress_; },
            [this] { return live_->StateJson(); },
            [this] {
                RemoteView v;
                for (int side = 0; side < 2; ++side) {
                    v.Names[side] = match_.Display.Name[side]; // as the scoreboard names the side
                    for (const RosterRow& row : state_.Rosters[side]) {
                        v.Lines[side].append(row.Line);
                    }
                    v.Codes[side] = codeBoxes[side]->text();
                }
                for (int i = 0; i < 5; ++i) {
                    v.Types[i] = state_.PointTypeCaptions[i];
                }
                v.Type = state_.PointType;
                v.LastLine = match_.History.isEmpty() ? QString() : match_.History.last().Text;
                // Undo goes back to its line: what it takes back is the change after it.
                if (const auto line = UndoLine(match_); line && *line + 1 < match_.History.size()) {
                    v.Cancel = DescribeEvent(match_.History[*line + 1], match_.Display.Name,
                                             common_.Languages);
                }
                v.Undo = undoButton->isEnabled();
                v.Texts = RemoteTexts(common_.Languages);
                return RemoteDataJson(v);
            },
            [this] { return copy_->HandedOverCount(); }, [this] { return copy_->WrittenCount(); },
            [this] { return copy_->TriedCount(); }});
    connect(copy_.get(), &EmergencyCopy::Written, remote_.get(), &Remote::CopyAdvanced);
    connect(copy_.get(), &EmergencyCopy::NotWritten, remote_.get(), &Remote::CopyAdvanced);
    live_->SetControl(&Remote::ItsPath, [this](const HttpRequest& r) { return remote_->Reply(r); });
}

std::optional<QString> ConsoleWindow::runRemote(const Command& command) {
    remoteInProgress_ = true;
    std::optional<QString> refusal;
    if (command.side >= 0) {
        chooseCode(command.side, command.code);
        live_->Changed();
    } else {
        const Action a = command.action;
        if (a == Action::Undo) {
            if (undoButton->isEnabled()) {
                undoLastLine(false);
            } else {
                refusal = common_.Translate(QStringLiteral("Non disponibile"));
            }
        } else if (a == Action::HomeTimeout || a == Action::GuestsTimeout) {
            // The phone asked its own question: the console asks nothing.
            refusal = timeoutIcons[a == Action::HomeTimeout ? 0 : 1]->isEnabled()
                          ? grantTimeout(a == Action::HomeTimeout ? 0 : 1)
                          : common_.Translate(QStringLiteral("Non disponibile"));
        } else if (!runAction(a)) {
            refusal = common_.Translate(QStringLiteral("Non disponibile"));
        }
    }
    remoteInProgress_ = false;
    return refusal;
}

void ConsoleWindow::openRemoteWindow() {
    RemoteWindow window(common_, platform_.dialogs, platform_.settings, *remote_, live_->Port(),
                        ReadFlag(platform_.settings, Setting::LiveLan));
    platform_.modal.Show(window);
}
