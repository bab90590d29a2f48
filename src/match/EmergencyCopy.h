#pragma once

#include "match/EmergencyCopyPlace.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class Disk;
class FileWriter;
class LanguageTable;

// The running match's copy on disk after every change (match.txt), written off the UI thread,
// and the in-use marker that tells the next start a run ended without "Esci". A write that
// fails in the chosen folder goes to the other one, until the chosen one takes it again.
class EmergencyCopy : public QObject {
    Q_OBJECT
  public:
    EmergencyCopy(Disk& disk, const QString& temporaryFolder, const QString& userFolder);
    ~EmergencyCopy() override;

    const EmergencyCopyPlace& Place() const { return place_; }
    // Where the newest copy written is.
    QString Path() const;

    // Returns at once; the newest bytes win.
    void Save(const QByteArray& matchFile);
    // Waits until everything handed over is on disk; false when `ms` passed first.
    bool Wait(int ms);
    // How fresh the file on disk is: hand-overs counted from 1, and the last one written.
    qint64 HandedOverCount() const;
    qint64 WrittenCount() const;
    // The last hand-over whose write ended, on disk or failed everywhere.
    qint64 TriedCount() const;

    // A run that did not end with "Esci" left a match under way: the newest copy in any folder
    // an earlier run may have used, when it still holds one (a newer finished match means an
    // older copy elsewhere is stale).
    struct Interrupted {
        QString path;
        QDateTime written;
        QStringList lines;
        std::array<QString, 2> teams;
    };
    std::optional<Interrupted> FindInterrupted(const LanguageTable& languages) const;
    // A declined copy is kept among the backups once; it is not offered again.
    void Forget(const Interrupted& declined);
    // This run is under way from now on.
    void MarkInUse();
    // "Esci": the last copy is written, and no start will offer this match back.
    void EndInUse(int waitMs);

  signals:
    // From the worker: the first failure of a run of failures, the success that ends it, and
    // each copy on disk.
    void Failed(const QString& path, const QString& reason);
    void Resumed();
    void Written();
    // Each write that failed in both folders, and the first that went to the other folder.
    void NotWritten();
    void Moved(const QString& folder, const QString& reason);

  private:
    QString FallbackPath() const;

    EmergencyCopyPlace place_;
    std::unique_ptr<FileWriter> writer_;
};
