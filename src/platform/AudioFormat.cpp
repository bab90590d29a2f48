#include "platform/AudioFormat.h"

bool AudioRecognised(const QByteArray& start) {
    if (start.startsWith("ID3")) {
        return true;
    }
    if (start.size() >= 12 && start.startsWith("RIFF") && start.mid(8, 4) == "WAVE") {
        return true;
    }
    return start.size() >= 2 && static_cast<unsigned char>(start[0]) == 0xFF &&
           (static_cast<unsigned char>(start[1]) & 0xE0) == 0xE0;
}
