#pragma once

#include <QString>

// The one audio channel: a file is opened, played, stopped and closed. Playback goes on by
// itself; nothing here waits for the sound.
class AudioChannel {
  public:
    virtual ~AudioChannel() = default;
    // False when the file cannot be loaded (missing, not a sound we play, channel still open).
    virtual bool Open(const QString& path) = 0;
    virtual bool Play() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;
};
