#include "shared/ui/Images.h"

#include "shared/FileText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

// Any real photo or logo fits; a 30000 x 30000 "picture" would freeze the display.
constexpr qint64 MaxPixels = 64LL * 1000 * 1000;
constexpr int MaxSide = 16000;

// A picture replaced on disk (in the team editor, the sponsor manager) is another picture:
// its size and time are in the key, so it is decoded afresh at its next use.
QString Key(const QString& path, int width) {
    const QFileInfo file(path);
    return QString::number(width) + QLatin1Char('|') + QString::number(file.size()) +
           QLatin1Char('|') + QString::number(file.lastModified().toMSecsSinceEpoch()) +
           QLatin1Char('|') + path;
}

} // namespace

QImage DecodeImage(const QString& path, int width) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize source = reader.size();
    if (!source.isValid() || source.width() > MaxSide || source.height() > MaxSide ||
        static_cast<qint64>(source.width()) * source.height() > MaxPixels) {
        return {};
    }
    if (width > 0 && width < source.width()) {
        reader.setScaledSize(QSize(width, std::max(1, source.height() * width / source.width())));
    }
    return reader.read();
}

Conversion ConvertImage(const QString& source, const QString& destination) {
    QImage image = DecodeImage(source.trimmed(), 0);
    if (image.isNull()) {
        return Conversion::NotAnImage;
    }
    if (image.hasAlphaChannel()) {
        // JPEG has no transparency: a logo's clear background becomes white, not black.
        QImage full(image.size(), QImage::Format_RGB32);
        full.fill(Qt::white);
        QPainter(&full).drawImage(0, 0, image);
        image = full;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    const bool written = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPG", 90) &&
                         WriteWholeFile(destination, jpeg);
    return written ? Conversion::Success : Conversion::FailedWriting;
}

ImageCache::ImageCache(qint64 memory) : ready_(static_cast<int>(memory / 1024)) {
    pool_.setMaxThreadCount(1);
}

ImageCache::~ImageCache() {
    pool_.clear();
    pool_.waitForDone();
}

std::optional<QImage> ImageCache::Ready(const QString& path, int width) const {
    const QString key = Key(path, width);
    if (const QImage* image = ready_.object(key)) {
        return *image;
    }
    if (failed_.contains(key)) {
        return QImage();
    }
    return std::nullopt;
}

QImage ImageCache::Image(const QString& path, int width) {
    if (auto ready = Ready(path, width)) {
        return *ready;
    }
    const QImage image = DecodeImage(path, width);
    Keep(Key(path, width), image);
    return image;
}

void ImageCache::Prepare(const QString& path, int width) {
    const QString key = Key(path, width);
    if (inProgress_.contains(key) || Ready(path, width)) {
        return;
    }
    inProgress_.insert(key);
    pool_.start([this, path, width, key] {
        const QImage image = DecodeImage(path, width);
        QMetaObject::invokeMethod(
            this,
            [this, path, width, key, image] {
                if (inProgress_.remove(key)) {
                    Keep(key, image);
                    emit ReadyImage(path, width);
                }
            },
            Qt::QueuedConnection);
    });
}

void ImageCache::Cancel() {
    pool_.clear();
    inProgress_.clear();
}

void ImageCache::Wait() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ImageCache::Empty() {
    Cancel();
    ready_.clear();
    failed_.clear();
}

void ImageCache::Keep(const QString& key, const QImage& image) {
    if (image.isNull()) {
        failed_.insert(key);
        return;
    }
    failed_.remove(key);
    // Cost in kilobytes, so a screen of photos fits the int the cache counts in.
    ready_.insert(key, new QImage(image), static_cast<int>(image.sizeInBytes() / 1024) + 1);
}
