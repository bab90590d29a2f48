#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <optional>

// A picture decoded no larger than it will be shown, from a source of bounded size.
// A null image when the file is missing, is not a picture or is absurdly large.
QImage DecodeImage(const QString& path, int width);

enum class Conversion { Success, NotAnImage, FailedWriting };

// Re-encodes any readable picture as a JPEG at destinazione, replacing it whole or not at all:
// nothing is written when the source is not a usable picture or the disk refuses.
Conversion ConvertImage(const QString& source, const QString& destination);

// Pictures decoded ahead of the moment they are shown, off the user-interface thread.
// Everything but the decoding itself happens on the thread that owns the cache.
class ImageCache : public QObject {
    Q_OBJECT
  public:
    // Decoded pictures are kept up to `memory` bytes, the least recently used going first.
    explicit ImageCache(qint64 memory = 256LL * 1024 * 1024);
    ~ImageCache() override;

    // Already decoded (possibly null: a failed picture), or nothing yet.
    std::optional<QImage> Ready(const QString& path, int width) const;
    // Decoded now when not ready: for the moment a picture is needed and was not foreseen.
    QImage Image(const QString& path, int width);
    void Prepare(const QString& path, int width);
    // Forgets what is queued and not yet started: a new size or a new team.
    void Cancel();
    // Waits for the queued decodes and takes their results in.
    void Wait();
    // Forgets every picture: the files may have changed.
    void Empty();

  signals:
    void ReadyImage(const QString& path, int width);

  private:
    void Keep(const QString& key, const QImage& image);

    QThreadPool pool_;
    QCache<QString, QImage> ready_;
    QSet<QString> failed_;
    QSet<QString> inProgress_;
};
