// The console's match file commands: save, load, and the emergency copy.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "match/Archive.h"
#include "match/EmergencyCopy.h"
#include "match/MatchFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shared/FileText.h"
#include "shared/SaveDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A match of five long sets is a few kilobytes; a file this big is not a match file.
constexpr qint64 MaxSize = 64LL * 1024 * 1024;
} // namespace

QString ConsoleWindow::emergencyPath() const {
    return copy_->Path();
}

bool ConsoleWindow::saveMatchTo(const QString& path, QString* reason) {
    return WriteWholeFile(
        path, EncodeLines(MatchFileLines(match_, platform_.clock.Now(), common_.Languages)),
        reason);
}

void ConsoleWindow::saveEmergencyCopy() {
    copy_->Save(EncodeLines(MatchFileLines(match_, platform_.clock.Now(), common_.Languages)));
}

void ConsoleWindow::resumeIfInterrupted() {
    const EmergencyCopyPlace& place = copy_->Place();
    const auto refusal = [](const QString& folder, const QString& reason) {
        return QStringLiteral("\n\n") + QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
               reason;
    };
    if (!place.userRefusal().isEmpty()) {
        platform_.dialogs.Message(common_.Translate(ConsoleMessages::NoFolderForTheCopy) +
                                      refusal(place.temporaryFolder(), place.temporaryRefusal()) +
                                      refusal(place.userFolder(), place.userRefusal()),
                                  Buttons::Ok);
    } else if (!place.temporaryRefusal().isEmpty()) {
        platform_.dialogs.Message(common_.Translate(ConsoleMessages::TemporaryFolderRefused) +
                                      u' ' + QDir::toNativeSeparators(place.folder()) +
                                      refusal(place.temporaryFolder(), place.temporaryRefusal()),
                                  Buttons::Ok);
    }
    const auto interrupted = copy_->FindInterrupted(common_.Languages);
    copy_->MarkInUse();
    if (!interrupted) {
        return;
    }
    const QString question = common_.Translate(ConsoleMessages::ResumeQuestion) +
                             QStringLiteral("\n\n") + interrupted->teams[0] +
                             QStringLiteral(" - ") + interrupted->teams[1] + QStringLiteral("\n") +
                             interrupted->written.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (platform_.dialogs.Message(question, Buttons::YesNo) == Answer::Yes) {
        loadMatchFile(interrupted->path);
        return;
    }
    archive_->Keep(EncodeLines(interrupted->lines), platform_.clock.Now(), interrupted->teams[0],
                   interrupted->teams[1]);
    copy_->Forget(*interrupted);
}

bool ConsoleWindow::waitForCopy(int ms) {
    return copy_->Wait(ms);
}

void ConsoleWindow::copyNotWritten(const QString& path, const QString& reason) {
    if (copyFailing_) {
        return;
    }
    copyFailing_ = true;
    platform_.dialogs.Notice(
        common_.Translate(ConsoleMessages::CopyNotWritten) + QStringLiteral("\n\n") +
        QDir::toNativeSeparators(QFileInfo(path).absolutePath()) + QStringLiteral(": ") + reason);
}

void ConsoleWindow::copyMoved(const QString& folder, const QString& reason) {
    platform_.dialogs.Notice(common_.Translate(ConsoleMessages::CopyMoved) + u' ' +
                             QDir::toNativeSeparators(folder) + QStringLiteral("\n\n") +
                             QDir::toNativeSeparators(copy_->Place().folder()) +
                             QStringLiteral(": ") + reason);
}

void ConsoleWindow::settingsNotWritten(const QString& file, const QString& reason) {
    platform_.dialogs.Message(common_.Translate(ConsoleMessages::SettingsNotWritten) +
                                  QStringLiteral("\n\n") + QDir::toNativeSeparators(file) +
                                  QStringLiteral(": ") + reason,
                              Buttons::Ok);
}

void ConsoleWindow::saveMatch() {
    auto& dialogs = platform_.dialogs;
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    if (match_.History.isEmpty()) {
        dialogs.Message(t(ConsoleMessages::NotStarted), Buttons::Ok);
        return;
    }
    const SaveChoice choice =
        SaveDialog(dialogs, QStringLiteral("Brivanta (*.txt)"), common_.DataFolder,
                   QStringLiteral("Save File"), QString());
    if (!choice.ChoiceMade) {
        dialogs.Message(t(ConsoleMessages::NoFileChosen), Buttons::Ok);
        return;
    }
    QString path = choice.ChosenFile;
    if (!path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".txt");
    }
    if (QFileInfo::exists(path) &&
        dialogs.Message(t("Il file") + QStringLiteral(" :") + path + QStringLiteral(" ") +
                            t(ConsoleMessages::OverwriteQuestion),
                        Buttons::YesNo, Default::GiveUp) == Answer::No) {
        return;
    }
    if (QString reason; !saveMatchTo(path, &reason)) {
        dialogs.Message(t(ConsoleMessages::MatchNotSaved) + QStringLiteral(" : ") + path +
                            QStringLiteral("\n\n") +
                            QDir::toNativeSeparators(QFileInfo(path).absolutePath()) +
                            QStringLiteral(": ") + reason,
                        Buttons::Ok);
        return;
    }
    setWindowTitle(QStringLiteral("Brivanta : ") + FileName(path).toUpper());
    keepMatch();
}

void ConsoleWindow::keepMatch() {
    if (!MatchInProgress(match_)) {
        return;
    }
    const QDateTime now = platform_.clock.Now();
    archive_->Keep(EncodeLines(MatchFileLines(match_, now, common_.Languages)), now,
                   match_.TeamName[0], match_.TeamName[1]);
}

void ConsoleWindow::openBackupsFolder() {
    const QString folder = archive_->Folder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        backupNotWritten(folder);
        return;
    }
    platform_.shell.Open(folder);
}

void ConsoleWindow::backupNotWritten(const QString& folder, const QString& reason) {
    platform_.dialogs.Message(
        common_.Translate(QStringLiteral(
            "Non è stato possibile scrivere la copia di sicurezza nella cartella:")) +
            u' ' + folder + (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + u')'),
        Buttons::Ok);
}

void ConsoleWindow::loadMatch() {
    auto& dialogs = platform_.dialogs;
    if (!match_.History.isEmpty() &&
        dialogs.Message(common_.Translate(ConsoleMessages::LoadOverMatchQuestion), Buttons::YesNo,
                        Default::GiveUp) == Answer::No) {
        return;
    }
    const QString path =
        dialogs.OpenFile(common_.Translate(QStringLiteral("File TXT")), common_.DataFolder,
                         QStringLiteral("File di partita TXT (*.txt *.TXT)"));
    if (!path.isEmpty()) {
        loadMatchFile(path);
    }
}

void ConsoleWindow::loadMatchFromButton() {
    restoreDirection();
    loadMatch();
}

void ConsoleWindow::loadEmergencyCopy() {
    auto& dialogs = platform_.dialogs;
    const QFileInfo copy(emergencyPath());
    if (!copy.exists()) {
        dialogs.Message(common_.Translate(ConsoleMessages::NoEmergencyCopy), Buttons::Ok);
        return;
    }
    const QString question = common_.Translate(ConsoleMessages::EmergencyLoadQuestion) +
                             QStringLiteral("\n") +
                             copy.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
                             QStringLiteral("\n\n");
    if (dialogs.Message(question, Buttons::YesNo) == Answer::No) {
        return;
    }
    loadMatchFile(copy.filePath());
}

void ConsoleWindow::loadMatchFile(const QString& path) {
    const auto lines = ReadTextFile(path, MaxSize);
    if (!lines) {
        return;
    }
    const auto file = ReadMatchFile(*lines);
    if (!file) {
        platform_.dialogs.Message(common_.Translate(ConsoleMessages::NotAMatchFile), Buttons::Ok);
        return;
    }
    setWindowTitle(QStringLiteral("Brivanta : ") + FileName(path).toUpper());
    // The match this file replaces stays among the backups.
    keepMatch();
    const auto teams = ApplyMatchFile(match_, *file, common_.Languages);
    for (int side = 0; side < 2; ++side) {
        chooseFromFile(side, teams[side]);
    }
    if (match_.Display.Serving[0] || match_.Display.Serving[1]) {
        blinkTimer.start();
    }
    if (match_.MatchOver) {
        // A match loaded from a file was told to the venue when it was played.
        loadingFile_ = true;
        MatchEnd();
        loadingFile_ = false;
    }
    // The loaded match is now the one a crash must not lose.
    saveEmergencyCopy();
    showMatch();
}
