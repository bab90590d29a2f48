#include "display/Colours.h"

namespace {
constexpr int Digits = 6;
constexpr qsizetype MinLength = 42;
} // namespace

PanelColours DefaultColours() {
    return {0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FFFF, 0xFFFF00, 0x000000, 0x000000};
}

bool ReadPanelColours(const QString& serial, PanelColours& colours) {
    if (serial.size() < MinLength) {
        return false;
    }
    for (size_t g = 0; g < colours.size(); ++g) {
        bool ok = false;
        const uint value = serial.mid(static_cast<qsizetype>(g) * Digits, Digits).toUInt(&ok, 16);
        if (ok) {
            colours[g] = value;
        }
    }
    return true;
}

QString PanelColoursText(const PanelColours& colours) {
    QString s;
    for (const std::uint32_t c : colours) {
        s += (QStringLiteral("00000") + QString::number(c, 16).toUpper()).right(Digits);
    }
    return s;
}

QString CssColour(std::uint32_t bgr) {
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg(bgr & 0xFF)
        .arg((bgr >> 8) & 0xFF)
        .arg((bgr >> 16) & 0xFF);
}

std::uint32_t ReadableText(std::uint32_t background) {
    // Perceived brightness, 0..255 (ITU-R BT.601 weights).
    const double light = 0.299 * (background & 0xFF) + 0.587 * ((background >> 8) & 0xFF) +
                         0.114 * ((background >> 16) & 0xFF);
    return light >= 128 ? 0x000008 : 0xFFFFFF;
}
