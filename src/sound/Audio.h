#pragma once

#include <QString>

class AudioChannel;
class Dialogs;

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
