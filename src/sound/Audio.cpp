#include "sound/Audio.h"

#include "platform/AudioChannel.h"
#include "platform/Dialogs.h"
#include "sound/Messages.h"

void Player::PlayAudio(const QString& path) {
    if (!channel_.Open(path)) {
        dialogs_.Message(SoundMessages::FileNotOpened, Buttons::Ok);
        return;
    }
    if (!channel_.Play()) {
        dialogs_.Message(SoundMessages::NotPlayed, Buttons::Ok);
    }
}

void Player::StopAudio() {
    channel_.Stop();
    channel_.Close();
}
