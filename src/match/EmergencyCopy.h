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
// and the in-use marker that tells the next start a run ended without "Esci".
class EmergencyCopy : public QObject {
    Q_OBJECT
  public:
    EmergencyCopy(Disk& disk, const QString& temporaryFolder, const QString& userFolder);
    ~EmergencyCopy() override;

    const EmergencyCopyPlace& Place() const { return place_; }
    QString Path() const { return place_.copyPath(); }

    // Returns at once; the newest bytes win.
    void Save(const QByteArray& matchFile);
    // Waits until everything handed over is on disk; false when `ms` passed first.
    bool Wait(int ms);
    // How fresh the file on disk is: hand-overs counted from 1, and the last one written.
    qint64 HandedOverCount() const;
    qint64 WrittenCount() const;

    // A run that did not end with "Esci" left a match under way: the newest copy that still
    // holds one, in any folder an earlier run may have used.
    struct Interrupted {
        QString path;
        QDateTime written;
        QStringList lines;
        std::array<QString, 2> teams;
    };
    std::optional<Interrupted> FindInterrupted(const LanguageTable& languages) const;
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

  private:
    EmergencyCopyPlace place_;
    std::unique_ptr<FileWriter> writer_;
};
