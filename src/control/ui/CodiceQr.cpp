#include "control/ui/CodiceQr.h"

#include <qrencode.h>

#include <memory>

QImage CodiceQr(const QString& testo, int lato) {
    const QByteArray dati = testo.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString(dati.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!qr || lato < 1) {
        return {};
    }
    constexpr int Margine = 4;
    const int moduli = qr->width + 2 * Margine;
    QImage immagine(moduli * lato, moduli * lato, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    for (int y = 0; y < qr->width; ++y) {
        for (int x = 0; x < qr->width; ++x) {
            if ((qr->data[y * qr->width + x] & 1) == 0) {
                continue;
            }
            for (int dy = 0; dy < lato; ++dy) {
                auto* riga = reinterpret_cast<QRgb*>(immagine.scanLine((y + Margine) * lato + dy));
                for (int dx = 0; dx < lato; ++dx) {
                    riga[(x + Margine) * lato + dx] = qRgb(0, 0, 0);
                }
            }
        }
    }
    return immagine;
}
