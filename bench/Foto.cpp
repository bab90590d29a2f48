#include "Foto.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

void ScriviFotoGrande(const QString& percorso, unsigned seme, QSize dimensione) {
    QDir().mkpath(QFileInfo(percorso).path());
    QImage foto(dimensione, QImage::Format_RGB32);
    unsigned caso = seme;
    for (int y = 0; y < foto.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(foto.scanLine(y));
        for (int x = 0; x < foto.width(); ++x) {
            caso = caso * 1664525u + 1013904223u;
            const int grana = static_cast<int>(caso >> 28);
            riga[x] = qRgb((x / 16 + grana) & 255, (y / 12 + grana) & 255, (seme * 40 + grana) & 255);
        }
    }
    foto.save(percorso, "JPG", 90);
}
