#include "platform/qt/QtPlatform.h"
#include "shared/SettingsTable.h"

#include "shared/FileText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdlib>

QtSettings::QtSettings() : settings_(QStringLiteral("Brivanta"), QStringLiteral("Brivanta")) {
    ProtectSecret();
}

QString QtSettings::Read(const QString& key) const {
    return settings_.value(QStringLiteral("Startup/") + key).toString();
}

void QtSettings::Write(const QString& key, const QString& value) {
    settings_.setValue(QStringLiteral("Startup/") + key, value);
    if (key == QStringLiteral("HubToken")) {
        settings_.sync();
        ProtectSecret();
    }
}

// The remote's secret lets anyone score: while the file holds it, other users of the machine
// may not read it. The settings are rewritten in place, so the file keeps these permissions.
void QtSettings::ProtectSecret() {
    if (!Read(KeyOf(Setting::RemoteSecret)).isEmpty() && QFile::exists(settings_.fileName())) {
        QFile::setPermissions(settings_.fileName(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

QString QtFolders::Documents() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString QtFolders::Program() const {
    return QCoreApplication::applicationDirPath();
}

QString QtFolders::Temporary() const {
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

// ~/.local/share/Brivanta, %LOCALAPPDATA%/Brivanta: one folder per user, beside other programs'.
QString QtFolders::User() const {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("Brivanta"));
}

// Tried, not read from the permissions: root may write where the bits say no, a read-only
// mount refuses even root.
bool QtFolders::WritableProgramFolder() const {
    QTemporaryFile trial(QDir(Program()).filePath(QStringLiteral(".brivanta_prova_XXXXXX")));
    return trial.open();
}

bool ShellQt::Open(const QString& pathOrAddress) {
    const QUrl url =
        QFileInfo::exists(pathOrAddress) ? QUrl::fromLocalFile(pathOrAddress) : QUrl(pathOrAddress);
    return QDesktopServices::openUrl(url);
}

void QtProcess::End() {
    // At once: no close events, so the windows that refuse closing cannot hold the exit.
    std::_Exit(0);
}

void QtModalWindows::Show(QDialog& window) {
    window.exec();
}

bool QtDisk::Write(const QString& path, const QByteArray& data, QString& reason) {
    return WriteWholeFile(path, data, &reason);
}

bool QtModalWindows::Open() const {
    return QApplication::activeModalWidget() != nullptr;
}
