#pragma once

#include "doppi/Doppi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program folder with the sample team folders, an empty Documents folder and the
// platform doubles, all under one temporary folder.
struct Ambiente {
    Ambiente() {
        programma = radice.filePath(QStringLiteral("programma"));
        documenti = radice.filePath(QStringLiteral("Documenti"));
        QDir().mkpath(documenti);
        CreaFile(programma + QStringLiteral("/Teams/Home/team.csv"));
        CreaFile(programma + QStringLiteral("/Teams/Guests/team.csv"));
        QDir().mkpath(programma + QStringLiteral("/Teams/Lupi"));
        CreaFile(programma + QStringLiteral("/Teams/leggimi.txt"));
        // A sponsor folder that lists a file keeps the band on.
        CreaFile(programma + QStringLiteral("/Sponsors/leggimi.txt"));
        f.cartelle.programma = programma;
        f.cartelle.documenti = documenti;
        f.cartelle.temporanea = radice.filePath(QStringLiteral("temp"));
        f.cartelle.utente = radice.filePath(QStringLiteral("utente"));
        QDir().mkpath(f.cartelle.temporanea);
    }

    static void CreaFile(const QString& percorso, const QByteArray& contenuto = "x\r\n") {
        QDir().mkpath(QFileInfo(percorso).path());
        QFile file(percorso);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(contenuto);
        }
    }

    QTemporaryDir radice;
    QString programma;
    QString documenti;
    PiattaformaFinta f;
};
