// The console's post-match pack.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "display/ui/DisplayWindow.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "report/Report.h"
#include "report/ui/ReportPackage.h"

#include <QDir>
#include <QFileInfo>

void ConsoleWindow::writeReport() {
    auto& dialogs = platform_.dialogs;
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    if (match_.History.isEmpty()) {
        dialogs.Message(t(ConsoleMessages::NotStarted), Buttons::Ok);
        return;
    }
    const QString folder =
        dialogs.ChooseFolder(t("Cartella del report della partita"), platform_.folders.Documents());
    if (folder.isEmpty()) {
        return;
    }
    const bool exists =
        std::any_of(PackageNames.begin(), PackageNames.end(), [&](const QString& name) {
            return QFileInfo::exists(QDir(folder).filePath(name));
        });
    if (exists &&
        dialogs.Message(t(ConsoleMessages::ReplaceReportQuestion) + QStringLiteral("\n") + folder,
                        Buttons::YesNo, Default::GiveUp) == Answer::No) {
        return;
    }
    const Report report = BuildReport(match_, platform_.clock.Now().date(), common_.Languages);
    const QString error =
        WritePackage(folder, PreparePackage(match_, report, common_.Languages, display_->Colours(),
                                            common_.DataFolder));
    if (!error.isEmpty()) {
        dialogs.Message(t("Impossibile scrivere il report:") + QStringLiteral("\n") + error,
                        Buttons::Ok);
        return;
    }
    platform_.shell.Open(folder);
}
