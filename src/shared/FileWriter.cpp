#include "shared/FileWriter.h"

#include "platform/Disk.h"

#include <QFile>
#include <algorithm>
#include <chrono>

FileWriter::FileWriter(Disk& disk, int retryMs)
    : disk_(disk), retryMs_(retryMs), worker_([this] { Loop(); }) {}

FileWriter::~FileWriter() {
    Wait(1000);
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void FileWriter::HandOver(const QString& path, const QByteArray& data, std::function<void()> after,
                          const QString& fallback) {
    {
        std::lock_guard lock(mutex_);
        const qint64 number = ++handedOver_;
        bool replaced = false;
        for (Job& l : queue_) {
            if (l.path == path) {
                l.data = data;
                l.after = std::move(after);
                l.number = number;
                l.fallback = fallback;
                l.tried = false;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            queue_.push_back({path, data, std::move(after), number, fallback});
        }
    }
    changed_.notify_all();
}

bool FileWriter::Wait(int ms) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] {
        return !inFlight_ &&
               std::all_of(queue_.cbegin(), queue_.cend(), [](const Job& j) { return j.tried; });
    });
    return queue_.empty() && !inFlight_;
}

qint64 FileWriter::HandedOverCount() const {
    std::lock_guard lock(mutex_);
    return handedOver_;
}

qint64 FileWriter::WrittenCount() const {
    std::lock_guard lock(mutex_);
    return written_;
}

qint64 FileWriter::TriedCount() const {
    std::lock_guard lock(mutex_);
    return tried_;
}

QString FileWriter::WrittenPath(const QString& path) const {
    std::lock_guard lock(mutex_);
    return onFallback_.value(path, path);
}

void FileWriter::Loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_) {
            return;
        }
        Job job = queue_.front();
        queue_.pop_front();
        inFlight_ = true;
        lock.unlock();
        QString reason;
        bool written = disk_.Write(job.path, job.data, reason);
        QString otherReason;
        const bool fallen =
            !written && !job.fallback.isEmpty() && disk_.Write(job.fallback, job.data, otherReason);
        written = written || fallen;
        if (written && job.after) {
            job.after();
        }
        lock.lock();
        inFlight_ = false;
        tried_ = std::max(tried_, job.number);
        if (fallen && !onFallback_.contains(job.path)) {
            onFallback_.insert(job.path, job.fallback);
            emit Moved(job.path, job.fallback, reason);
        } else if (written && !fallen && onFallback_.contains(job.path)) {
            // Back in its own place: the older text left in the fallback is no copy to trust.
            QFile::remove(onFallback_.take(job.path));
        }
        if (written) {
            written_ = std::max(written_, job.number);
            emit Written();
            if (failing_) {
                failing_ = false;
                emit Resumption();
            }
        } else {
            emit NotWritten();
            if (!failing_) {
                failing_ = true;
                emit Failed(job.path, reason);
            }
            // Newer text for the same file, handed over meanwhile, takes its place.
            bool replaced = false;
            for (const Job& l : queue_) {
                replaced = replaced || l.path == job.path;
            }
            if (!replaced) {
                job.tried = true;
                queue_.push_front(job);
            }
            // Whoever waits for this text hears that the disk answered.
            changed_.notify_all();
            changed_.wait_for(lock, std::chrono::milliseconds(retryMs_), [this, &job] {
                if (stop_) {
                    return true;
                }
                for (const Job& l : queue_) {
                    if (l.path == job.path && l.number != job.number) {
                        return true;
                    }
                }
                return false;
            });
        }
        changed_.notify_all();
    }
}
