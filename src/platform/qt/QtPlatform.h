#pragma once

#include "platform/Clock.h"
#include "platform/Disk.h"
#include "platform/Folders.h"
#include "platform/ModalWindows.h"
#include "platform/Process.h"
#include "platform/Settings.h"
#include "platform/Shell.h"

#include <QSettings>

class QtSettings : public Settings {
  public:
    QtSettings();
    QString Read(const QString& key) const override;
    void Write(const QString& key, const QString& value) override;

  private:
    void ProtectSecret();
    mutable QSettings settings_;
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
