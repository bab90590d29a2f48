#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// Whether the command line asks for something other than the windows (--report, --help).
bool ChiedeRigaDiComando(const QStringList& argomenti);

// brivanta --report MATCH.txt --out FOLDER [--lang ENG] and brivanta --help, with no window:
// the exit code. `cartellaDati` holds the teams (rosters, logos) and Languages.csv.
int EseguiRigaDiComando(const QStringList& argomenti, const QString& cartellaDati, QTextStream& uscita,
                        QTextStream& errori);
