// The console's sounds: the cheer after a point and the sounds window.
#include "console/ui/ConsoleWindow.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "sound/ui/SoundsWindow.h"

void ConsoleWindow::Cheer(int pointType) {
    player_.StopAudio();
    player_.PlayAudio(common_.CheerSounds[pointType]);
    // A duration never saved gives no interval: the sound is then not cut.
    if (cheerTimer.interval() > 0) {
        cheerTimer.start();
    }
}

void ConsoleWindow::cheerTick() {
    cheerTimer.stop();
    player_.StopAudio();
}

void ConsoleWindow::openSoundsWindow() {
    SoundsWindow window(common_, player_, platform_, cheerTimer);
    window.load();
    platform_.modal.Show(window);
}
