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
        const HttpParser::Result outcome = parser.Next();
        if (outcome.Refusal != 0) {
            if (outcome.Refusal < 400 || outcome.Refusal > 505) {
                std::abort();
            }
            return 0;
        }
        if (outcome.Request) {
            if (!outcome.Request->Target.startsWith('/') ||
                outcome.Request->Body.size() > HttpParser::MaxBody ||
                ((outcome.Request->Method == "GET" || outcome.Request->Method == "HEAD") &&
                 !outcome.Request->Body.isEmpty())) {
                std::abort();
            }
            continue;
        }
        if (read >= all.size()) {
            return 0;
        }
        const qsizetype howMany = std::min({piece, parser.Room(), all.size() - read});
        if (howMany <= 0) {
            std::abort(); // it asked for nothing more and gave nothing: it would hang
        }
        parser.Append(all.mid(read, howMany));
        read += howMany;
    }
    return 0;
}
