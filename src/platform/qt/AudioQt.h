#pragma once

#include "platform/CanaleAudio.h"

#include <QAudioOutput>
#include <QMediaPlayer>

class CanaleAudioQt : public CanaleAudio {
public:
    CanaleAudioQt();
    bool Apri(const QString& percorso) override;
    bool Suona() override;
    void Ferma() override;
    void Chiudi() override;

private:
    QMediaPlayer player_;
    QAudioOutput uscita_;
    bool aperto_ = false;
};
