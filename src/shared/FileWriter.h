#pragma once

#include <QByteArray>
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
// write is retried until it succeeds or newer text replaces it.
class FileWriter : public QObject {
    Q_OBJECT
  public:
    explicit FileWriter(Disk& disk, int retryMs = 1000);
    // Writes what is pending, for at most a second, then stops.
    ~FileWriter() override;

    // Returns at once; `after` runs on the worker after the file is written.
    void HandOver(const QString& path, const QByteArray& data, std::function<void()> after = {});
    // Waits until everything handed over is written; false when `ms` passed first.
    bool Wait(int ms);
    // Hand-overs counted from 1, and the last one written; on one file they say how fresh
    // the file on disk is.
    qint64 HandedOverCount() const;
    qint64 WrittenCount() const;

  signals:
    // From the worker: the first failure of a run of failures, and the success that ends it.
    void Failed(const QString& path, const QString& reason);
    void Resumption();
    // From the worker: a file is on disk (see Scritte()).
    void Written();

  private:
    struct Job {
        QString path;
        QByteArray data;
        std::function<void()> after;
        qint64 number = 0;
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
    std::thread worker_;
};
