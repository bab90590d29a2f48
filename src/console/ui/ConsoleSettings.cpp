// The console's files that travel: every setting to a new laptop and back, and team packages.
#include "console/ui/ConsoleWindow.h"
#include "options/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "shared/FileText.h"
#include "teams/TeamPackage.h"
#include "teams/ui/TeamPackageImport.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>

void ConsoleWindow::exportSettings() {
    auto& dialogs = platform_.dialogs;
    const QString file = dialogs.SaveFile(common_.Translate(QStringLiteral("Esporta impostazioni")),
                                          QDir::homePath(), QStringLiteral("brivanta-settings.txt"),
                                          QStringLiteral("Brivanta (*.txt)"));
    if (file.isEmpty()) {
        return;
    }
    const bool secret =
        dialogs.Message(
            common_.Translate(QStringLiteral(
                "Includere il segreto del telecomando? Chi ha il file potrà segnare punti.")),
            Buttons::SiNo, Default::GiveUp) == Answer::Si;
    QString reason;
    if (!WriteWholeFile(file, SettingsFile::Export(platform_.settings, secret), &reason)) {
        dialogs.Message(
            common_.Translate(QStringLiteral("Non è stato possibile salvare il file :")) +
                QStringLiteral("\n") + file + QStringLiteral("\n") + reason,
            Buttons::Ok);
    }
}

void ConsoleWindow::importSettings() {
    auto& dialogs = platform_.dialogs;
    const QString file = dialogs.OpenFile(common_.Translate(QStringLiteral("Importa impostazioni")),
                                          QDir::homePath(), QStringLiteral("Brivanta (*.txt)"));
    if (file.isEmpty()) {
        return;
    }
    QFile in(file);
    const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.read(1 << 20) : QByteArray();
    const SettingsFile::Imported result = SettingsFile::Import(bytes, platform_.settings);
    if (!result.ok) {
        dialogs.Message(
            common_.Translate(QStringLiteral(
                "Questo file non è un file di impostazioni di Brivanta: nulla è cambiato.")),
            Buttons::Ok);
        return;
    }
    // The start-up sequence applies what was read, as at the next start.
    load();
    if (!result.ignored.isEmpty()) {
        dialogs.Message(common_.Translate(QStringLiteral(
                            "Impostazioni importate, queste sono state ignorate :")) +
                            QStringLiteral("\n") + result.ignored.join(QStringLiteral(", ")),
                        Buttons::Ok);
    }
}

void ConsoleWindow::importTeam() {
    const QString file = platform_.dialogs.OpenFile(
        common_.Translate(QStringLiteral("Importa squadra")), QDir::homePath(),
        QStringLiteral("Brivanta (*") + TeamPackage::Extension + u')');
    if (!file.isEmpty()) {
        ImportTeamFile(file);
    }
}

void ConsoleWindow::ImportTeamFile(const QString& file) {
    if (match_.Locked) {
        return;
    }
    if (ImportTeamPackage(platform_.dialogs, common_, file)) {
        // The start-up sequence lists the teams again, the new one among them.
        load();
    }
}

void ConsoleWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!match_.Locked && !DroppedTeamPackage(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void ConsoleWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedTeamPackage(event->mimeData());
    if (!match_.Locked && !file.isEmpty()) {
        event->acceptProposedAction();
        ImportTeamFile(file);
    }
}
