#include "control/ui/QrCode.h"

#include <qrencode.h>

#include <memory>

QImage QrCode(const QString& text, int side) {
    const QByteArray data = text.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString(data.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!qr || side < 1) {
        return {};
    }
    constexpr int Margin = 4;
    const int modules = qr->width + 2 * Margin;
    QImage image(modules * side, modules * side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < qr->width; ++y) {
        for (int x = 0; x < qr->width; ++x) {
            if ((qr->data[y * qr->width + x] & 1) == 0) {
                continue;
            }
            for (int dy = 0; dy < side; ++dy) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine((y + Margin) * side + dy));
                for (int dx = 0; dx < side; ++dx) {
                    line[(x + Margin) * side + dx] = qRgb(0, 0, 0);
                }
            }
        }
    }
    return image;
}
