#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class Disk;

// Writes files on its own thread, so a slow or full disk never holds the console. A file
// handed over again before it was written is written once, with its newest text. A failed
// write is retried until it succeeds or newer text replaces it. A file handed over with a
// fallback goes there while its own place fails, and back once that place takes it again.
class FileWriter : public QObject {
    Q_OBJECT
  public:
    explicit FileWriter(Disk& disk, int retryMs = 1000);
    // Writes what is pending, for at most a second, then stops.
    ~FileWriter() override;

    // Returns at once; `after` runs on the worker after the file is written.
    void HandOver(const QString& path, const QByteArray& data, std::function<void()> after = {},
                  const QString& fallback = {});
    // Waits until everything handed over was written or tried and failed; true when all of
    // it is on disk. A failing disk is not waited for: it has answered.
    bool Wait(int ms);
    // Hand-overs counted from 1, the last one written, and the last one whose write ended
    // (written or failed); on one file they say how fresh the file on disk is.
    qint64 HandedOverCount() const;
    qint64 WrittenCount() const;
    qint64 TriedCount() const;
    // Where the newest text handed over with this path landed: the path or its fallback.
    QString WrittenPath(const QString& path) const;

  signals:
    // From the worker: the first failure of a run of failures, and the success that ends it.
    void Failed(const QString& path, const QString& reason);
    void Resumption();
    // From the worker: a file is on disk (see WrittenCount()).
    void Written();
    // From the worker: a write failed in every place it could go.
    void NotWritten();
    // From the worker: the first write that went to the fallback because its own place failed.
    void Moved(const QString& path, const QString& fallback, const QString& reason);

  private:
    struct Job {
        QString path;
        QByteArray data;
        std::function<void()> after;
        qint64 number = 0;
        QString fallback;
        bool tried = false;
    };
    void Loop();

    Disk& disk_;
    const int retryMs_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;
    bool inFlight_ = false;
    bool stop_ = false;
    bool failing_ = false;
    qint64 handedOver_ = 0;
    qint64 written_ = 0;
    qint64 tried_ = 0;
    QMap<QString, QString> onFallback_; // path → its fallback, while the path fails
    std::thread worker_;
};
