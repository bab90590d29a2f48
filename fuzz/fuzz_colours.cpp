// The colour string of the settings: whatever it applies must build a string that applies
// the same colours again.
#include "display/Colours.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QString serial =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
    PanelColours colours = DefaultColours();
    ApplySerial(serial, colours);
    PanelColours reread = DefaultColours();
    if (!ApplySerial(BuildSerial(colours), reread) || reread != colours) {
        std::abort();
    }
    return 0;
}
