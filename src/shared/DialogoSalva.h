#pragma once

#include <QString>

class Dialoghi;

// What the save dialog left: the chosen path split into folder and name.
struct SceltaSalva {
    QString FileScelto = QStringLiteral("none");
    QString CartellaScelta;
    QString NomeScelto;
    bool SceltaFatta = false;
};

SceltaSalva DialogoSalva(Dialoghi& dialoghi, const QString& filtro, const QString& cartella,
                         const QString& titolo, const QString& nomePredefinito);

// The name after the last separator, trimmed.
QString NomeFile(const QString& percorso);
