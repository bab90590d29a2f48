#include "display/Colori.h"

namespace {
constexpr int Cifre = 6;
constexpr qsizetype LunghezzaMinima = 42;
} // namespace

ColoriPannello ColoriPredefiniti() {
    return {0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FFFF, 0xFFFF00, 0x000000, 0x000000};
}

bool ApplicaSerial(const QString& serial, ColoriPannello& colori) {
    if (serial.size() < LunghezzaMinima) {
        return false;
    }
    for (size_t g = 0; g < colori.size(); ++g) {
        bool ok = false;
        const uint valore = serial.mid(static_cast<qsizetype>(g) * Cifre, Cifre).toUInt(&ok, 16);
        if (ok) {
            colori[g] = valore;
        }
    }
    return true;
}

QString CostruisciSerial(const ColoriPannello& colori) {
    QString s;
    for (const std::uint32_t c : colori) {
        s += (QStringLiteral("00000") + QString::number(c, 16).toUpper()).right(Cifre);
    }
    return s;
}

QString ColoreCss(std::uint32_t bgr) {
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg(bgr & 0xFF)
        .arg((bgr >> 8) & 0xFF)
        .arg((bgr >> 16) & 0xFF);
}

std::uint32_t TestoLeggibile(std::uint32_t sfondo) {
    // Perceived brightness, 0..255 (ITU-R BT.601 weights).
    const double luce = 0.299 * (sfondo & 0xFF) + 0.587 * ((sfondo >> 8) & 0xFF) +
                        0.114 * ((sfondo >> 16) & 0xFF);
    return luce >= 128 ? 0x000008 : 0xFFFFFF;
}
