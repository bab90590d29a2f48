// The team editor's team packages: one file to carry a team to another machine.
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "shared/CommonSettings.h"
#include "teams/TeamPackage.h"
#include "teams/ui/TeamEditor.h"
#include "teams/ui/TeamPackageImport.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>

namespace {
const QString NewLine = QStringLiteral("\r\n");
} // namespace

void TeamEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedTeamPackage(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TeamEditor::dropEvent(QDropEvent* event) {
    const QString file = DroppedTeamPackage(event->mimeData());
    if (!file.isEmpty() && leaveRoster()) {
        event->acceptProposedAction();
        importTeamFile(file);
    }
}

void TeamEditor::exportTeam() {
    const QString folder = chosenFolder();
    if (folder.isEmpty() || !leaveRoster()) {
        return;
    }
    const QString team = QDir(folder).dirName();
    const QString file = platform_.dialogs.SaveFile(
        t("Esporta squadra"), QDir::homePath(), team + TeamPackage::Extension,
        QStringLiteral("Brivanta (*") + TeamPackage::Extension + u')');
    if (file.isEmpty()) {
        return;
    }
    const TeamPackage::Outcome o = TeamPackage::Export(common_.DataFolder, team, file);
    platform_.dialogs.Message(o.ok ? t("Squadra esportata nel file :") + NewLine +
                                         QDir::toNativeSeparators(file)
                                   : t("La squadra non può essere esportata :") + NewLine + o.error,
                              Buttons::Ok);
}

void TeamEditor::importTeam() {
    if (!leaveRoster()) {
        return;
    }
    const QString file =
        platform_.dialogs.OpenFile(t("Importa squadra"), QDir::homePath(),
                                   QStringLiteral("Brivanta (*") + TeamPackage::Extension + u')');
    if (!file.isEmpty()) {
        importTeamFile(file);
    }
}

void TeamEditor::importTeamFile(const QString& file) {
    const auto team = ImportTeamPackage(platform_.dialogs, common_, file);
    if (!team) {
        return;
    }
    load();
    const auto found = teamList->findItems(*team, Qt::MatchExactly);
    if (!found.isEmpty()) {
        teamList->setCurrentItem(found.first());
    }
}
