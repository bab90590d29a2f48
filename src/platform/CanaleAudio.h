#pragma once

#include <QString>

// The one audio channel: a file is opened, played, stopped and closed. Playback goes on by
// itself; nothing here waits for the sound.
class CanaleAudio {
public:
    virtual ~CanaleAudio() = default;
    // False when the file cannot be loaded (missing, not a sound we play, channel still open).
    virtual bool Apri(const QString& percorso) = 0;
    virtual bool Suona() = 0;
    virtual void Ferma() = 0;
    virtual void Chiudi() = 0;
};
