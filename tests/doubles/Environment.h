#pragma once

#include "doubles/Doubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program folder with the sample team folders, an empty Documents folder and the
// platform doubles, all under one temporary folder.
struct Environment {
    Environment() {
        program = root.filePath(QStringLiteral("programma"));
        documents = root.filePath(QStringLiteral("Documenti"));
        QDir().mkpath(documents);
        CreateFile(program + QStringLiteral("/Teams/Home/team.csv"));
        CreateFile(program + QStringLiteral("/Teams/Guests/team.csv"));
        QDir().mkpath(program + QStringLiteral("/Teams/Lupi"));
        CreateFile(program + QStringLiteral("/Teams/leggimi.txt"));
        // A sponsor folder that lists a file keeps the band on.
        CreateFile(program + QStringLiteral("/Sponsors/leggimi.txt"));
        f.folders.program = program;
        f.folders.documents = documents;
        f.folders.temporary = root.filePath(QStringLiteral("temp"));
        f.folders.user = root.filePath(QStringLiteral("utente"));
        QDir().mkpath(f.folders.temporary);
    }

    static void CreateFile(const QString& path, const QByteArray& content = "x\r\n") {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(content);
        }
    }

    QTemporaryDir root;
    QString program;
    QString documents;
    FakePlatform f;
};
