#include "sound/Audio.h"

#include "platform/CanaleAudio.h"
#include "platform/Dialoghi.h"

bool AudioRiconosciuto(const QByteArray& inizio) {
    if (inizio.startsWith("ID3")) {
        return true;
    }
    if (inizio.size() >= 12 && inizio.startsWith("RIFF") && inizio.mid(8, 4) == "WAVE") {
        return true;
    }
    return inizio.size() >= 2 && static_cast<unsigned char>(inizio[0]) == 0xFF &&
           (static_cast<unsigned char>(inizio[1]) & 0xE0) == 0xE0;
}

// The two messages are the player's own and stay in English.
void Lettore::SuonaAudio(const QString& percorso) {
    if (!canale_.Apri(percorso)) {
        dialoghi_.Messaggio(QStringLiteral("Error audio file"), Pulsanti::Ok);
        return;
    }
    if (!canale_.Suona()) {
        dialoghi_.Messaggio(QStringLiteral("Error audio"), Pulsanti::Ok);
    }
}

void Lettore::FermaAudio() {
    canale_.Ferma();
    canale_.Chiudi();
}
