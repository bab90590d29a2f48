#include "platform/FileSync.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The real calls, each one written down; the call named `failing` fails as a full disk would.
class RecordedCalls : public FileCalls {
  public:
    explicit RecordedCalls(std::string failing = {}) : failing_(std::move(failing)) {}
    std::vector<std::string> calls;

    int Create(const QByteArray& path, int mode) override {
        return Record("create") ? FileCalls::Create(path, mode) : -1;
    }
    long long Write(int handle, const char* data, long long size) override {
        return Record("write") ? FileCalls::Write(handle, data, size) : -1;
    }
    int Sync(int handle) override {
        return Record(handle == folder_ ? "sync folder" : "sync") ? FileCalls::Sync(handle) : -1;
    }
    int Close(int handle) override {
        const bool closing = Record(handle == folder_ ? "close folder" : "close");
        const int result = FileCalls::Close(handle);
        return closing ? result : -1;
    }
    int Rename(const QByteArray& from, const QByteArray& to) override {
        return Record("rename") ? FileCalls::Rename(from, to) : -1;
    }
    int Remove(const QByteArray& path) override {
        return Record("remove") ? FileCalls::Remove(path) : -1;
    }
    int OpenFolder(const QByteArray& path) override {
        folder_ = Record("open folder") ? FileCalls::OpenFolder(path) : -1;
        return folder_;
    }

  private:
    bool Record(const std::string& call) {
        calls.push_back(call);
        if (call == failing_) {
            errno = ENOSPC;
            return false;
        }
        return true;
    }
    std::string failing_;
    int folder_ = -3;
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// A change counts as saved only once its new name is on the disk: the folder is synced after
// the rename, before success is answered.
TEST(FileSyncTest, TheFolderIsSyncedAfterTheRenameBeforeSuccess) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("emergenza.txt"));
    RecordedCalls calls;
    EXPECT_EQ(QString(), ReplaceWholeFile(path, "3-1", calls));
    const std::vector<std::string> expected{"create", "write",       "sync",        "close",
                                            "rename", "open folder", "sync folder", "close folder"};
    EXPECT_EQ(expected, calls.calls);
    EXPECT_EQ(QByteArray("3-1"), Contents(path));
}

// Whichever step fails, the caller hears the system's reason and no half-made file is left
// behind; before the rename the old file is as it was.
TEST(FileSyncTest, AFailingStepIsReportedAndLeavesTheOldFile) {
    struct Case {
        std::string failing;
        QByteArray left;
    };
    for (const Case& c :
         {Case{"create", "old"}, Case{"write", "old"}, Case{"sync", "old"}, Case{"close", "old"},
          Case{"rename", "old"}, Case{"open folder", "new"}, Case{"sync folder", "new"}}) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("partita.txt"));
        ASSERT_EQ(QString(), ReplaceWholeFile(path, "old"));
        RecordedCalls calls(c.failing);
        EXPECT_EQ(qt_error_string(ENOSPC), ReplaceWholeFile(path, "new", calls)) << c.failing;
        EXPECT_EQ(c.left, Contents(path)) << c.failing;
        EXPECT_EQ(QStringList{QStringLiteral("partita.txt")},
                  QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
            << c.failing;
    }
}

// The settings file holding the remote's secret stays its owner's alone when rewritten.
TEST(FileSyncTest, TheNewFileKeepsTheOldOnesMode) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Brivanta.conf"));
    ASSERT_EQ(QString(), ReplaceWholeFile(path, "old"));
    for (const auto mode : {QFileDevice::ReadOwner | QFileDevice::WriteOwner,
                            QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ReadGroup | QFileDevice::ReadOther}) {
        ASSERT_TRUE(QFile::setPermissions(path, mode));
        ASSERT_EQ(QString(), ReplaceWholeFile(path, "new"));
        EXPECT_EQ((QFile::permissions(path) & 0xF0FF).toInt(), (mode & 0xF0FF).toInt());
    }
}
