#include "platform/qt/QtPlatform.h"
#include "shared/SettingsTable.h"

#include "platform/qt/IniText.h"
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
#include <utility>

namespace {
const QString Group = QStringLiteral("Startup/");
} // namespace

QtSettings::QtSettings() {
    const QSettings file(QStringLiteral("Brivanta"), QStringLiteral("Brivanta"));
    ReadAll(file);
}

QtSettings::QtSettings(const QString& file) {
    ReadAll(QSettings(file, QSettings::IniFormat));
}

QtSettings::~QtSettings() {
    if (pending_.isActive()) {
        Store();
    }
}

void QtSettings::ReadAll(const QSettings& file) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    QObject::connect(&pending_, &QTimer::timeout, &pending_, [this] { Store(); });
    file_ = file.fileName();
    for (const QString& key : file.allKeys()) {
        values_[key] = file.value(key).toString();
    }
}

QString QtSettings::Read(const QString& key) const {
    return values_.value(Group + key);
}

void QtSettings::Write(const QString& key, const QString& value) {
    if (!failing_ && values_.contains(Group + key) && values_.value(Group + key) == value) {
        return;
    }
    values_[Group + key] = value;
    changed_.insert(Group + key);
    pending_.start();
}

void QtSettings::WhenNotStored(NotStored tell) {
    tell_ = std::move(tell);
}

#ifdef Q_OS_WIN
// The registry stores each value by itself: no file to empty.
void QtSettings::Store() {
    pending_.stop();
    QSettings registry(QStringLiteral("Brivanta"), QStringLiteral("Brivanta"));
    for (const QString& key : std::exchange(changed_, {})) {
        registry.setValue(key, values_.value(key));
    }
}
#else
void QtSettings::Store() {
    pending_.stop();
    changed_.clear();
    // The remote's secret lets anyone score, the broker's password lets anyone post as a court:
    // while the file holds either, other users of the machine may not read it. The rewritten
    // file keeps the mode set here.
    if (!Read(KeyOf(Setting::RemoteSecret)).isEmpty() ||
        !Read(KeyOf(Setting::MqttPassword)).isEmpty()) {
        if (!QFile::exists(file_)) {
            QDir().mkpath(QFileInfo(file_).absolutePath());
            WriteWholeFile(file_, {});
        }
        QFile::setPermissions(file_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QString reason;
    if (WriteWholeFile(file_, IniText(values_), &reason)) {
        failing_ = false;
        return;
    }
    if (!failing_ && tell_) {
        tell_(file_, reason);
    }
    failing_ = true;
}
#endif

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
