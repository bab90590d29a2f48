#include "report/ui/CommandLine.h"

#include "display/Colours.h"
#include "match/Match.h"
#include "match/MatchFile.h"
#include "report/Report.h"
#include "report/ui/ReportPackage.h"
#include "shared/FileText.h"
#include "shared/Language.h"
#include "shared/Product.h"
#include "teams/Teams.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 MaxSize = 64LL * 1024 * 1024;

// Every command the program takes, one line each: main() sends each to its module.
const char* const Help =
    "Brivanta, a scoreboard for volleyball matches.\n"
    "\n"
    "Usage:\n"
    "  brivanta                                  start the console and the display\n"
    "  brivanta --report MATCH.txt --out FOLDER [--lang CODE]  write a saved match's report\n"
    "  brivanta --venue [--port N] [--mqtt HOST:PORT]  serve every court of the venue\n"
    "  brivanta --export-team TEAM --out FILE    pack a team into one .brivanta-team file\n"
    "  brivanta --import-team FILE [--replace | --keep-both]  unpack a team package\n"
    "  brivanta --help                           this text\n"
    "  brivanta --version                        the program's name and version\n"
    "\n"
    "--report writes report.pdf, play-by-play.csv and result.png in FOLDER (made when it does\n"
    "not exist), with no window; CODE is a language of Languages.csv (ITA, ENG, FRA, DEU, ESP),\n"
    "Italian when not given. Exit code 0 on success; otherwise one line on standard error says\n"
    "why, and an option the program does not know exits with 2.\n";

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
        } else if (a == QLatin1String("--version")) {
            read.version = true;
        } else {
            read.unknown = a;
        }
    }
    return read;
}

QString ArgumentRefusal(const QString& argument) {
    return QStringLiteral("brivanta: unknown option: %1\n\n").arg(argument) + QLatin1String(Help);
}

int RunCommandLine(const QStringList& arguments, const QString& dataFolder, QTextStream& output,
                   QTextStream& errors) {
    const auto [match, folder, language, help, version, unknown] = ReadArguments(arguments);
    if (!unknown.isEmpty()) {
        errors << ArgumentRefusal(unknown);
        return 2;
    }
    if (help) {
        output << Help;
        return 0;
    }
    if (version) {
        output << "Brivanta " << VersionText(ProgramVersion()) << '\n';
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
