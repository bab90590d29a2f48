#include "shared/FileWriter.h"

#include "platform/Disk.h"

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

void FileWriter::HandOver(const QString& path, const QByteArray& data,
                          std::function<void()> after) {
    {
        std::lock_guard lock(mutex_);
        const qint64 number = ++handedOver_;
        bool replaced = false;
        for (Job& l : queue_) {
            if (l.path == path) {
                l.data = data;
                l.after = std::move(after);
                l.number = number;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            queue_.push_back({path, data, std::move(after), number});
        }
    }
    changed_.notify_all();
}

bool FileWriter::Wait(int ms) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms),
                             [this] { return queue_.empty() && !inFlight_; });
}

qint64 FileWriter::HandedOverCount() const {
    std::lock_guard lock(mutex_);
    return handedOver_;
}

qint64 FileWriter::WrittenCount() const {
    std::lock_guard lock(mutex_);
    return written_;
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
        const bool written = disk_.Write(job.path, job.data, reason);
        if (written && job.after) {
            job.after();
        }
        lock.lock();
        inFlight_ = false;
        if (written) {
            written_ = std::max(written_, job.number);
            emit Written();
            if (failing_) {
                failing_ = false;
                emit Resumption();
            }
        } else {
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
                queue_.push_front(job);
            }
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
