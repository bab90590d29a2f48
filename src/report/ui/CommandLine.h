#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// Whether the command line asks for something other than the windows: any argument does.
bool AsksOnCommandLine(const QStringList& arguments);

// What the command line says, read before anything else starts.
struct CommandLineArguments {
    QString match, folder, language;
    bool help = false;
    bool version = false;
    QString unknown; // the first argument the program does not know
};
CommandLineArguments ReadArguments(const QStringList& arguments);
// The refusal of an unknown argument: one line saying which, then the whole usage.
QString ArgumentRefusal(const QString& argument);

// brivanta --report MATCH.txt --out FOLDER [--lang ENG], --help and --version, with no window:
// the exit code. `dataFolder` holds the teams (rosters, logos) and Languages.csv.
int RunCommandLine(const QStringList& arguments, const QString& dataFolder, QTextStream& output,
                   QTextStream& errors);
