#pragma once

#include <QByteArray>

// Whether the first bytes of a file are an MP3 (ID3 tag or frame sync) or a WAV (RIFF/WAVE):
// the channel refuses anything else before the player sees it.
bool AudioRecognised(const QByteArray& start);
