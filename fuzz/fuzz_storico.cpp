// One history line, as a loaded file or a damaged emergency copy may hold it.
#include "match/Storico.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const QString riga =
        QString::fromUtf8(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n));
    const RigaStorico letta = LeggiRiga(riga);
    if (letta.Lato < 0 || letta.Lato > 1) {
        std::abort();
    }
    return 0;
}
