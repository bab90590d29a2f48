#include "platform/qt/AudioQt.h"

#include "sound/Audio.h"

#include <QFile>
#include <QUrl>

CanaleAudioQt::CanaleAudioQt() {
    player_.setAudioOutput(&uscita_);
}

bool CanaleAudioQt::Apri(const QString& percorso) {
    if (aperto_ || percorso.isEmpty()) {
        return false;
    }
    // The player loads on its own time; a file that is not a sound is refused here, at once.
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly) || !AudioRiconosciuto(file.read(16))) {
        return false;
    }
    player_.setSource(QUrl::fromLocalFile(percorso));
    aperto_ = true;
    return true;
}

bool CanaleAudioQt::Suona() {
    if (!aperto_) {
        return false;
    }
    player_.play();
    return player_.error() == QMediaPlayer::NoError;
}

void CanaleAudioQt::Ferma() {
    player_.stop();
}

void CanaleAudioQt::Chiudi() {
    player_.setSource(QUrl());
    aperto_ = false;
}
