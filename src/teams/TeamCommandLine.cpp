#include "teams/TeamCommandLine.h"

#include "teams/TeamPackage.h"

bool AsksForTeamCommand(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--export-team")) ||
           arguments.contains(QStringLiteral("--import-team"));
}

int RunTeamCommand(const QStringList& arguments, const QString& dataFolder, QTextStream& out,
                   QTextStream& errors) {
    QString exportTeam, importFile, outFile, refusal;
    auto existing = TeamPackage::Existing::Refuse;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (word == QStringLiteral("--export-team") && hasValue) {
            exportTeam = arguments[++i];
        } else if (word == QStringLiteral("--import-team") && hasValue) {
            importFile = arguments[++i];
        } else if (word == QStringLiteral("--out") && hasValue) {
            outFile = arguments[++i];
        } else if (word == QStringLiteral("--replace")) {
            existing = TeamPackage::Existing::Replace;
        } else if (word == QStringLiteral("--keep-both")) {
            existing = TeamPackage::Existing::KeepBoth;
        } else {
            refusal = QStringLiteral("unknown option: ") + word;
        }
    }
    if (refusal.isEmpty() && !exportTeam.isEmpty() == !importFile.isEmpty()) {
        refusal = QStringLiteral("give either --export-team or --import-team");
    }
    if (refusal.isEmpty() && !exportTeam.isEmpty() && outFile.isEmpty()) {
        refusal = QStringLiteral("--export-team wants --out FILE");
    }
    if (!refusal.isEmpty()) {
        errors << "brivanta: " << refusal << "\n";
        return 2;
    }
    const TeamPackage::Outcome o = exportTeam.isEmpty()
                                       ? TeamPackage::Import(dataFolder, importFile, existing)
                                       : TeamPackage::Export(dataFolder, exportTeam, outFile);
    if (!o.ok) {
        errors << "brivanta: " << o.error << "\n";
        return 1;
    }
    for (const QString& left : o.keptOut) {
        out << "left out: " << left << "\n";
    }
    out << (exportTeam.isEmpty() ? "imported: " : "exported: ") << o.team << "\n";
    return 0;
}
