// The venue's reading of what the broker delivers: any topic, any payload. The first line of an
// input is the topic, the rest the payload.
#include "venue/Topics.h"
#include "venue/VenueBoard.h"

#include <QByteArray>
#include <QJsonDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
    const qsizetype newline = all.indexOf('\n');
    const QString topic = QString::fromUtf8(newline < 0 ? all : all.left(newline));
    const QByteArray payload = newline < 0 ? QByteArray() : all.mid(newline + 1);
    VenueBoard board(QStringLiteral("gym"));
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1796900000);
    board.Accept(topic, payload, now);
    board.Accept(topic, payload, now);
    for (auto it = board.Courts().cbegin(); it != board.Courts().cend(); ++it) {
        // Whatever got in is a name that cannot leave its topic or its folder.
        if (!Topics::ValidName(it.key())) {
            std::abort();
        }
    }
    for (const VenueBoard::Result& r : board.Results()) {
        if (!Topics::ValidName(r.id) || r.file.size() > VenueBoard::MaxResult) {
            std::abort();
        }
    }
    if (QJsonDocument::fromJson(board.Json(now)).isNull()) {
        std::abort();
    }
    board.ResultsCsv();
    return 0;
}
