// The display from the console: full screen, zoom, the magnified centre, swapped panels, its
// preview, the blink and the event light.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/Animations.h"
#include "display/ui/DisplayWindow.h"
#include "display/ui/ScreenFollower.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "shared/Palette16.h"
#include "shared/ScreenFit.h"
#include "shared/ui/Preview.h"

#include <QScreen>

// A real full screen, without frame or title bar, on the screen where the display lies.
void ConsoleWindow::putDisplayFullScreen() {
    display_->showFullScreen();
    display_->savePosition();
    follow_->remember();
}

void ConsoleWindow::displayEsc() {
    if (display_->isFullScreen() && display_->screen() == screen()) {
        follow_->leave();
        display_->showNormal();
        display_->setGeometry(DisplayOnSharedScreen(display_->screen()->availableGeometry()));
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void ConsoleWindow::saveDisplayPosition() {
    display_->savePosition();
}

void ConsoleWindow::zoom(bool plus) {
    if (display_->zoomAtLimit(plus)) {
        platform_.dialogs.Beep();
        return;
    }
    if (common_.DisplaySidesSwapped) {
        platform_.dialogs.Message(common_.Translate(ConsoleMessages::ZoomRestoresSides),
                                  Buttons::Ok);
        sidesSwappedMark->setChecked(false);
        common_.DisplaySidesSwapped = false;
        display_->showSides();
        // With the band the step starts from its plain layout again.
        if (common_.SponsorBar != 0) {
            zoomAll(true);
        }
    }
    display_->zoomStep(plus);
}

void ConsoleWindow::zoomIn() {
    zoom(true);
}

void ConsoleWindow::zoomOut() {
    zoom(false);
}

void ConsoleWindow::zoomAll(bool what) {
    display_->zoom(what);
    zoomAllButton->setText(what ? QStringLiteral("Zoom All +") : QStringLiteral("Zoom All -"));
}

void ConsoleWindow::toggleZoomAll() {
    zoomAll(enlarged_);
    enlarged_ = !enlarged_;
    // Back to normal without the band: its layout again, which also hides the slots.
    if (!enlarged_) {
        display_->LayoutWithoutSponsor();
    }
}

void ConsoleWindow::swapDisplaySides(bool ask) {
    if (ask && platform_.dialogs.Message(common_.Translate(ConsoleMessages::SwapQuestion),
                                         Buttons::YesNo) == Answer::No) {
        return;
    }
    common_.DisplaySidesSwapped = !common_.DisplaySidesSwapped;
    sidesSwappedMark->setChecked(common_.DisplaySidesSwapped);
    display_->showSides();
}

void ConsoleWindow::restoreDirection() {
    if (common_.DisplaySidesSwapped) {
        swapDisplaySides();
    }
}

void ConsoleWindow::displayNormal() {
    common_.DisplaySidesSwapped = false;
    sidesSwappedMark->setChecked(false);
    zoomAll(true);
}

void ConsoleWindow::sponsorHeightTick() {
    display_->LayoutWithoutSponsor();
    bandLayoutTimer.stop();
}

void ConsoleWindow::displayTick() {
    refreshPreview();
}

void ConsoleWindow::refreshPreview() {
    DisplayCopy(*display_, *previewImage);
}

void ConsoleWindow::framesTick() {
    frameColour_ = NextFrameColour(frameColour_);
    display_->blink(frameColour_);
}

// The event light: red while a display animation runs, green and silent after it.
void ConsoleWindow::showEventLight(bool animation, const QString& text) {
    if (animation != redLight_) {
        redLight_ = animation;
        const Rgb c = Palette16[animation ? 4 : 2];
        eventLight->setStyleSheet(QStringLiteral("background-color:rgb(%1,%2,%3);color:white;")
                                      .arg(c.r)
                                      .arg(c.g)
                                      .arg(c.b));
    }
    if (!animation || !text.isEmpty()) {
        eventLight->setText(text);
    }
}
