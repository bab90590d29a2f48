#include "sound/Audio.h"

#include "platform/AudioChannel.h"
#include "platform/Dialogs.h"

// The two messages are the player's own and stay in English.
void Player::PlayAudio(const QString& path) {
    if (!channel_.Open(path)) {
        dialogs_.Message(QStringLiteral("Error audio file"), Buttons::Ok);
        return;
    }
    if (!channel_.Play()) {
        dialogs_.Message(QStringLiteral("Error audio"), Buttons::Ok);
    }
}

void Player::StopAudio() {
    channel_.Stop();
    channel_.Close();
}
