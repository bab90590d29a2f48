// The console's settings: the options window, and every setting to a new laptop and back.
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "options/SettingsFile.h"
#include "options/ui/OptionsWindow.h"
#include "platform/Dialogs.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "shared/FileText.h"

#include <QDir>
#include <QFile>

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
                "Includere il segreto del telecomando e la password del broker? Chi ha il file "
                "potrà segnare punti e pubblicare come un campo.")),
            Buttons::YesNo, Default::GiveUp) == Answer::Yes;
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

void ConsoleWindow::openSettings() {
    // The start-up sequence keeps the chosen teams and the match under way.
    OptionsWindow options({match_, common_, platform_, *display_, previewTimer, player_, cheerTimer,
                           [this] {
                               load();
                               activateWindow();
                           },
                           [this] { openSponsorManager(); }, [this] { openTeamEditor(); },
                           [this] { return venueState(); }});
    options.load();
    platform_.modal.Show(options);
}
