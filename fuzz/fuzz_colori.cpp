// The colour string of the settings: whatever it applies must build a string that applies
// the same colours again.
#include "display/Colori.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const QString serial =
        QString::fromUtf8(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n));
    ColoriPannello colori = ColoriPredefiniti();
    ApplicaSerial(serial, colori);
    ColoriPannello riletti = ColoriPredefiniti();
    if (!ApplicaSerial(CostruisciSerial(colori), riletti) || riletti != colori) {
        std::abort();
    }
    return 0;
}
