#pragma once

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class Disk;
class FileWriter;

// The backups folder: a copy of every match worth keeping, named by date, time and teams,
// the newest `Kept` kept. Written on a worker thread, like the emergency copy.
class Archive : public QObject {
    Q_OBJECT
  public:
    static constexpr int Kept = 100;

    Archive(Disk& disk, QString folder);
    ~Archive() override;

    const QString& Folder() const { return folder_; }
    // Hands the match file's bytes over; nothing when there is no folder.
    void Keep(const QByteArray& data, const QDateTime& when, const QString& home,
              const QString& guests);
    bool Wait(int ms);

  signals:
    // Once per run of failures.
    void Failed(const QString& folder, const QString& reason);

  private:
    QString folder_;
    QSet<QString> names_;
    std::unique_ptr<FileWriter> writer_;
};

// "2026-12-10 20-31-05 Lupi - Orsi.txt": sorts by time; characters a file name cannot hold
// on any system become "_".
QString CopyName(const QDateTime& when, const QString& home, const QString& guests);
// Removes the oldest backups beyond `kept` (by name, which starts with the time).
void PruneCopies(const QString& folder, int kept);
