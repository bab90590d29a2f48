#pragma once

#include <QByteArray>
#include <QString>

class CanaleAudio;
class Dialoghi;

// Whether the first bytes of a file are an MP3 (ID3 tag or frame sync) or a WAV (RIFF/WAVE).
bool AudioRiconosciuto(const QByteArray& inizio);

// The program's player over the one channel; callers stop before they play.
class Lettore {
public:
    Lettore(CanaleAudio& canale, Dialoghi& dialoghi) : canale_(canale), dialoghi_(dialoghi) {}

    void SuonaAudio(const QString& percorso);
    void FermaAudio();

private:
    CanaleAudio& canale_;
    Dialoghi& dialoghi_;
};
