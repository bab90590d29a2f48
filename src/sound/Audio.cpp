#include "sound/Audio.h"

#include "platform/AudioChannel.h"
#include "platform/Dialogs.h"

bool AudioRecognised(const QByteArray& start) {
    if (start.startsWith("ID3")) {
        return true;
    }
    if (start.size() >= 12 && start.startsWith("RIFF") && start.mid(8, 4) == "WAVE") {
        return true;
    }
    return start.size() >= 2 && static_cast<unsigned char>(start[0]) == 0xFF &&
           (static_cast<unsigned char>(start[1]) & 0xE0) == 0xE0;
}

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
