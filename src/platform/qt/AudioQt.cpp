#include "platform/qt/AudioQt.h"

#include "platform/AudioFormat.h"

#include <QFile>
#include <QUrl>

QtAudioChannel::QtAudioChannel() {
    player_.setAudioOutput(&exit_);
}

bool QtAudioChannel::Open(const QString& path) {
    if (open_ || path.isEmpty()) {
        return false;
    }
    // The player loads on its own time; a file that is not a sound is refused here, at once.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !AudioRecognised(file.read(16))) {
        return false;
    }
    player_.setSource(QUrl::fromLocalFile(path));
    open_ = true;
    return true;
}

bool QtAudioChannel::Play() {
    if (!open_) {
        return false;
    }
    player_.play();
    return player_.error() == QMediaPlayer::NoError;
}

void QtAudioChannel::Stop() {
    player_.stop();
}

void QtAudioChannel::Close() {
    player_.setSource(QUrl());
    open_ = false;
}
