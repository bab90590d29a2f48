#include "Photos.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

void WriteLargePhoto(const QString& path, unsigned seed, QSize size) {
    QDir().mkpath(QFileInfo(path).path());
    QImage photo(size, QImage::Format_RGB32);
    unsigned testCase = seed;
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            testCase = testCase * 1664525u + 1013904223u;
            const int grain = static_cast<int>(testCase >> 28);
            line[x] =
                qRgb((x / 16 + grain) & 255, (y / 12 + grain) & 255, (seed * 40 + grain) & 255);
        }
    }
    photo.save(path, "JPG", 90);
}
