#pragma once

#include <QByteArray>
#include <QString>

class AudioChannel;
class Dialogs;

// Whether the first bytes of a file are an MP3 (ID3 tag or frame sync) or a WAV (RIFF/WAVE).
bool AudioRecognised(const QByteArray& start);

// The program's player over the one channel; callers stop before they play.
class Player {
  public:
    Player(AudioChannel& channel, Dialogs& dialogs) : channel_(channel), dialogs_(dialogs) {}

    void PlayAudio(const QString& path);
    void StopAudio();

  private:
    AudioChannel& channel_;
    Dialogs& dialogs_;
};
