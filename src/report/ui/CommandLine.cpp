#include "report/ui/CommandLine.h"

#include "display/Colours.h"
#include "match/Match.h"
#include "match/MatchFile.h"
#include "report/Report.h"
#include "report/ui/ReportPackage.h"
#include "shared/FileText.h"
#include "shared/Language.h"
#include "teams/Teams.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 MaxSize = 64LL * 1024 * 1024;

const char* const Use = "brivanta [--report MATCH.txt --out FOLDER [--lang CODE]] | --help";

const char* const Help =
    "Brivanta, a scoreboard for volleyball matches.\n"
    "\n"
    "Usage:\n"
    "  brivanta                                      start the console and the display\n"
    "  brivanta --report MATCH.txt --out FOLDER [--lang CODE]\n"
    "                                                write report.pdf, play-by-play.csv and\n"
    "                                                result.png for a saved match, with no "
    "window;\n"
    "                                                FOLDER is made when it does not exist\n"
    "  brivanta --help                               this text\n"
    "\n"
    "CODE is a language of Languages.csv (ITA, ENG, FRA, DEU, ESP); Italian when not given.\n"
    "Exit code 0 on success; otherwise one line on standard error says why.\n";

} // namespace

bool AsksOnCommandLine(const QStringList& arguments) {
    // The windows take no argument: anything given is for the command line, which refuses
    // what it does not know rather than starting the windows over a typo.
    return !arguments.isEmpty();
}

CommandLineArguments ReadArguments(const QStringList& arguments) {
    CommandLineArguments read;
    for (qsizetype i = 0; i < arguments.size() && read.unknown.isEmpty(); ++i) {
        const QString& a = arguments[i];
        QString* destination = a == QLatin1String("--report") ? &read.match
                               : a == QLatin1String("--out")  ? &read.folder
                               : a == QLatin1String("--lang") ? &read.language
                                                              : nullptr;
        if (destination != nullptr) {
            if (i + 1 < arguments.size()) {
                *destination = arguments[++i];
            }
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            read.help = true;
        } else {
            read.unknown = a;
        }
    }
    return read;
}

QString ArgumentRefusal(const QString& argument) {
    return QStringLiteral("brivanta: unknown option: %1 (usage: %2)\n")
        .arg(argument, QLatin1String(Use));
}

int RunCommandLine(const QStringList& arguments, const QString& dataFolder, QTextStream& output,
                   QTextStream& errors) {
    const auto [match, folder, language, help, unknown] = ReadArguments(arguments);
    if (!unknown.isEmpty()) {
        errors << ArgumentRefusal(unknown);
        return 2;
    }
    if (help) {
        output << Help;
        return 0;
    }
    if (match.isEmpty() || folder.isEmpty()) {
        errors << "brivanta: --report needs a match file and --out a folder (see --help)\n";
        return 2;
    }
    const auto lines = ReadTextFile(match, MaxSize);
    if (!lines) {
        errors << "brivanta: cannot read the match file: " << match << '\n';
        return 3;
    }
    const auto file = ReadMatchFile(*lines);
    if (!file) {
        errors << "brivanta: not a Brivanta match file: " << match << '\n';
        return 4;
    }
    // As `mkdir -p` would: a report is often sent to a folder named on the spot.
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
        errors << "brivanta: the output folder cannot be made or written: " << folder << '\n';
        return 5;
    }
    LanguageTable languages;
    if (const auto table =
            ReadTextFile(QDir(dataFolder).filePath(QStringLiteral("Languages.csv")), MaxSize)) {
        languages.Load(*table);
    }
    if (const QString code = language.toUpper(); !code.isEmpty()) {
        const auto& codes = languages.LanguageCodes();
        const auto found = std::find(codes.begin() + 1, codes.end(), code);
        if (found == codes.end()) {
            errors << "brivanta: unknown language: " << code << '\n';
            return 6;
        }
        languages.LanguageColumn = static_cast<int>(found - codes.begin()) - 1;
        languages.CurrentLanguage = code;
    }
    Match p;
    DefaultRules(p);
    const auto teams = ApplyMatchFile(p, *file, languages);
    for (int k = 0; k < 2; ++k) {
        p.TeamName[k] = teams[k];
        p.Display.Name[k] =
            teams[k].isEmpty()
                ? languages.Translate(k == 0 ? QStringLiteral("Locali") : QStringLiteral("Ospiti"))
                : teams[k];
        const QString teamFolder = TeamFolder(dataFolder, teams[k]);
        if (!teamFolder.isEmpty()) {
            p.Rosters[k] = ReadRoster(QDir(teamFolder).filePath(QStringLiteral("team.csv")),
                                      ConsoleCapacity, true);
        }
    }
    const Report report = BuildReport(p, FileDate(*lines), languages);
    const QString error =
        WritePackage(folder, PreparePackage(p, report, languages, DefaultColours(), dataFolder));
    if (!error.isEmpty()) {
        errors << "brivanta: cannot write " << error << '\n';
        return 5;
    }
    for (const QString& name : PackageNames) {
        output << QDir(folder).filePath(name) << '\n';
    }
    return 0;
}
