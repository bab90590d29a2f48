// The live server's request reader, fed what a guest on the hall's network may send, in the
// pieces TCP may cut it into.
#include "platform/HttpParser.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const QByteArray tutto(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n));
    HttpParser lettore;
    // The first byte chooses where TCP cuts the stream.
    const qsizetype pezzo = n > 0 ? 1 + dati[0] % 64 : 1;
    qsizetype letti = 0;
    for (int giri = 0; giri < 100000; ++giri) {
        const HttpParser::Result esito = lettore.next();
        if (esito.refusal != 0) {
            if (esito.refusal < 400 || esito.refusal > 505) {
                std::abort();
            }
            return 0;
        }
        if (esito.request) {
            if (!esito.request->target.startsWith('/') || esito.request->body.size() > HttpParser::MaxBody ||
                ((esito.request->method == "GET" || esito.request->method == "HEAD") && !esito.request->body.isEmpty())) {
                std::abort();
            }
            continue;
        }
        if (letti >= tutto.size()) {
            return 0;
        }
        const qsizetype quanti = std::min({pezzo, lettore.room(), tutto.size() - letti});
        if (quanti <= 0) {
            std::abort(); // it asked for nothing more and gave nothing: it would hang
        }
        lettore.append(tutto.mid(letti, quanti));
        letti += quanti;
    }
    return 0;
}
