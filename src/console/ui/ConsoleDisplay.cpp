// The display adapted to the hall: full screen, zoom, the magnified centre, swapped panels.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/ScreenFollower.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "sponsor/ui/SponsorManager.h"

#include <QScreen>

// A real full screen, without frame or title bar, on the screen where the display lies.
void ConsoleWindow::putDisplayFullScreen() {
    display_->showFullScreen();
    display_->SavePosition();
    follow_->Remember();
}

void ConsoleWindow::DisplayEsc() {
    if (display_->isFullScreen() && display_->screen() == screen()) {
        follow_->Leave();
        const QRect area = display_->screen()->availableGeometry();
        display_->showNormal();
        display_->resize(area.size() * 2 / 3);
        display_->move(area.topLeft() + QPoint(area.width() / 6, area.height() / 6));
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void ConsoleWindow::saveDisplayPosition() {
    display_->SavePosition();
}

void ConsoleWindow::Zoom(bool plus) {
    if (display_->ZoomAtLimit(plus)) {
        platform_.dialogs.Beep();
        return;
    }
    if (common_.TowardsDisplay != 1) {
        platform_.dialogs.Message(common_.Translate(ConsoleMessages::ZoomRestoresSides),
                                  Buttons::Ok);
        sidesSwappedMark->setChecked(false);
        common_.TowardsDisplay = 1;
        // Without the band the panels stay where the swap put them.
        if (common_.SponsorBar != 0) {
            ZoomAll(true);
        }
    }
    display_->ZoomStep(plus);
}

void ConsoleWindow::zoomIn() {
    Zoom(true);
}

void ConsoleWindow::zoomOut() {
    Zoom(false);
}

void ConsoleWindow::ZoomAll(bool what) {
    display_->zoom(what);
    zoomAllButton->setText(what ? QStringLiteral("Zoom All +") : QStringLiteral("Zoom All -"));
}

void ConsoleWindow::toggleZoomAll() {
    ZoomAll(enlarged_);
    enlarged_ = !enlarged_;
    // Back to normal without the band: its layout again, which also hides the slots.
    if (!enlarged_) {
        display_->LayoutWithoutSponsor();
    }
}

void ConsoleWindow::swapDisplaySides() {
    if (platform_.dialogs.Message(common_.Translate(ConsoleMessages::SwapQuestion),
                                  Buttons::SiNo) == Answer::No) {
        return;
    }
    sidesSwappedMark->setChecked(!sidesSwappedMark->isChecked());
    common_.TowardsDisplay = -common_.TowardsDisplay;
    display_->SwapDisplay();
}

void ConsoleWindow::RestoreDirection() {
    if (common_.TowardsDisplay == -1) {
        swapDisplaySides();
    }
}

void ConsoleWindow::DisplayNormal() {
    common_.TowardsDisplay = 1;
    sidesSwappedMark->setChecked(false);
    ZoomAll(true);
}

void ConsoleWindow::openSponsorManager() {
    SponsorManager handling({common_, platform_, *display_, [this] { DisplayNormal(); }});
    platform_.modal.Show(handling);
}
