#pragma once

#include "platform/Clock.h"
#include "platform/Disk.h"
#include "platform/Folders.h"
#include "platform/ModalWindows.h"
#include "platform/Process.h"
#include "platform/Settings.h"
#include "platform/Shell.h"

#include <QMap>
#include <QSet>
#include <QSettings>
#include <QTimer>

// Read through QSettings, written whole by our checked writer: a full disk keeps the old file
// as it was instead of emptying it. The changes of one turn of the event loop are written
// together (the options store dozens at once), and what is left when it ends.
class QtSettings : public Settings {
  public:
    // The user's settings file.
    QtSettings();
    // A file of its own (tests).
    explicit QtSettings(const QString& file);
    ~QtSettings() override;
    QString Read(const QString& key) const override;
    void Write(const QString& key, const QString& value) override;
    void WhenNotStored(NotStored tell) override;
    // Writes the pending changes now.
    void Store();

  private:
    void ReadAll(const QSettings& file);

    QTimer pending_;
    QString file_;
    // Every key of the file, "Group/Key".
    QMap<QString, QString> values_;
    QSet<QString> changed_;
    bool failing_ = false;
    NotStored tell_;
};

class QtFolders : public Folders {
  public:
    QString Documents() const override;
    QString Program() const override;
    QString Temporary() const override;
    QString User() const override;
    bool WritableProgramFolder() const override;
};

class QtClock : public Clock {
  public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

class ShellQt : public Shell {
  public:
    bool Open(const QString& pathOrAddress) override;
};

class QtProcess : public Process {
  public:
    void End() override;
};

class QtDisk : public Disk {
  public:
    bool Write(const QString& path, const QByteArray& data, QString& reason) override;
};

class QtModalWindows : public ModalWindows {
  public:
    void Show(QDialog& window) override;
    bool Open() const override;
};
