#pragma once

#include <QStringList>
#include <QTextStream>

// `brivanta --export-team "<team>" --out FILE` and
// `brivanta --import-team FILE [--replace | --keep-both]`, on the program's data folder.
bool AsksForTeamCommand(const QStringList& arguments);
// 0 on success; one line on `errors` otherwise.
int RunTeamCommand(const QStringList& arguments, const QString& dataFolder, QTextStream& out,
                   QTextStream& errors);
