#pragma once

#include <QByteArray>
#include <QString>

// The system calls that put a whole file on the disk. Every one can be replaced, so a test can
// see their order; the real ones are the base class's. Each answers as the system does: -1 (or
// a short count) on failure, with errno set.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    // A new file for writing only, refused when it already exists; `mode` is its exact mode.
    virtual int Create(const QByteArray& path, int mode);
    virtual long long Write(int handle, const char* data, long long size);
    virtual int Sync(int handle);
    virtual int Close(int handle);
    // Over an existing file in one step.
    virtual int Rename(const QByteArray& from, const QByteArray& to);
    virtual int Remove(const QByteArray& path);
    // A handle on the folder, for syncing the names it holds.
    virtual int OpenFolder(const QByteArray& path);

    static FileCalls& System();
};

// The bytes as the whole file at `path`, or nothing changed: written to a new file beside it,
// every byte checked, synced, renamed over the old one, then the folder synced so the new name
// survives a power cut. The file keeps the old one's mode. Empty on success, else the system's
// reason.
QString ReplaceWholeFile(const QString& path, const QByteArray& data,
                         FileCalls& calls = FileCalls::System());

// The names `folder` holds, put on the disk: after a folder was moved into it. Empty on
// success, else the system's reason.
QString SyncFolder(const QString& folder, FileCalls& calls = FileCalls::System());
// `from` renamed over `to` in one step. Empty on success, else the system's reason.
QString RenameOver(const QString& from, const QString& to, FileCalls& calls = FileCalls::System());
