// The live output's server, started with the stored port and LAN switch.
#include "console/ui/ConsoleWindow.h"
#include "control/Remote.h"
#include "control/RemoteData.h"
#include "live/Broadcast.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

void ConsoleWindow::startLive(quint16 port, bool lan) {
    const std::pair<quint16, bool> wanted{port, lan};
    if (liveStarted_ == wanted) {
        return;
    }
    liveStarted_ = wanted;
    remote_->Safety().SetLan(lan);
    live_->Stop();
    if (port != 0 && !live_->Start(port, lan)) {
        platform_.dialogs.Message(PortInUseText(common_.Languages, port), Buttons::Ok);
    }
    remote_->Safety().SetPort(live_->Port());
}
