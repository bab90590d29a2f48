#pragma once

#include <QString>
#include <QStringList>

// Where the emergency copy (match.txt) and the in-use marker (brivanta.in_uso) live: the
// temporary folder when a file can really be written there, else the user's data folder, so a
// full or read-only temporary folder never leaves a match without its copy. Chosen once at start.
class EmergencyCopyPlace {
  public:
    EmergencyCopyPlace(const QString& temporaryFolder, const QString& userFolder);

    const QString& folder() const { return folder_; }
    QString copyPath() const;
    QString markerPath() const;
    // Why the temporary folder was passed over ("" when it was not): told once at start.
    const QString& temporaryRefusal() const { return temporaryRefusal_; }
    const QString& temporaryFolder() const { return temporaryFolder_; }
    // Why the user's folder could not take the copy either ("" when it could, or was not
    // needed): then no folder holds it, and the copy keeps trying the temporary one.
    const QString& userRefusal() const { return userRefusal_; }
    const QString& userFolder() const { return userFolder_; }
    // Every folder an earlier run may have used, the chosen one first: the resume offer looks
    // in all of them.
    QStringList foldersToSearch() const;

  private:
    QString temporaryFolder_;
    QString userFolder_;
    QString folder_;
    QString temporaryRefusal_;
    QString userRefusal_;
};
