#include "teams/ui/TeamPackageImport.h"

#include "platform/Dialogs.h"
#include "shared/CommonSettings.h"
#include "teams/Messages.h"
#include "teams/TeamPackage.h"

#include <QMimeData>
#include <QUrl>

QString DroppedTeamPackage(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().first().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().first().toLocalFile();
    return path.endsWith(TeamPackage::Extension) ? path : QString();
}

std::optional<QString> ImportTeamPackage(Dialogs& dialogs, const CommonSettings& common,
                                         const QString& file) {
    const auto t = [&common](const char* text) {
        return common.Translate(QString::fromUtf8(text));
    };
    TeamPackage::Outcome o =
        TeamPackage::Import(common.DataFolder, file, TeamPackage::Existing::Refuse);
    if (!o.ok && o.error.contains(QStringLiteral("already there"))) {
        const Answer choice = dialogs.Message(t(TeamMessages::SameNameQuestion),
                                              Buttons::YesNoCancel, Default::GiveUp);
        if (choice == Answer::Cancel) {
            return std::nullopt;
        }
        o = TeamPackage::Import(common.DataFolder, file,
                                choice == Answer::Yes ? TeamPackage::Existing::Replace
                                                      : TeamPackage::Existing::KeepBoth);
    }
    if (!o.ok) {
        dialogs.Message(t("Il pacchetto della squadra non può essere importato :") +
                            QStringLiteral("\r\n") + o.error,
                        Buttons::Ok);
        return std::nullopt;
    }
    if (!o.keptOut.isEmpty()) {
        dialogs.Message(t("Squadra importata, questi file non sono stati presi :") +
                            QStringLiteral("\r\n") + o.keptOut.join(QStringLiteral("\r\n")),
                        Buttons::Ok);
    }
    return o.team;
}
