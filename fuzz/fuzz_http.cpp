// The live server's request reader, fed what a guest on the hall's network may send, in the
// pieces TCP may cut it into.
#include "platform/HttpParser.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
    HttpParser parser;
    // The first byte chooses where TCP cuts the stream.
    const qsizetype piece = n > 0 ? 1 + data[0] % 64 : 1;
    qsizetype read = 0;
    for (int turns = 0; turns < 100000; ++turns) {
        const HttpParser::Result outcome = parser.next();
        if (outcome.refusal != 0) {
            if (outcome.refusal < 400 || outcome.refusal > 505) {
                std::abort();
            }
            return 0;
        }
        if (outcome.request) {
            if (!outcome.request->target.startsWith('/') ||
                outcome.request->body.size() > HttpParser::MaxBody ||
                ((outcome.request->method == "GET" || outcome.request->method == "HEAD") &&
                 !outcome.request->body.isEmpty())) {
                std::abort();
            }
            continue;
        }
        if (read >= all.size()) {
            return 0;
        }
        const qsizetype howMany = std::min({piece, parser.room(), all.size() - read});
        if (howMany <= 0) {
            std::abort(); // it asked for nothing more and gave nothing: it would hang
        }
        parser.append(all.mid(read, howMany));
        read += howMany;
    }
    return 0;
}
