#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// Whether the command line asks for something other than the windows: any argument does.
bool ChiedeRigaDiComando(const QStringList& argomenti);

// What the command line says, read before anything else starts.
struct ArgomentiRigaDiComando {
    QString partita, cartella, lingua;
    bool aiuto = false;
    QString sconosciuto; // the first argument the program does not know
};
ArgomentiRigaDiComando LeggiArgomenti(const QStringList& argomenti);
// The one line that refuses an unknown argument.
QString RifiutoArgomento(const QString& argomento);

// brivanta --report MATCH.txt --out FOLDER [--lang ENG] and brivanta --help, with no window:
// the exit code. `cartellaDati` holds the teams (rosters, logos) and Languages.csv.
int EseguiRigaDiComando(const QStringList& argomenti, const QString& cartellaDati, QTextStream& uscita,
                        QTextStream& errori);
